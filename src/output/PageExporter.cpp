#include "PageExporter.h"

#include "ImageEncoder.h"
#include "common/AtomicFile.h"
#include "common/EventPump.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <chrono>

namespace folia {
namespace {

bool encodeAndWrite(const QImage& image, Encoder encoder, const QString& path) {
    const std::optional<QByteArray> bytes = encodeImage(image, encoder);
    return bytes && writeFileAtomically(path, *bytes);
}

} // namespace

PageExporter::PageExporter(const QString& folderPath, int32_t formatCode)
    : m_folderPath(folderPath), m_extension(extensionForFormat(formatCode)),
      // An unknown format code has no extension, and the empty MIME type picks the
      // codec's first encoder.
      m_encoder(findEncoder(mimeTypeForExtension(m_extension)).value_or(Encoder::Bmp)) {}

PageExporter::~PageExporter() {
    finish();
}

bool PageExporter::createFolder() const {
    QDir().mkdir(m_folderPath);
    return QFileInfo(m_folderPath).isDir();
}

QString PageExporter::filePath(int page) const {
    return m_folderPath + QLatin1Char('/') + QString::number(page) + m_extension;
}

bool PageExporter::add(int page, const QImage& image) {
    if (m_failedPath) return false;
    const int workers = std::max(1, QThread::idealThreadCount());
    while (int(m_pending.size()) >= workers && !m_failedPath)
        waitForOldest();
    if (m_failedPath) return false;
    const QString path = filePath(page);
    m_pending.push_back(
        {path, std::async(std::launch::async, encodeAndWrite, image, m_encoder, path)});
    return true;
}

std::optional<QString> PageExporter::finish() {
    while (!m_pending.empty())
        waitForOldest();
    return m_failedPath;
}

void PageExporter::waitForOldest() {
    Pending& oldest = m_pending.front();
    EventPump pump;
    while (oldest.written.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        pump.pump();
    if (!oldest.written.get() && !m_failedPath) m_failedPath = oldest.path;
    m_pending.pop_front();
}

} // namespace folia
