#include "TextSearch.h"

#include <array>
#include <vector>

namespace folia {
namespace {

constexpr std::array<char16_t, 36> kDelimiters = {
    0xBF, 0xA1, u'!', u'"', u'#',  0xA4, u'%', u'&', u'/', u'(', u')', u'=',
    u'?', u'`', 0xB4, u'|', u'@',  0xA3, u'$', u'{', u'[', u']', u'}', u'+',
    u'^', 0xA8, u'~', u'*', u'\'', u',', u';', u'.', u':', u'-', u'_', u' '};

// Absent (past either end) counts as a delimiter.
bool boundsWord(const QChar* c) {
    return c == nullptr || isWordDelimiter(*c);
}

// The routine itself, over any view of the text: `before(i)` and `after(i)` give the
// characters next to a candidate, which differ from the searched text's while Replace
// All rewrites it.
template <typename Before, typename After>
qsizetype runSearch(QStringView haystack, QStringView needle, const SearchOptions& options,
                    qsizetype p, const Before& before, const After& after) {
    const qsizetype n = needle.size();
    if (n == 0) return 0;
    while (true) {
        qsizetype at = -1;
        if (options.down) {
            if (p < haystack.size()) at = haystack.indexOf(needle, std::max<qsizetype>(p, 0));
        } else if (p - 1 - n >= 0) {
            at = haystack.lastIndexOf(needle, p - 1 - n);
        }
        if (at < 0) return 0;
        p = at + 1;
        if (!options.wholeWord) return p;
        QChar b, a;
        const bool hasBefore = before(at, b);
        const bool hasAfter = after(at + n, a);
        if (boundsWord(hasBefore ? &b : nullptr) && boundsWord(hasAfter ? &a : nullptr)) return p;
    }
}

} // namespace

QChar foldCase(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return (u >= u'A' && u <= u'Z') ? QChar(u + 32) : c;
    switch (u) {
    case 0x0160:
        return QChar(0x0161); // Š
    case 0x0152:
        return QChar(0x0153); // Œ
    case 0x017D:
        return QChar(0x017E); // Ž
    case 0x0178:
        return QChar(0x00FF); // Ÿ
    default:
        break;
    }
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return QChar(u + 32);
    if (u < 0x100 || c.isSurrogate()) return c;
    return c.toLower();
}

QString foldCase(QStringView text) {
    QString folded(text.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = foldCase(text[i]);
    return folded;
}

bool isWordDelimiter(QChar c) {
    for (char16_t d : kDelimiters)
        if (c.unicode() == d) return true;
    return false;
}

TextSearch::TextSearch(QStringView text, QStringView find, SearchOptions options)
    : m_text(text), m_find(options.matchCase ? find.toString() : foldCase(find)),
      m_options(options) {
    if (!options.matchCase) m_foldedText = foldCase(text);
}

qsizetype TextSearch::searchFrom(qsizetype p) const {
    const QStringView haystack = m_options.matchCase ? m_text : QStringView(m_foldedText);
    const auto charAt = [this](qsizetype i, QChar& c) {
        if (i < 0 || i >= m_text.size()) return false;
        c = m_text[i];
        return true;
    };
    return runSearch(
        haystack, m_find, m_options, p, [&](qsizetype at, QChar& c) { return charAt(at - 1, c); },
        charAt);
}

namespace {

ReplaceAllResult replaceAllDown(const QString& text, QStringView haystack, QStringView needle,
                                qsizetype start, const QString& replacement,
                                const SearchOptions& options) {
    ReplaceAllResult result;
    QString& out = result.text;
    out.reserve(text.size() + text.size() / 8);
    qsizetype consumed = 0; // text before this is already in `out`
    // The rewritten text is out + text[consumed..]: the character before a candidate that
    // starts at `consumed` is the last one put out.
    const auto before = [&](qsizetype at, QChar& c) {
        if (at > consumed)
            c = text[at - 1];
        else if (!out.isEmpty())
            c = out.back();
        else
            return false;
        return true;
    };
    const auto after = [&](qsizetype i, QChar& c) {
        if (i >= text.size()) return false;
        c = text[i];
        return true;
    };
    for (qsizetype found = runSearch(haystack, needle, options, start, before, after); found != 0;
         found = runSearch(haystack, needle, options, consumed, before, after)) {
        const qsizetype at = found - 1;
        out += QStringView(text).mid(consumed, at - consumed);
        result.lastStart = out.size();
        out += replacement;
        consumed = at + needle.size();
        ++result.count;
    }
    if (result.count == 0) return result;
    out += QStringView(text).mid(consumed);
    return result;
}

ReplaceAllResult replaceAllUp(const QString& text, QStringView haystack, QStringView needle,
                              qsizetype start, const QString& replacement,
                              const SearchOptions& options) {
    // Occurrences are found from the caret backwards; nothing before the one being
    // examined has changed, only what follows it.
    std::vector<qsizetype> starts; // descending
    const qsizetype n = needle.size();
    const auto before = [&](qsizetype at, QChar& c) {
        if (at <= 0) return false;
        c = text[at - 1];
        return true;
    };
    const auto after = [&](qsizetype i, QChar& c) {
        // Walk over replaced occurrences that now start right here.
        for (auto it = starts.rbegin(); it != starts.rend() && *it <= i; ++it) {
            if (*it < i) continue;
            if (!replacement.isEmpty()) {
                c = replacement.front();
                return true;
            }
            i += n;
        }
        if (i >= text.size()) return false;
        c = text[i];
        return true;
    };
    for (qsizetype found = runSearch(haystack, needle, options, start, before, after); found != 0;
         found = runSearch(haystack, needle, options, found, before, after))
        starts.push_back(found - 1);

    ReplaceAllResult result;
    result.count = qsizetype(starts.size());
    if (starts.empty()) return result;
    QString& out = result.text;
    out.reserve(text.size() + qsizetype(starts.size()) * replacement.size());
    qsizetype consumed = 0;
    for (auto it = starts.rbegin(); it != starts.rend(); ++it) {
        out += QStringView(text).mid(consumed, *it - consumed);
        out += replacement;
        consumed = *it + n;
    }
    out += QStringView(text).mid(consumed);
    result.lastStart = starts.back();
    return result;
}

} // namespace

ReplaceAllResult replaceAll(const QString& text, qsizetype start, const QString& find,
                            const QString& replacement, SearchOptions options) {
    const QString folded = options.matchCase ? QString() : foldCase(text);
    const QString needle = options.matchCase ? find : foldCase(find);
    const QStringView haystack = options.matchCase ? QStringView(text) : QStringView(folded);
    return options.down ? replaceAllDown(text, haystack, needle, start, replacement, options)
                        : replaceAllUp(text, haystack, needle, start, replacement, options);
}

} // namespace folia
