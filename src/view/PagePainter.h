#pragma once

#include <cstdint>

class QImage;
class QPainter;

namespace folia {

class Document;
class PictureLoader;
struct PageLook;
struct Settings;
struct TextSet;

// What a page is drawn with besides its records: the settings in force (colours, guide,
// footers), the texts of the furniture and the colours that every start sets.
struct PageStyle {
    const Settings& settings;
    const TextSet& texts;
    uint32_t pageBackground;
    uint32_t guideFill;
};

// Draws page `page` of `document` onto a 794 x 1122 surface: pictures, marks, the row
// texts with their inline symbols and, when the look has the guide on, the reading-guide
// bar on its row, then the marks again on top and the page furniture (screen mode).
// Clears nothing. Pictures are loaded through `pictures`, which reports those that fail.
void paintPage(QImage& surface, const Document& document, int page, const PageLook& look,
               const PageStyle& style, PictureLoader& pictures);
// The page's content alone (no furniture) through a painter, on any device: the one
// drawing of a page for the screen, images, printing and PDF files.
void paintPage(QPainter& painter, const Document& document, int page, const PageLook& look,
               const PageStyle& style, PictureLoader& pictures);

// A guide bar gets a fresh outline at each drawing, kept in the look so that the same
// surface drawn again after it was dropped looks the same.
PageLook withOutline(PageLook look);

} // namespace folia
