#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

namespace folia::layers {

// A folder and the folders it may use.
struct Layer {
    QString folder;
    QStringList uses;
};

// The table of allowed arrows between the folders of src/ and apps/, lowest layer first.
class LayerTable {
public:
    // One folder a line, followed by the folders it may use; '#' starts a comment.
    static LayerTable parse(const QString& text);

    const std::vector<Layer>& layers() const { return m_layers; }
    bool contains(const QString& folder) const;
    // A folder may always use itself.
    bool mayUse(const QString& from, const QString& to) const;
    // Every folder reached from `folder` through the arrows, `folder` itself left out.
    QSet<QString> reachableFrom(const QString& folder) const;

    // Rows that break the table's own rule: a folder listed twice, or using a folder that
    // is not listed above it (an arrow pointing up, or to nothing).
    QStringList faults() const;

    // The library a folder builds (src_view for view, src_ui_folia for ui/folia) or, for a
    // program's folder, the program's target (apps/folia-english gives folia_english).
    static QString targetOf(const QString& folder);

private:
    const Layer* find(const QString& folder) const;

    std::vector<Layer> m_layers;
};

} // namespace folia::layers
