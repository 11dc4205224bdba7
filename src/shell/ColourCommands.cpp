#include "ColourCommands.h"

namespace folia {

using namespace command;

int32_t& colourSetting(ColourSettings& colours, int commandId) {
    switch (commandId) {
    case HorizontalColour:
        return colours.horizontal;
    case VerticalColour:
        return colours.vertical;
    case TwoColourBackground:
        return colours.twoColourBackground;
    case TwoColourFont:
        return colours.twoColourFont;
    case LinkColour:
        return colours.link;
    case SelectorColour:
        return colours.selector;
    default:
        return colours.selectorText;
    }
}

} // namespace folia
