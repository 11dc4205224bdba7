#include "LenientNumber.h"

#include <cmath>
#include <limits>

namespace folia {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

template <typename Int> Int saturate(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value); // default rounding mode: halves to even
    if (rounded <= double(std::numeric_limits<Int>::min())) return std::numeric_limits<Int>::min();
    if (rounded >= double(std::numeric_limits<Int>::max())) return std::numeric_limits<Int>::max();
    return static_cast<Int>(rounded);
}

} // namespace

double lenientValue(const char* text, qsizetype length) {
    qsizetype i = 0;
    while (i < length && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < length && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    double value = 0;
    bool anyDigit = false;
    for (; i < length && isDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        anyDigit = true;
    }
    if (i < length && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < length && isDigit(text[i]); ++i, scale /= 10) {
            value += (text[i] - '0') * scale;
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0;
    return negative ? -value : value;
}

int32_t saturateToInt32(double value) {
    return saturate<int32_t>(value);
}
int16_t saturateToInt16(double value) {
    return saturate<int16_t>(value);
}

int32_t lenientInt32(const QByteArray& text) {
    return saturateToInt32(lenientValue(text));
}
int16_t lenientInt16(const QByteArray& text) {
    return saturateToInt16(lenientValue(text));
}

} // namespace folia
