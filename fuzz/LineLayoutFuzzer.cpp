// Any text in the editor's box: its display lines must cover the text in order, none
// wider than a FOLIA row, leaving out only the blanks at a wrap and the hard breaks;
// the formatted file must hold exactly those lines; and an edit in a long paragraph must
// leave the rows a fresh layout gives.

#include "FuzzSupport.h"
#include "common/Cp1252.h"
#include "editor/FormattedFile.h"
#include "editor/LineLayout.h"
#include "editor/WrappedText.h"

#include <algorithm>
#include <cstring>

using namespace folia;

namespace {

bool isHardBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == QChar(0x2028) || c == QChar(0x2029);
}

// What a wrap may leave off a row: blanks (hanging spaces, a tab that went past the
// edge) and the spaces Unicode lets a line break after.
bool isBlank(QChar c) {
    return c.isSpace() && !isHardBreak(c);
}

// The first byte picks how the rest becomes text: Windows-1252 bytes as the editor reads
// files, or UTF-16 as anything pasted into the box may be.
QString textOf(const uint8_t* data, size_t size) {
    if (size == 0) return {};
    if (data[0] & 1) {
        QString text(qsizetype((size - 1) / 2), Qt::Uninitialized);
        std::memcpy(text.data(), data + 1, size_t(text.size()) * 2); // the input is not aligned
        return text;
    }
    return fromCp1252(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
}

// The characters between two display lines: blanks, then at most one hard break
// (CR LF counting as one), which must be the last thing before the next line.
void checkGap(const QString& text, qsizetype from, qsizetype to, bool last) {
    qsizetype i = from;
    while (i < to && isBlank(text[i]))
        ++i;
    if (i == to) return;
    fuzz::check(!last, "only blanks follow the last display line");
    fuzz::check(isHardBreak(text[i]), "a row leaves out only blanks and a hard break");
    if (text[i] == u'\r' && i + 1 < to && text[i + 1] == u'\n') ++i;
    fuzz::check(i + 1 == to, "a hard break starts the next row");
}

// The text as one paragraph long enough (over 1,024 characters) that the box lays it out
// again only around an edit: its hard breaks left out, the rest repeated.
QString longParagraphOf(const QString& text) {
    QString paragraph = text;
    paragraph.removeIf(isHardBreak);
    if (paragraph.isEmpty()) return {};
    const QString once = paragraph;
    while (paragraph.size() <= 1200)
        paragraph += once;
    return paragraph;
}

// An edit in the box, somewhere the text itself picks, must leave the rows a fresh
// layout of the edited text gives.
void checkEditKeepsAFreshLayout(const QString& text) {
    const QString paragraph = longParagraphOf(text);
    if (paragraph.isEmpty()) return;
    const qsizetype size = paragraph.size();
    const qsizetype start = (qsizetype(text[0].unicode()) * 131 + text.size() * 17) % size;
    const qsizetype end = std::min(size, start + qsizetype(text.back().unicode() % 8));
    const QString inserted = paragraph.mid(qsizetype(text.size() / 2), text.size() % 5);
    WrappedText box;
    box.setText(paragraph);
    box.replace(start, end, inserted);
    QList<DisplayLine> kept;
    box.forEachRow([&kept](const DisplayLine& line) { kept.append(line); });
    fuzz::check(kept == displayLines(box.text()), "an edit keeps the rows of a fresh layout");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = textOf(data, size);
    const QList<DisplayLine> lines = displayLines(text);
    fuzz::check(!lines.isEmpty(), "every text has a display line");
    fuzz::check(countDisplayLines(text) == lines.size(), "the count is the number of lines");
    fuzz::check(lines.front().start == 0, "the first row starts the text");

    qsizetype end = 0;
    qsizetype hardBreaks = 0;
    for (qsizetype i = 0; i < text.size(); ++i)
        hardBreaks += isHardBreak(text[i]) &&
                      !(text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n');
    fuzz::check(lines.size() >= hardBreaks + 1, "every hard break starts a row");
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const DisplayLine& line = lines[k];
        fuzz::check(line.length >= 0 && line.length <= kRowColumns,
                    "no row is wider than 93 columns");
        fuzz::check(line.start >= end && line.start + line.length <= text.size(),
                    "rows follow one another inside the text");
        if (k > 0) checkGap(text, end, line.start, false);
        for (qsizetype i = line.start; i < line.start + line.length; ++i)
            fuzz::check(!isHardBreak(text[i]), "no row holds a hard break");
        fuzz::check(k == 0 || line.start > lines[k - 1].start, "every row moves the layout on");
        end = line.start + line.length;
    }
    checkGap(text, end, text.size(), true);

    QByteArray expected;
    const QByteArray bytes = toCp1252(text);
    for (const DisplayLine& line : lines)
        expected += bytes.mid(line.start, line.length) + "\r\n";
    fuzz::check(formattedBytes(text) == expected, "the formatted file holds the display lines");
    checkEditKeepsAFreshLayout(text);
    return 0;
}
