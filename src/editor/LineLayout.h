#pragma once

#include <QList>
#include <QStringView>
#include <functional>

namespace folia {

// A FOLIA row holds 93 characters; the editor wraps its text at that width so that what
// the box shows is what FOLIA will import.
inline constexpr qsizetype kRowColumns = 93;
inline constexpr qsizetype kLinesPerPage = 66;

// One row of the wrapped text: where it starts in the text and how many characters it
// writes (the spaces at a soft wrap are not among them, see LineLayout.cpp).
struct DisplayLine {
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const DisplayLine&, const DisplayLine&) = default;
};

// Hard line breaks may be LF, CR LF, CR, or the paragraph and line separators that the
// text widget uses internally; each counts as one break.
void forEachDisplayLine(QStringView text, const std::function<void(const DisplayLine&)>& visit);
QList<DisplayLine> displayLines(QStringView text);
// An empty text is one (empty) display line.
qsizetype countDisplayLines(QStringView text);
inline qsizetype fullPages(qsizetype lineCount) {
    return lineCount / kLinesPerPage;
}

} // namespace folia
