#pragma once

#include "IniFile.h"
#include "Settings.h"
#include "common/AtomicFile.h"

#include <QString>

namespace folia {

// "Configuracion.ini" beside the program.
QString settingsPath();

// Reads all 36 values ("get"): a missing file, section or key gives the default; a value
// that does not start with a number reads as 0.
Settings loadSettings(const QString& path);
// Writes all 36 values ("save") into the file, keeping every other line of it. A failed
// write leaves the file as it was; the result says why.
WriteResult saveSettings(const Settings& settings, const QString& path);

// The same on a file already in memory.
Settings readSettings(const IniFile& ini);
void writeSettings(const Settings& settings, IniFile& ini);

} // namespace folia
