#include "PageFurniture.h"

#include "RomanNumerals.h"
#include "TextBox.h"
#include "common/Cp1252.h"
#include "settings/Settings.h"
#include "text/TextSet.h"

#include <QPainter>

namespace folia {
namespace {

void drawFrame(QImage& page) {
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    // An aliased 1-pixel outline covers right() + 1: this lights the outermost pixels.
    painter.drawRect(0, 0, page.width() - 1, page.height() - 1);
}

void drawFooter(QPainter& painter, const FooterSettings& footer, int top) {
    if (footer.enabled == 0) return;
    const QFont font =
        labelFont(footer.fontSize, footer.bold == 1, footer.italic == 1, footer.underlined == 1);
    drawTextBox(painter, fromCp1252(footer.text), footer.alignment, kLabelLeft, top, font,
                Qt::black);
}

} // namespace

QString pageNumberText(int pageNumber, const PageNumberSettings& settings, const TextSet& texts) {
    QString number;
    if (settings.numeralSystem == 1)
        number = QString::number(pageNumber);
    else
        number =
            settings.romanCase == 1 ? romanNumeral(pageNumber) : romanNumeral(pageNumber).toLower();
    return settings.withPageWord != 0 ? texts.pageLabel + number : number;
}

void drawPageFurniture(QImage& page, int pageNumber, const Settings& settings, const TextSet& texts,
                       bool screenMode) {
    if (screenMode) drawFrame(page);
    QPainter painter(&page);
    drawPageLabels(painter, pageNumber, settings, texts);
}

void drawPageLabels(QPainter& painter, int pageNumber, const Settings& settings,
                    const TextSet& texts) {
    drawFooter(painter, settings.footer1, kFooter1Top);
    drawFooter(painter, settings.footer2, kFooter2Top);
    const PageNumberSettings& number = settings.pageNumber;
    if (number.enabled != 0)
        drawTextBox(painter, pageNumberText(pageNumber, number, texts), number.alignment,
                    kLabelLeft, kPageNumberTop, labelFont(number.fontSize), Qt::black);
}

} // namespace folia
