#pragma once

#include <QString>
#include <optional>

namespace folia {

// Every file a program uses lives beside its executable, never in the current
// directory. The folder is returned with its trailing separator. Tests point it at a
// temporary folder with setProgramFolder.
QString programFolder();
void setProgramFolder(const QString& folderWithOrWithoutSeparator);

// programFolder() + name.
QString besideProgram(const QString& fileName);

// The folder a user names inside the program's folder, or nothing when the name climbs
// out of it ("..", "../x") or names the program's folder itself (".").
std::optional<QString> folderInsideProgram(const QString& name);

} // namespace folia
