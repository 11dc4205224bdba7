#include "PrintConfigurationForm.h"

#include "common/Cp1252.h"
#include "common/LenientNumber.h"
#include "settings/Settings.h"
#include "text/TextSet.h"

namespace folia {
namespace {

constexpr int kMostCopiesEntry = 10; // the sixth entry, after 1..5

// Entry number `value` (1-based) of a list of `count` entries, as a 0-based index.
int entryFor(int value, int count) {
    return value >= 1 && value <= count ? value - 1 : -1;
}

void takeLeadingNumber(int32_t& setting, const QString& entry, int digits) {
    if (!entry.isEmpty()) setting = lenientInt32(toCp1252(entry.left(digits)));
}

} // namespace

PrintConfigurationForm::PrintConfigurationForm(PrintSettings& settings, const TextSet& texts,
                                               QString printerName)
    : m_settings(settings), m_texts(texts), m_printerName(std::move(printerName)) {}

QStringList PrintConfigurationForm::copiesEntries() const {
    const TextSet& t = m_texts;
    return {t.copies1, t.copies2, t.copies3, t.copies4, t.copies5, t.copies10};
}

QStringList PrintConfigurationForm::colourModeEntries() const {
    return {m_texts.monochrome, m_texts.colourMode2};
}

QStringList PrintConfigurationForm::qualityEntries() const {
    const TextSet& t = m_texts;
    return {t.draft, t.lowResolution, t.mediumResolution, t.highResolution};
}

int PrintConfigurationForm::selectedCopies() const {
    if (m_settings.copies == kMostCopiesEntry) return 5;
    return entryFor(m_settings.copies, 5);
}

int PrintConfigurationForm::selectedColourMode() const {
    return entryFor(m_settings.colourMode, 2);
}

int PrintConfigurationForm::selectedQuality() const {
    return entryFor(m_settings.quality, 4);
}

void PrintConfigurationForm::accept(const QString& copies, const QString& colourMode,
                                    const QString& quality) {
    takeLeadingNumber(m_settings.copies, copies, 2);
    takeLeadingNumber(m_settings.colourMode, colourMode, 1);
    takeLeadingNumber(m_settings.quality, quality, 1);
}

} // namespace folia
