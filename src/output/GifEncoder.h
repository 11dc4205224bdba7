#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

namespace folia {

// The bytes of a GIF file holding `image`. A page of up to 256 colours is stored as an
// 8-bit indexed image and reads back pixel for pixel; an image with more colours (a
// photograph on the page) is reduced to 256 first. Nothing when encoding fails.
std::optional<QByteArray> encodeGif(const QImage& image);

} // namespace folia
