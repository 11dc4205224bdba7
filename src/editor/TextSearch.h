#pragma once

#include <QString>

namespace folia {

struct SearchOptions {
    bool down = true;
    bool matchCase = false;
    bool wholeWord = false;
    friend bool operator==(const SearchOptions&, const SearchOptions&) = default;
};

// The editor's lower-case mapping: the 8-bit one of Windows-1252 (accented capitals,
// Š Œ Ž Ÿ included), Unicode's for other characters. It keeps the length.
QChar foldCase(QChar c);
QString foldCase(QStringView text);

// The 36 characters that end a word for the whole-word option; every other character
// (tab, CR and LF among them) belongs to a word.
bool isWordDelimiter(QChar c);

// The search routine over one text. Positions follow the find-and-replace convention:
// `searchFrom(p)` accepts, searching down, the first occurrence whose 0-based start is
// at least p; searching up, the last one that ends (exclusive) at p - 1 or before.
// It returns the 1-based start of the accepted occurrence, or 0.
class TextSearch {
public:
    TextSearch(QStringView text, QStringView find, SearchOptions options);
    qsizetype searchFrom(qsizetype p) const;
    qsizetype findLength() const { return m_find.size(); }

private:
    QStringView m_text;
    QString m_foldedText;
    QString m_find;
    SearchOptions m_options;
};

struct ReplaceAllResult {
    QString text;
    qsizetype count = 0;
    qsizetype lastStart = 0; // 0-based start of the last text put in, in the new text
};

// Replaces every occurrence from the caret on in the search direction, in one pass: the
// text is rebuilt once, whatever the number of matches. Searching down resumes after
// each inserted text, so a replacement that contains the find text cannot loop.
// `start` is the caret (the selection start).
ReplaceAllResult replaceAll(const QString& text, qsizetype start, const QString& find,
                            const QString& replacement, SearchOptions options);

} // namespace folia
