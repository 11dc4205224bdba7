#pragma once

#include "view/MarkCatalogue.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace folia {

struct TextSet;

// The files the marks are exported as, UTF-8 with CR LF line ends, marks in the order
// given. JSON and CSV are for other tools and read the same in both languages; the
// Markdown file is for people and speaks the build's language.
enum class MarkFileType { Markdown, Csv, Json };

QByteArray marksAsJson(const std::vector<ListedMark>& marks, int pageCount);
QByteArray marksAsCsv(const std::vector<ListedMark>& marks);
QByteArray marksAsMarkdown(const std::vector<ListedMark>& marks, const TextSet& texts);

// The kind as the JSON and CSV files name it: "underline", "full-underline", …
QString markKindToken(MarkKind kind);
// The kind, and an alignment mark's placement, in the build's language.
QString markKindName(MarkKind kind, const TextSet& texts);
QString alignmentName(const QString& placement, const TextSet& texts);

} // namespace folia
