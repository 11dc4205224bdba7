#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace folia {

// The image encoders of the codec service, in the order it lists them.
enum class Encoder { Bmp, Jpeg, Gif, Tiff, Png };

// ".png", ".jpg", ".tif", ".bmp" or ".gif" for the stored format codes; nothing for any
// other code.
QString extensionForFormat(int32_t formatCode);

// The MIME type of an extension (compared in lower case); empty for an unknown one.
QString mimeTypeForExtension(const QString& extension);

// The first encoder whose MIME type contains `mimeType`, ignoring case. An empty MIME
// type is contained in every one, so it selects the first encoder of the list.
std::optional<Encoder> findEncoder(const QString& mimeType);

} // namespace folia
