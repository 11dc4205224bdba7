#include "SearchFolding.h"

#include "common/Cp1252.h"

#include <QString>

namespace folia {

char16_t foldForSearch(char16_t character, bool matchCase) {
    QChar folded(character);
    // Canonical decompositions nest ("ǖ" is "ü" and a macron): keep the base letter.
    while (folded.decompositionTag() == QChar::Canonical)
        folded = folded.decomposition().at(0);
    return matchCase ? folded.unicode() : folded.toLower().unicode();
}

namespace {

ByteFolding makeByteFolding(bool matchCase) {
    ByteFolding folding;
    for (int byte = 0; byte < 256; ++byte) {
        const QString folded(QChar(foldForSearch(cp1252ToUnicode(uchar(byte)), matchCase)));
        // The base and the lower case of a Windows-1252 letter are Windows-1252 letters.
        folding[byte] = fitsCp1252(folded) ? toCp1252(folded).at(0) : char(byte);
    }
    return folding;
}

} // namespace

const ByteFolding& byteFolding(bool matchCase) {
    static const ByteFolding exact = makeByteFolding(true);
    static const ByteFolding anyCase = makeByteFolding(false);
    return matchCase ? exact : anyCase;
}

std::optional<QByteArray> foldQuery(QStringView query, bool matchCase) {
    QString folded(query.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < query.size(); ++i)
        folded[i] = QChar(foldForSearch(query[i].unicode(), matchCase));
    if (!fitsCp1252(folded)) return std::nullopt;
    return toCp1252(folded);
}

} // namespace folia
