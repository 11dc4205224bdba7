#pragma once

#include "Settings.h"

#include <QString>
#include <QStringList>

namespace folia {

// What the configurator shows for the settings as they stand, and what its controls do
// to them. Option clicks change the settings at once; texts and sizes wait for "Exit".

// The font-size lists offer "09" to "12".
QStringList fontSizeEntries();
// The entry showing a stored size, or -1 when the size is not offered.
int fontSizeEntry(int16_t size);
// The size an entry stands for; with no entry chosen the stored size stays.
int16_t fontSizeOfEntry(int entry, int16_t stored);

// Which of a block's controls may be used.
struct ConfiguratorEnabling {
    bool footer1 = false;    // footer 1's controls besides its "I want" box
    bool footer2 = false;    // footer 2's likewise
    bool pageNumber = false; // the page-number controls besides its "I want" box
    bool romanCase = false;  // upper/lower case: only for Roman numerals
};
ConfiguratorEnabling configuratorEnabling(const Settings& settings);

// What "Exit" takes from the boxes and lists.
struct ConfiguratorEntries {
    QString footer1Text;
    QString footer2Text;
    int footer1SizeEntry = -1;
    int footer2SizeEntry = -1;
    int pageNumberSizeEntry = -1;
};
// Footer texts become one line (a line break would split the settings file's line) cut
// to 99 characters; sizes come from the lists.
void takeConfiguratorEntries(Settings& settings, const ConfiguratorEntries& entries);

// Every footer that is switched on has a text.
bool footersComplete(const Settings& settings);

} // namespace folia
