#pragma once

#include <QString>

namespace folia {

struct TextSet;

// One program build as the desktop knows it.
struct DesktopProgram {
    enum class Kind { Folia, Editor };
    Kind kind = Kind::Folia;
    QString appId;    // reverse-domain id: the menu entry's file name and the window's app id
    QString name;     // the build's name: its folder, its executable and its window class
    QString iconName; // shared by the two language builds of a program
};

// Installing replaces this by the quoted path of the installed executable, which is known
// only then.
inline constexpr char kExecPlaceholder[] = "@FOLIA_EXEC@";

// The menu entry, in the build's language.
QString desktopEntry(const DesktopProgram& program, const TextSet& texts);

// The software centre's description of the build.
QString metainfo(const DesktopProgram& program, const TextSet& texts);

} // namespace folia
