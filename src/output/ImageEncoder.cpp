#include "ImageEncoder.h"

#include "GifEncoder.h"

#include <QBuffer>
#include <QImageWriter>

namespace folia {
namespace {

constexpr int kJpegQuality = 100;
constexpr int kTiffLzw = 1;

QByteArray qtFormatName(Encoder encoder) {
    switch (encoder) {
    case Encoder::Bmp:
        return "bmp";
    case Encoder::Jpeg:
        return "jpeg";
    case Encoder::Tiff:
        return "tiff";
    case Encoder::Png:
    default:
        return "png";
    }
}

} // namespace

std::optional<QByteArray> encodeImage(const QImage& image, Encoder encoder) {
    if (encoder == Encoder::Gif) return encodeGif(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, qtFormatName(encoder));
    // Quality is a JPEG notion: for PNG Qt reads 100 as "no compression at all".
    if (encoder == Encoder::Jpeg) writer.setQuality(kJpegQuality);
    if (encoder == Encoder::Tiff) writer.setCompression(kTiffLzw);
    if (!writer.write(image)) return std::nullopt;
    return bytes;
}

} // namespace folia
