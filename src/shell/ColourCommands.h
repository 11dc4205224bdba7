#pragma once

#include "CommandIds.h"
#include "settings/Settings.h"

#include <initializer_list>

namespace folia {

// The "Colors" commands that give the picked colour to a setting; each shows it on a swatch.
inline constexpr std::initializer_list<int> kColourCommands = {
    command::HorizontalColour,  command::VerticalColour, command::TwoColourBackground,
    command::TwoColourFont,     command::LinkColour,     command::SelectorColour,
    command::SelectorTextColour};

// The setting that a colour command sets; the selector's text colour for any other id.
int32_t& colourSetting(ColourSettings& colours, int commandId);
inline int32_t colourSetting(const ColourSettings& colours, int commandId) {
    return colourSetting(const_cast<ColourSettings&>(colours), commandId);
}

} // namespace folia
