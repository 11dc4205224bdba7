#pragma once

#include <QDir>
#include <QString>
#include <optional>
#include <vector>

namespace folia::layers {

// A source file's include of a header of the project. Paths are relative to the project.
struct Include {
    QString file;
    int line = 0;
    QString header;
};

// The folder a file of the project belongs to: "view" for src/view/PagePainter.cpp,
// "ui/folia" for src/ui/folia/MainWindow.h, "apps/folia-english" for that program's
// main.cpp; empty for any other file.
QString folderOf(const QString& path);

// Every quoted include of the sources under src/ and apps/ that names a header of the
// project, found as the compiler finds it: beside the including file first, then below
// src/ui for the windows and the programs, then below src/.
std::vector<Include> scanIncludes(const QDir& project);

} // namespace folia::layers
