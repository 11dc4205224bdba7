#include "IniFile.h"

#include "common/RegularFile.h"

#include <QByteArrayView>
#include <QFile>

namespace folia {
namespace {

// The helpers look at views of the lines: a settings file is searched once for every
// key read or written, and copying each line it passes would cost more than the search.
QByteArrayView trimmedView(const QByteArray& line) {
    return QByteArrayView(line).trimmed();
}

bool isSectionLine(const QByteArray& line) {
    const QByteArrayView trimmed = trimmedView(line);
    return trimmed.startsWith('[') && trimmed.indexOf(']') > 0;
}

QByteArrayView sectionName(const QByteArray& line) {
    const QByteArrayView trimmed = trimmedView(line);
    return trimmed.sliced(1, trimmed.indexOf(']') - 1).trimmed(); // a section line has one
}

bool isComment(QByteArrayView trimmed) {
    return trimmed.startsWith(';');
}

// The key of a "key=value" line, or an empty name for anything else.
QByteArrayView keyName(const QByteArray& line) {
    const QByteArrayView trimmed = trimmedView(line);
    const qsizetype equals = trimmed.indexOf('=');
    if (equals <= 0 || isComment(trimmed)) return {};
    return trimmed.first(equals).trimmed();
}

bool sameName(QByteArrayView a, QByteArrayView b) {
    return qstrnicmp(a.data(), a.size(), b.data(), b.size()) == 0;
}

QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.append(bytes.mid(start));
    return lines;
}

} // namespace

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile ini;
    ini.m_lines = splitLines(bytes);
    return ini;
}

IniFile IniFile::load(const QString& path) {
    QFile file(path);
    if (!openRegularFileForReading(file)) return {};
    return fromBytes(file.readAll());
}

qsizetype IniFile::findSection(const QByteArray& section) const {
    for (qsizetype i = 0; i < m_lines.size(); ++i)
        if (isSectionLine(m_lines[i]) && sameName(sectionName(m_lines[i]), section)) return i;
    return -1;
}

qsizetype IniFile::findKey(qsizetype sectionLine, const QByteArray& key) const {
    for (qsizetype i = sectionLine + 1; i < m_lines.size() && !isSectionLine(m_lines[i]); ++i)
        if (sameName(keyName(m_lines[i]), key)) return i;
    return -1;
}

qsizetype IniFile::endOfSection(qsizetype sectionLine) const {
    qsizetype end = sectionLine + 1;
    for (qsizetype i = sectionLine + 1; i < m_lines.size() && !isSectionLine(m_lines[i]); ++i)
        if (!trimmedView(m_lines[i]).isEmpty()) end = i + 1; // trailing blank lines stay after
    return end;
}

QByteArray IniFile::value(const QByteArray& section, const QByteArray& key,
                          const QByteArray& defaultValue) const {
    const qsizetype sectionLine = findSection(section);
    const qsizetype keyLine = sectionLine < 0 ? -1 : findKey(sectionLine, key);
    if (keyLine < 0) return defaultValue.left(kReadBufferSize - 1);
    const QByteArray& line = m_lines[keyLine];
    return line.mid(line.indexOf('=') + 1).trimmed().left(kReadBufferSize - 1);
}

void IniFile::setValue(const QByteArray& section, const QByteArray& key, const QByteArray& value) {
    const QByteArray line = key + '=' + value;
    qsizetype sectionLine = findSection(section);
    if (sectionLine < 0) {
        m_lines.append('[' + section + ']');
        m_lines.append(line);
        return;
    }
    const qsizetype keyLine = findKey(sectionLine, key);
    if (keyLine >= 0) {
        // The key keeps its spelling in the file; only the value changes.
        const QByteArray& old = m_lines[keyLine];
        m_lines[keyLine] = old.left(old.indexOf('=') + 1) + value;
        return;
    }
    m_lines.insert(endOfSection(sectionLine), line);
}

QByteArray IniFile::toBytes() const {
    QByteArray bytes;
    for (const QByteArray& line : m_lines)
        bytes += line + "\r\n";
    return bytes;
}

WriteResult IniFile::save(const QString& path) const {
    return writeFileAtomically(path, toBytes());
}

} // namespace folia
