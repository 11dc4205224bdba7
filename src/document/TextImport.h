#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace folia {

struct AppState;
class MainView;
class Prompts;

// Called with a page number when that page of an import has received its last row (and
// for the last page when the file ends): the place to draw it.
using PageFilled = std::function<void(int page)>;

// Replaces the document with the lines of a text file: 65 rows a page, lines cut at 113
// characters, picture lines ("{@@...,path}") taking as many rows as the picture is high.
// Lines may end in CR LF, LF or CR; their bytes are stored as read (Windows-1252). A
// file longer than 200 pages is cut after page 200. Returns false, with the document
// unchanged, when the file cannot be opened.
bool importText(AppState& state, MainView& view, Prompts& prompts, const QString& path,
                const PageFilled& pageFilled);

// True when the path names a file that can be opened for reading (not a folder).
bool isReadableTextFile(const QString& path);

// The path named by a picture line, or nothing for any other line.
std::optional<QByteArray> picturePath(const QByteArray& line);

} // namespace folia
