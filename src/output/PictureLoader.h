#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QFileInfo;
#include <optional>

namespace folia {

class PictureCache;
class Prompts;

// Turns a picture file named in a document into a bitmap for the page: checks that the
// file exists, decodes it, and scales it onto a white bitmap of the requested size.
// A missing file and an unreadable one are each reported in a message box; every other
// failure just gives no bitmap.
class PictureLoader {
public:
    // With `decoded`, a file decoded before is not decoded again while it is unchanged.
    explicit PictureLoader(Prompts& prompts, PictureCache* decoded = nullptr);

    // The picture at width x height; 0 means the picture's own size. Without `stretch` the
    // picture keeps its proportions: a box relatively narrower than the picture loses
    // height, a relatively lower one loses width. With `stretch` it fills the box exactly
    // (and a 0 in the size gives nothing).
    std::optional<QImage> load(const QByteArray& fileName, int width, int height, bool stretch);

    // The natural size of the last picture decoded.
    int lastImageWidth() const { return m_lastWidth; }
    int lastImageHeight() const { return m_lastHeight; }
    void resetLastSize() { m_lastWidth = m_lastHeight = 0; }

    // The path opened for a document's file name: Windows-1252 bytes, backslashes taken as
    // folder separators, a relative name taken beside the program.
    static QString resolvePath(const QByteArray& fileName);

    // Decoding refuses pictures whose pixels would need more than this (a file may
    // declare any size in its header), and no bitmap larger than this is made.
    static constexpr int kAllocationLimitMb = 256;

private:
    void report(const QString& text);
    QImage decode(const QString& path, const QFileInfo& info);

    Prompts& m_prompts;
    PictureCache* m_decoded;
    int m_lastWidth = 0;
    int m_lastHeight = 0;
};

} // namespace folia
