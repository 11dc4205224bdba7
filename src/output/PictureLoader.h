#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>
#include <optional>

class QFileInfo;

namespace folia {

class PictureCache;

// A picture file named in a document that could not be loaded.
struct PictureProblem {
    enum class Kind { Missing, Unreadable };
    Kind kind;
    QString shownName; // as the document names it
};
// Told each problem as it happens; whoever loads the pictures decides what the user hears.
using PictureProblems = std::function<void(const PictureProblem& problem)>;

// Turns a picture file named in a document into a bitmap for the page: checks that the
// file exists, decodes it, and scales it onto a white bitmap of the requested size.
// A missing file and an unreadable one are each told to `problems`; every other failure
// just gives no bitmap.
class PictureLoader {
public:
    // With `decoded`, a file decoded before is not decoded again while it is unchanged.
    explicit PictureLoader(PictureProblems problems, PictureCache* decoded = nullptr);

    // The picture at width x height; 0 means the picture's own size. Without `stretch` the
    // picture keeps its proportions: a box relatively narrower than the picture loses
    // height, a relatively lower one loses width. With `stretch` it fills the box exactly
    // (and a 0 in the size gives nothing).
    std::optional<QImage> load(const QByteArray& fileName, int width, int height, bool stretch);

    // The path opened for a document's file name: Windows-1252 bytes, backslashes taken as
    // folder separators, a relative name taken beside the program.
    static QString resolvePath(const QByteArray& fileName);

    // Decoding refuses pictures whose pixels would need more than this (a file may
    // declare any size in its header), and no bitmap larger than this is made.
    static constexpr int kAllocationLimitMb = 256;

private:
    void report(PictureProblem::Kind kind, const QString& shownName) const;
    QImage decode(const QString& path, const QFileInfo& info);

    PictureProblems m_problems;
    PictureCache* m_decoded;
};

} // namespace folia
