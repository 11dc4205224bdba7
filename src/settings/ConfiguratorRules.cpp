#include "ConfiguratorRules.h"

#include "common/Cp1252.h"

namespace folia {
namespace {

constexpr int16_t kSmallestSize = 9;
constexpr int16_t kLargestSize = 12;
constexpr qsizetype kLongestFooter = 99;

QByteArray footerText(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return toCp1252(text).left(kLongestFooter);
}

bool complete(const FooterSettings& footer) {
    return footer.enabled != 1 || !footer.text.isEmpty();
}

} // namespace

QStringList fontSizeEntries() {
    QStringList entries;
    for (int size = kSmallestSize; size <= kLargestSize; ++size)
        entries.append(QStringLiteral("%1").arg(size, 2, 10, QLatin1Char('0')));
    return entries;
}

int fontSizeEntry(int16_t size) {
    if (size < kSmallestSize || size > kLargestSize) return -1;
    return size - kSmallestSize;
}

int16_t fontSizeOfEntry(int entry, int16_t stored) {
    if (entry < 0 || entry > kLargestSize - kSmallestSize) return stored;
    return int16_t(kSmallestSize + entry);
}

ConfiguratorEnabling configuratorEnabling(const Settings& settings) {
    ConfiguratorEnabling enabling;
    enabling.footer1 = settings.footer1.enabled == 1;
    enabling.footer2 = settings.footer2.enabled == 1;
    enabling.pageNumber = settings.pageNumber.enabled == 1;
    enabling.romanCase = enabling.pageNumber && settings.pageNumber.numeralSystem == 2;
    return enabling;
}

void takeConfiguratorEntries(Settings& settings, const ConfiguratorEntries& entries) {
    settings.footer1.text = footerText(entries.footer1Text);
    settings.footer2.text = footerText(entries.footer2Text);
    settings.footer1.fontSize =
        fontSizeOfEntry(entries.footer1SizeEntry, settings.footer1.fontSize);
    settings.footer2.fontSize =
        fontSizeOfEntry(entries.footer2SizeEntry, settings.footer2.fontSize);
    settings.pageNumber.fontSize =
        fontSizeOfEntry(entries.pageNumberSizeEntry, settings.pageNumber.fontSize);
}

bool footersComplete(const Settings& settings) {
    return complete(settings.footer1) && complete(settings.footer2);
}

} // namespace folia
