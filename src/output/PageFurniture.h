#pragma once

#include <QImage>
#include <QString>

class QPainter;

namespace folia {

struct Settings;
struct PageNumberSettings;
struct TextSet;

// Label rows below the 65 text rows of a page.
inline constexpr int kFooter1Top = 1040;    // row 66
inline constexpr int kFooter2Top = 1056;    // row 67
inline constexpr int kPageNumberTop = 1072; // row 68
inline constexpr int kLabelLeft = 24;       // the first text column

// The page-number label: the number in decimal or in Roman numerals (upper or lower
// case), after "Page " when the settings ask for it.
QString pageNumberText(int pageNumber, const PageNumberSettings& settings, const TextSet& texts);

// Draws what stands around the text of a page: the 1-pixel frame on screen only, the two
// footers and the page number, each when switched on.
void drawPageFurniture(QImage& page, int pageNumber, const Settings& settings, const TextSet& texts,
                       bool screenMode);
// The footers and the page number alone, as every output device shows them.
void drawPageLabels(QPainter& painter, int pageNumber, const Settings& settings,
                    const TextSet& texts);

} // namespace folia
