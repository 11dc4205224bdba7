#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <vector>

namespace folia {

struct TextSet;
struct Settings;

// One entry of a popup: a command, or a separator when commandId is 0.
struct MenuEntry {
    QString text;
    int commandId = 0;
    int imageNumber = 0;           // a 16 x 16 menu image (333..349), 0 for none
    int swatchColour = -1;         // 0x00BBGGRR colour of a swatch image, -1 for none
    QList<QKeySequence> shortcuts; // the desktop's usual keys for the command, if any
    bool isSeparator() const { return commandId == 0; }
};

struct MenuPopup {
    QString title;
    std::vector<MenuEntry> entries;
};

// FOLIA's menu bar in the order it is built; the colour swatches show the current colours.
std::vector<MenuPopup> foliaMenuBar(const TextSet& texts, const Settings& settings);

} // namespace folia
