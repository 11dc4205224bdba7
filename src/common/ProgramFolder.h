#pragma once

#include <QString>

namespace folia {

// Every file a program uses lives beside its executable, never in the current
// directory. The folder is returned with its trailing separator. Tests point it at a
// temporary folder with setProgramFolder.
QString programFolder();
void setProgramFolder(const QString& folderWithOrWithoutSeparator);

// programFolder() + name.
QString besideProgram(const QString& fileName);

} // namespace folia
