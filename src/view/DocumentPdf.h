#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace folia {

class Document;
class PictureLoader;
struct PageStyle;

// Every page of `document` as one PDF file: each page an A4 sheet, drawn as for output
// (content and furniture, no frame) over the whole sheet, rows as text in an embedded
// font, marks as shapes in their colours, each page link a link to its page and each
// definition a note holding its text. The first row with text is the file's title,
// `creator` names the program. `pageDrawn` is called after each page. Nothing when the
// file could not be made.
std::optional<QByteArray> documentAsPdf(const Document& document, const PageStyle& style,
                                        PictureLoader& pictures, const QString& creator,
                                        const std::function<void(int page)>& pageDrawn);

} // namespace folia
