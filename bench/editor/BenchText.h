#pragma once

#include <QString>
#include <QStringList>

namespace folia::bench {

// About `size` characters of prose in paragraphs of 1 to 1,200 characters. With
// `punctuated`, sentences carry hyphens, question marks and brackets, as real prose
// does; without, only letters, commas and full stops.
inline QString prose(qsizetype size, bool punctuated) {
    static const QStringList words = {"the",   "reader", "underlines", "a",       "page",
                                      "of",    "text",   "with",       "colours", "and",
                                      "notes", "while",  "FOLIA",      "keeps",   "every",
                                      "mark",  "in",     "its",        "cache",   "file"};
    static const QStringList marks = {"well-known", "(aside)", "why?", "yes!", "e-mail"};
    QString text;
    text.reserve(size + 1300);
    quint32 seed = 12345;
    const auto next = [&seed](quint32 bound) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 8) % bound;
    };
    while (text.size() < size) {
        const qsizetype paragraphEnd = text.size() + 1 + next(1200);
        while (text.size() < paragraphEnd) {
            text += (punctuated && next(12) == 0) ? marks[next(5)] : words[next(20)];
            text += next(9) == 0 ? QStringLiteral(", ") : QStringLiteral(" ");
        }
        text += QStringLiteral(".\n");
    }
    text.truncate(size);
    return text;
}

} // namespace folia::bench
