#include "PlainTextFile.h"

#include "common/AtomicFile.h"
#include "common/Cp1252.h"
#include "common/RegularFile.h"

#include <QFile>
#include <QFileInfo>

namespace folia {

QString textFromPlainBytes(const QByteArray& bytes) {
    const QString decoded = fromCp1252(bytes);
    QString text;
    text.reserve(decoded.size() + 1);
    qsizetype lineStart = 0;
    const qsizetype size = decoded.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = decoded[i];
        if (c != u'\r' && c != u'\n') continue;
        text += QStringView(decoded).mid(lineStart, i - lineStart);
        text += u'\n';
        if (c == u'\r' && i + 1 < size && decoded[i + 1] == u'\n') ++i;
        lineStart = i + 1;
    }
    // The last line may lack its end; an empty file still reads as one empty line.
    if (lineStart < size || size == 0) {
        text += QStringView(decoded).mid(lineStart);
        text += u'\n';
    }
    return text;
}

PlainText readPlainText(const QString& path) {
    QFile file(path);
    // A read error ends the reading: what was read so far is the text.
    const QByteArray bytes = openRegularFileForReading(file) ? file.readAll() : QByteArray();
    const Cp1252Text converted = toCp1252Text(bytes);
    return {textFromPlainBytes(converted.bytes), converted.replacedCharacters};
}

QByteArray plainBytesToAppend(const QString& text, TextEncoding encoding) {
    QString withCrLf = text;
    withCrLf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    withCrLf += QLatin1String("\r\n");
    return encodeText(fromCp1252(toCp1252(withCrLf)), encoding);
}

WriteResult appendPlainText(const QString& path, const QString& text) {
    const QFileInfo info(path);
    QByteArray existing;
    if (info.exists()) {
        // Never replace a file that could not be read back first, nor one the user
        // protected against writing.
        if (!info.isFile()) return {WriteFailure::NotARegularFile, 0, {}};
        if (!info.isWritable()) return {WriteFailure::AccessDenied, 0, {}};
        QFile file(path);
        if (!openRegularFileForReading(file)) return {WriteFailure::Other, 0, file.errorString()};
        existing = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return {WriteFailure::Other, 0, file.errorString()};
    }
    const QByteArray added = plainBytesToAppend(text, detectEncoding(existing));
    return writeFileAtomically(path, [&](const AppendBytes& append) {
        return append(existing.constData(), existing.size()) &&
               append(added.constData(), added.size());
    });
}

} // namespace folia
