#pragma once

#include <QByteArray>
#include <cstdint>

namespace folia {

// Numbers read back from files and mark lists are converted leniently: leading blanks
// (space, tab, CR, LF) are skipped, an optional sign, digits and an optional fraction
// are taken, and the conversion stops at the first character that is not part of the
// number. Nothing numeric gives 0.

// The value as a double (what was read, before any rounding).
double lenientValue(const char* text, qsizetype length);
inline double lenientValue(const QByteArray& text) {
    return lenientValue(text.constData(), text.size());
}

// Rounded to the nearest integer (halves to even) and saturated at the type's range:
// a value beyond it never wraps.
int32_t lenientInt32(const QByteArray& text);
int16_t lenientInt16(const QByteArray& text);

// Saturating conversion of a double to the integer range, halves rounded to even.
int32_t saturateToInt32(double value);
int16_t saturateToInt16(double value);

} // namespace folia
