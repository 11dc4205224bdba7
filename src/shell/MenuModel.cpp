#include "MenuModel.h"

#include "CommandIds.h"
#include "settings/Settings.h"
#include "text/TextSet.h"

namespace folia {

std::vector<MenuPopup> foliaMenuBar(const TextSet& t, const Settings& s) {
    using namespace command;
    const MenuEntry separator;
    auto item = [](const QString& text, int id, int image, QList<QKeySequence> shortcuts = {}) {
        return MenuEntry{text, id, image, -1, std::move(shortcuts)};
    };
    auto swatch = [](const QString& text, int id, int32_t colour) {
        return MenuEntry{text, id, 0, int(colour & 0xFFFFFF), {}};
    };
    const ColourSettings& c = s.colours;
    return {
        {t.files,
         {item(t.newItem, New, 337, {Qt::CTRL | Qt::Key_N}), separator,
          item(t.saveImage, SaveImage, 338), item(t.exportPdf, ExportPdf, 338),
          item(t.exportMarks, ExportMarks, 0), separator, item(t.author, Author, 339), separator,
          item(t.exit, Exit, 340, {Qt::CTRL | Qt::Key_Q})}},
        {t.edit,
         {item(t.update, Update, 335), separator, item(t.undo, Undo, 336, {Qt::CTRL | Qt::Key_Z}),
          item(t.redo, Redo, 0, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}),
          separator, item(t.goTo, GoTo, 344, {Qt::CTRL | Qt::Key_G}), separator,
          item(t.find, Find, 0, {Qt::CTRL | Qt::Key_F})}},
        {t.personalize, {item(t.setUp, SetUp, 334)}},
        {t.underlines,
         {item(t.tickControl, TickControl, 341), separator,
          item(t.underlineFullHorizontal, UnderlineFullHorizontal, 342), separator,
          item(t.underlineVertical, UnderlineVertical, 342), separator,
          item(t.underlinePieceHorizontal, UnderlinePieceHorizontal, 342), separator,
          item(t.underlinePieceTwoColours, UnderlinePieceTwoColours, 343), separator,
          item(t.underlineLink, UnderlineLink, 345), separator,
          item(t.underlinePieceBold, UnderlinePieceBold, 346), separator,
          item(t.underlineDefinition, UnderlineDefinition, 345), separator,
          item(t.removeMarks, RemoveMarks, 0, {QKeySequence(Qt::Key_Delete)})}},
        {t.colours,
         {item(t.favouriteColours, FavouriteColours, 333), separator,
          swatch(t.horizontalColour, HorizontalColour, c.horizontal),
          swatch(t.verticalColour, VerticalColour, c.vertical), separator,
          swatch(t.twoColourBackground, TwoColourBackground, c.twoColourBackground),
          swatch(t.twoColourFont, TwoColourFont, c.twoColourFont), separator,
          swatch(t.linkColour, LinkColour, c.link), separator,
          swatch(t.selectorColour, SelectorColour, c.selector),
          swatch(t.selectorTextColour, SelectorTextColour, c.selectorText)}},
        {t.alignment,
         {item(t.left, AlignRowsLeft, 347), separator, item(t.center, AlignRowsCentre, 348),
          separator, item(t.right, AlignRowsRight, 349)}},
        {t.read,
         {item(t.guideReader, GuideReader, 0),
          item(t.marksList, MarksList, 0, {Qt::CTRL | Qt::Key_L})}},
    };
}

} // namespace folia
