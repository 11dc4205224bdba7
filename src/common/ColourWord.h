#pragma once

#include <QColor>
#include <cstdint>

namespace folia {

// Colours are kept as 0x00BBGGRR words: red in the low byte.
inline constexpr uint32_t kWhiteWord = 0xFFFFFF;  // 16777215
inline constexpr uint32_t kSilverWord = 0xC0C0C0; // 12632256

inline QColor colourOf(uint32_t word) {
    return QColor(int(word & 0xFF), int((word >> 8) & 0xFF), int((word >> 16) & 0xFF));
}

inline uint32_t colourWordOf(const QColor& colour) {
    return uint32_t(colour.red()) | uint32_t(colour.green()) << 8 | uint32_t(colour.blue()) << 16;
}

} // namespace folia
