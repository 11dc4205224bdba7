#pragma once

#include "ImageFormats.h"

#include <QByteArray>
#include <QImage>
#include <optional>

namespace folia {

// The bytes of an image file in the encoder's format: JPEG at quality 100, PNG at its
// normal compression, TIFF with lossless LZW compression. Nothing when encoding fails.
// Safe to call from worker threads.
std::optional<QByteArray> encodeImage(const QImage& image, Encoder encoder);

} // namespace folia
