#pragma once

#include "IncludeScan.h"
#include "LayerTable.h"

#include <QStringList>

namespace folia::layers {

// Each include of a header of a folder that the including file's folder may not use, and
// each file of a folder the table does not list, as "file:line includes header: reason".
QStringList forbiddenIncludes(const LayerTable& table, const std::vector<Include>& includes);

// The table's arrows that no include follows: "from -> to".
QStringList unusedArrows(const LayerTable& table, const std::vector<Include>& includes);

// Where the libraries that CMake links differ from the table. `linked` holds one line a
// folder of the table: the folder, then every library its target links.
QStringList linkMismatches(const LayerTable& table, const QString& linked);

} // namespace folia::layers
