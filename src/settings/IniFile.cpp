#include "IniFile.h"

#include "common/RegularFile.h"

#include <QByteArrayView>
#include <QFile>

namespace folia {
namespace {

// The helpers look at views of the lines: a section is searched once for every key read
// or written, and copying each line it passes would cost more than the search.
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

// Index of the first "key=value" line with that key, or -1.
qsizetype findKey(const QList<QByteArray>& lines, QByteArrayView key) {
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (sameName(keyName(lines[i]), key)) return i;
    return -1;
}

// One past the last line that is not blank: what is added goes before trailing blank
// lines, which stay between the section and the next.
qsizetype endOfKeys(const QList<QByteArray>& lines) {
    qsizetype end = lines.size();
    while (end > 0 && trimmedView(lines[end - 1]).isEmpty())
        --end;
    return end;
}

} // namespace

IniFile IniFile::fromBytes(const QByteArray& bytes) {
    IniFile ini;
    for (const QByteArray& line : splitLines(bytes)) {
        if (isSectionLine(line))
            ini.m_sections.append(Section{line, sectionName(line).toByteArray(), {}});
        else
            (ini.m_sections.isEmpty() ? ini.m_linesBeforeSections : ini.m_sections.last().lines)
                .append(line);
    }
    return ini;
}

IniFile IniFile::load(const QString& path) {
    QFile file(path);
    if (!openRegularFileForReading(file)) return {};
    return fromBytes(file.readAll());
}

qsizetype IniFile::findSection(QByteArrayView name) const {
    for (qsizetype i = 0; i < m_sections.size(); ++i)
        if (sameName(m_sections[i].name, name)) return i;
    return -1;
}

QByteArray IniFile::value(QByteArrayView section, QByteArrayView key,
                          const QByteArray& defaultValue) const {
    const qsizetype found = findSection(section);
    const qsizetype keyLine = found < 0 ? -1 : findKey(m_sections[found].lines, key);
    if (keyLine < 0) return defaultValue.left(kReadBufferSize - 1);
    const QByteArray& line = m_sections[found].lines[keyLine];
    return line.mid(line.indexOf('=') + 1).trimmed().left(kReadBufferSize - 1);
}

void IniFile::setValue(QByteArrayView section, QByteArrayView key, const QByteArray& value) {
    const auto line = [&] { return key.toByteArray() + '=' + value; };
    const qsizetype found = findSection(section);
    if (found < 0) {
        const QByteArray header = '[' + section.toByteArray() + ']';
        m_sections.append(Section{header, sectionName(header).toByteArray(), {line()}});
        return;
    }
    QList<QByteArray>& lines = m_sections[found].lines;
    const qsizetype keyLine = findKey(lines, key);
    if (keyLine >= 0) {
        // The key keeps its spelling in the file; only the value changes.
        const QByteArray& old = lines[keyLine];
        lines[keyLine] = old.left(old.indexOf('=') + 1) + value;
        return;
    }
    lines.insert(endOfKeys(lines), line());
}

QByteArray IniFile::toBytes() const {
    QByteArray bytes;
    const auto addLine = [&bytes](const QByteArray& line) {
        bytes += line;
        bytes += "\r\n";
    };
    for (const QByteArray& line : m_linesBeforeSections)
        addLine(line);
    for (const Section& section : m_sections) {
        addLine(section.header);
        for (const QByteArray& line : section.lines)
            addLine(line);
    }
    return bytes;
}

WriteResult IniFile::save(const QString& path) const {
    return writeFileAtomically(path, toBytes());
}

} // namespace folia
