#pragma once

#include <QString>
#include <QStringList>

namespace folia {

struct PrintSettings;
struct TextSet;

// The logic of the "Configure printing" dialog: its three lists, the entries selected
// from the settings, and what "Continue" stores.
class PrintConfigurationForm {
public:
    PrintConfigurationForm(PrintSettings& settings, const TextSet& texts, QString printerName);

    QStringList copiesEntries() const;
    QStringList colourModeEntries() const;
    QStringList qualityEntries() const;
    // The entry to select on opening, or -1 when the stored value matches none.
    int selectedCopies() const;
    int selectedColourMode() const;
    int selectedQuality() const;
    // The default printer's name, empty when there is none.
    const QString& printerName() const { return m_printerName; }

    // "Continue" with the texts of the selected entries: the copies are the number of
    // the first two characters, the modes the number of the first one. A list without
    // a selection leaves its setting as it was.
    void accept(const QString& copies, const QString& colourMode, const QString& quality);

private:
    PrintSettings& m_settings;
    const TextSet& m_texts;
    QString m_printerName;
};

} // namespace folia
