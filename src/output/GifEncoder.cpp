#include "GifEncoder.h"

#include <gif_lib.h>

#include <QList>
#include <unordered_map>

namespace folia {
namespace {

constexpr int kPaletteSize = 256;

// The image as palette indices, when it has at most 256 colours.
std::optional<QImage> exactlyIndexed(const QImage& rgb) {
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    std::unordered_map<QRgb, uchar> indexOf;
    QRgb lastColour = 0;
    uchar lastIndex = 0;
    bool haveLast = false;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* source = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* target = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = source[x] | 0xFF000000u;
            if (!haveLast || colour != lastColour) {
                auto found = indexOf.find(colour);
                if (found == indexOf.end()) {
                    if (palette.size() == kPaletteSize) return std::nullopt;
                    found = indexOf.emplace(colour, uchar(palette.size())).first;
                    palette.append(colour);
                }
                lastColour = colour;
                lastIndex = found->second;
                haveLast = true;
            }
            target[x] = lastIndex;
        }
    }
    indexed.setColorTable(palette);
    return indexed;
}

int appendToBuffer(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

bool writeIndexed(const QImage& indexed, QByteArray& out) {
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendToBuffer, &error);
    if (!gif) return false;
    ColorMapObject* map = GifMakeMapObject(kPaletteSize, nullptr);
    bool ok = map != nullptr;
    if (ok) {
        const QList<QRgb> table = indexed.colorTable();
        for (int i = 0; i < kPaletteSize; ++i) {
            const QRgb colour = i < table.size() ? table[i] : 0;
            map->Colors[i] = GifColorType{GifByteType(qRed(colour)), GifByteType(qGreen(colour)),
                                          GifByteType(qBlue(colour))};
        }
        const int width = indexed.width();
        const int height = indexed.height();
        ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < height; ++y)
            ok = EGifPutLine(gif, const_cast<GifPixelType*>(indexed.constScanLine(y)), width) ==
                 GIF_OK;
        GifFreeMapObject(map);
    }
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

} // namespace

std::optional<QByteArray> encodeGif(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::optional<QImage> indexed = exactlyIndexed(rgb);
    if (!indexed) indexed = rgb.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QByteArray bytes;
    if (!writeIndexed(*indexed, bytes)) return std::nullopt;
    return bytes;
}

} // namespace folia
