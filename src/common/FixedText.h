#pragma once

#include <QByteArray>

namespace folia {

// Stored texts sit in fields of fixed capacity (terminator included): a text is cut
// silently at capacity minus one characters.
inline QByteArray cutToCapacity(const QByteArray& text, qsizetype capacity) {
    return capacity <= 0 ? QByteArray() : text.left(capacity - 1);
}

} // namespace folia
