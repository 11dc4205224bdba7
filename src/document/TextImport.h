#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace folia {

class Document;

// Told the number of each page as the import starts filling it.
using PageStarted = std::function<void(int page)>;
// The height in pixels of the picture a picture line names; 0 when it cannot be loaded,
// which the function tells the user about.
using PictureHeight = std::function<int(const QByteArray& path)>;

// What an import had to change: the characters Windows-1252 cannot hold, each stored as
// the nearest one it can.
struct ImportedText {
    qsizetype replacedCharacters = 0;
};

// Replaces the document with the lines of a text file: 65 rows a page, lines cut at 113
// characters, picture lines ("{@@...,path}") taking as many rows as the picture is high.
// Lines may end in CR LF, LF or CR. A Windows-1252 file's bytes are stored as read; a
// UTF-8 or UTF-16 one is stored in Windows-1252 (see TextEncoding.h). A tab stays a tab,
// drawn as one blank cell. A file longer than 200 pages is cut after page 200. Returns
// nothing, with the document unchanged, when the file cannot be opened.
std::optional<ImportedText> importText(Document& document, const PictureHeight& pictureHeight,
                                       const QString& path, const PageStarted& pageStarted);

// True when the path names a file that can be opened for reading (not a folder).
bool isReadableTextFile(const QString& path);

// The path named by a picture line, or nothing for any other line.
std::optional<QByteArray> picturePath(const QByteArray& line);

} // namespace folia
