#include "LayerCheck.h"

#include <QRegularExpression>
#include <QSet>

namespace folia::layers {
namespace {

QString arrow(const QString& from, const QString& to) {
    return from + QStringLiteral(" -> ") + to;
}

} // namespace

QStringList forbiddenIncludes(const LayerTable& table, const std::vector<Include>& includes) {
    QStringList forbidden;
    for (const Include& include : includes) {
        const QString from = folderOf(include.file);
        const QString to = folderOf(include.header);
        const QString where = include.file + QLatin1Char(':') + QString::number(include.line) +
                              QStringLiteral(" includes ") + include.header + QStringLiteral(": ");
        if (!table.contains(from))
            forbidden << where + from + QStringLiteral(" is not in the table of layers");
        else if (!table.mayUse(from, to))
            forbidden << where + from + QStringLiteral(" may not use ") + to;
    }
    return forbidden;
}

QStringList unusedArrows(const LayerTable& table, const std::vector<Include>& includes) {
    QSet<QString> followed;
    for (const Include& include : includes)
        followed.insert(arrow(folderOf(include.file), folderOf(include.header)));
    QStringList unused;
    for (const Layer& layer : table.layers())
        for (const QString& used : layer.uses)
            if (!followed.contains(arrow(layer.folder, used))) unused << arrow(layer.folder, used);
    return unused;
}

QStringList linkMismatches(const LayerTable& table, const QString& linked) {
    QHash<QString, QSet<QString>> linkedBy;
    for (const QString& line : linked.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QStringList words =
            line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const QString folder = words.takeFirst();
        QSet<QString>& libraries = linkedBy[folder];
        for (const QString& word : words)
            if (word.startsWith(QStringLiteral("src_"))) libraries.insert(word);
    }
    QStringList mismatches;
    for (const Layer& layer : table.layers()) {
        if (!linkedBy.contains(layer.folder)) {
            mismatches << layer.folder + QStringLiteral(" builds no target");
            continue;
        }
        QSet<QString> expected;
        for (const QString& used : layer.uses)
            expected.insert(LayerTable::targetOf(used));
        const QSet<QString>& actual = linkedBy[layer.folder];
        for (const QString& library : expected - actual)
            mismatches << LayerTable::targetOf(layer.folder) + QStringLiteral(" does not link ") +
                              library;
        for (const QString& library : actual - expected)
            mismatches << LayerTable::targetOf(layer.folder) + QStringLiteral(" links ") + library +
                              QStringLiteral(", which the table does not allow");
    }
    return mismatches;
}

} // namespace folia::layers
