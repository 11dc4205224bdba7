#include "PictureLoader.h"

#include "PictureCache.h"
#include "common/Cp1252.h"
#include "common/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace folia {
namespace {

// Rounds a scaled side to whole pixels.
int roundedSide(double value) {
    return static_cast<int>(std::lround(value));
}

bool fitsAllocationLimit(int width, int height) {
    const qint64 bytes = qint64(width) * qint64(height) * 4;
    return bytes <= qint64(PictureLoader::kAllocationLimitMb) * 1024 * 1024;
}

} // namespace

PictureLoader::PictureLoader(PictureProblems problems, PictureCache* decoded)
    : m_problems(std::move(problems)), m_decoded(decoded) {}

QString PictureLoader::resolvePath(const QByteArray& fileName) {
    QString path = fromCp1252(fileName);
#ifndef Q_OS_WIN
    // Documents written on Windows separate folders with backslashes.
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
#endif
    if (path.isEmpty() || QDir::isAbsolutePath(path)) return path;
    return besideProgram(path);
}

QImage PictureLoader::decode(const QString& path, const QFileInfo& info) {
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    if (m_decoded)
        if (std::optional<QImage> kept = m_decoded->find(path, size, modified)) return *kept;
    QImageReader reader(path);
    reader.setAllocationLimit(kAllocationLimitMb);
    const QImage picture = reader.read();
    // A file that cannot be decoded is tried again next time, and reported again.
    if (m_decoded && !picture.isNull()) m_decoded->keep(path, size, modified, picture);
    return picture;
}

void PictureLoader::report(PictureProblem::Kind kind, const QString& shownName) const {
    if (m_problems) m_problems({kind, shownName});
}

std::optional<QImage> PictureLoader::load(const QByteArray& fileName, int width, int height,
                                          bool stretch) {
    if (stretch && (width == 0 || height == 0)) return std::nullopt;
    const QString shownName = fromCp1252(fileName);
    const QString path = resolvePath(fileName);
    const QFileInfo info(path);
    // No file's name holds a zero byte: asking the file system about one only draws a
    // warning from it.
    if (path.isEmpty() || path.contains(QChar(u'\0')) || !info.exists()) {
        report(PictureProblem::Kind::Missing, shownName);
        return std::nullopt;
    }

    const QImage picture = info.isFile() ? decode(path, info) : QImage();
    if (picture.isNull()) {
        report(PictureProblem::Kind::Unreadable, shownName);
        return std::nullopt;
    }

    const int naturalWidth = picture.width();
    const int naturalHeight = picture.height();
    if (naturalWidth == 0 || naturalHeight == 0) return std::nullopt;
    if (width == 0) width = naturalWidth;
    if (height == 0) height = naturalHeight;
    if (!stretch) {
        const double widthRatio = double(naturalWidth) / width;
        const double heightRatio = double(naturalHeight) / height;
        if (widthRatio > heightRatio) {
            if (width < naturalWidth) height = roundedSide(naturalHeight / widthRatio);
        } else if (height < naturalHeight) {
            width = roundedSide(naturalWidth / heightRatio);
        }
    }
    if (width <= 0 || height <= 0 || !fitsAllocationLimit(width, height)) return std::nullopt;

    // An opaque picture at its own size is already the bitmap: no copy is made.
    if (picture.format() == QImage::Format_RGB32 && picture.size() == QSize(width, height))
        return picture;
    QImage bitmap(width, height, QImage::Format_RGB32);
    if (bitmap.isNull()) return std::nullopt;
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, width, height), picture);
    return bitmap;
}

} // namespace folia
