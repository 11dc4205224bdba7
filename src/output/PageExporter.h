#pragma once

#include "ImageFormats.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <deque>
#include <future>
#include <optional>

namespace folia {

// Writes pages as image files named "<page><extension>" into one folder, replacing
// files of those names. Pages are encoded and written on worker threads while the
// window thread renders the next one; the files are the same as written one by one.
class PageExporter {
public:
    PageExporter(const QString& folderPath, int32_t formatCode);
    ~PageExporter();
    PageExporter(const PageExporter&) = delete;
    PageExporter& operator=(const PageExporter&) = delete;

    // Makes the folder (one level; parents are not made). True when it exists afterwards.
    bool createFolder() const;
    QString filePath(int page) const;

    // Queues a page. While every worker is busy it waits, keeping the window painting.
    // False once a page could not be written: the caller stops adding.
    bool add(int page, const QImage& image);
    // Waits for all pages; the path of the first file that could not be written.
    std::optional<QString> finish();

private:
    struct Pending {
        QString path;
        std::future<bool> written;
    };
    void waitForOldest();

    QString m_folderPath;
    QString m_extension;
    Encoder m_encoder;
    std::deque<Pending> m_pending;
    std::optional<QString> m_failedPath;
};

} // namespace folia
