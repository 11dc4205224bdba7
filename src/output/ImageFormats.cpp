#include "ImageFormats.h"

#include "settings/Settings.h"

#include <array>

namespace folia {
namespace {

struct EncoderEntry {
    Encoder encoder;
    const char* mimeType;
};

constexpr std::array<EncoderEntry, 5> kEncoders{{
    {Encoder::Bmp, "image/bmp"},
    {Encoder::Jpeg, "image/jpeg"},
    {Encoder::Gif, "image/gif"},
    {Encoder::Tiff, "image/tiff"},
    {Encoder::Png, "image/png"},
}};

} // namespace

QString extensionForFormat(int32_t formatCode) {
    switch (formatCode) {
    case FormatPng:
        return QStringLiteral(".png");
    case FormatJpg:
        return QStringLiteral(".jpg");
    case FormatTif:
        return QStringLiteral(".tif");
    case FormatBmp:
        return QStringLiteral(".bmp");
    case FormatGif:
        return QStringLiteral(".gif");
    default:
        return QString();
    }
}

QString mimeTypeForExtension(const QString& extension) {
    const QString lower = extension.toLower();
    if (lower == QLatin1String(".png")) return QStringLiteral("image/png");
    if (lower == QLatin1String(".jpg")) return QStringLiteral("image/jpeg");
    if (lower == QLatin1String(".gif")) return QStringLiteral("image/gif");
    if (lower == QLatin1String(".tif")) return QStringLiteral("image/tiff");
    if (lower == QLatin1String(".bmp")) return QStringLiteral("image/bmp");
    return QString();
}

std::optional<Encoder> findEncoder(const QString& mimeType) {
    const QString wanted = mimeType.toUpper();
    for (const EncoderEntry& entry : kEncoders)
        if (QString::fromLatin1(entry.mimeType).toUpper().contains(wanted)) return entry.encoder;
    return std::nullopt;
}

} // namespace folia
