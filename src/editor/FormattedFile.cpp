#include "FormattedFile.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"

namespace folia {

QByteArray formattedBytes(QStringView text) {
    return formattedBytes(
        text, [text](const DisplayLineVisit& visit) { forEachDisplayLine(text, visit); });
}

QByteArray formattedBytes(QStringView text, const DisplayLineWalk& lines) {
    // Windows-1252 has one byte per character, so display line offsets index the bytes.
    const QByteArray bytes = toCp1252(text.toString());
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 40 + 2);
    lines([&](const DisplayLine& line) {
        out.append(bytes.constData() + line.start, line.length);
        out.append("\r\n", 2);
    });
    return out;
}

WriteResult writeFormattedFile(const QString& path, QStringView text) {
    return writeFileAtomically(path, formattedBytes(text));
}

WriteResult writeFormattedFile(const QString& path, QStringView text,
                               const DisplayLineWalk& lines) {
    return writeFileAtomically(path, formattedBytes(text, lines));
}

} // namespace folia
