#include "FormattedFile.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "editor/LineLayout.h"

namespace folia {

QByteArray formattedBytes(QStringView text) {
    // Windows-1252 has one byte per character, so display line offsets index the bytes.
    const QByteArray bytes = toCp1252(text.toString());
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 40 + 2);
    forEachDisplayLine(text, [&](const DisplayLine& line) {
        out.append(bytes.constData() + line.start, line.length);
        out.append("\r\n", 2);
    });
    return out;
}

WriteResult writeFormattedFile(const QString& path, QStringView text) {
    return writeFileAtomically(path, formattedBytes(text));
}

} // namespace folia
