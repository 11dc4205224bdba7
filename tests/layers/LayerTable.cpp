#include "LayerTable.h"

#include <QRegularExpression>

namespace folia::layers {

LayerTable LayerTable::parse(const QString& text) {
    LayerTable table;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QStringList words =
            line.section(QLatin1Char('#'), 0, 0)
                .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (words.isEmpty()) continue;
        table.m_layers.push_back({words.front(), words.mid(1)});
    }
    return table;
}

const Layer* LayerTable::find(const QString& folder) const {
    for (const Layer& layer : m_layers)
        if (layer.folder == folder) return &layer;
    return nullptr;
}

bool LayerTable::contains(const QString& folder) const {
    return find(folder) != nullptr;
}

bool LayerTable::mayUse(const QString& from, const QString& to) const {
    if (from == to) return true;
    const Layer* layer = find(from);
    return layer && layer->uses.contains(to);
}

QSet<QString> LayerTable::reachableFrom(const QString& folder) const {
    QSet<QString> reached;
    QStringList pending{folder};
    while (!pending.isEmpty()) {
        const Layer* layer = find(pending.takeLast());
        if (!layer) continue;
        for (const QString& used : layer->uses)
            if (!reached.contains(used)) {
                reached.insert(used);
                pending.append(used);
            }
    }
    return reached;
}

QStringList LayerTable::faults() const {
    QStringList faults;
    QSet<QString> above;
    for (const Layer& layer : m_layers) {
        if (above.contains(layer.folder))
            faults << layer.folder + QStringLiteral(" is listed twice");
        for (const QString& used : layer.uses)
            if (!above.contains(used))
                faults << layer.folder + QStringLiteral(" uses ") + used +
                              QStringLiteral(", which is not listed above it");
        above.insert(layer.folder);
    }
    return faults;
}

QString LayerTable::targetOf(const QString& folder) {
    if (folder.startsWith(QStringLiteral("apps/")))
        return folder.mid(5).replace(QLatin1Char('-'), QLatin1Char('_'));
    return QStringLiteral("src_") + QString(folder).replace(QLatin1Char('/'), QLatin1Char('_'));
}

} // namespace folia::layers
