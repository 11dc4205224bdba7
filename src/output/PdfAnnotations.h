#pragma once

#include <QByteArray>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace folia {

// The sheet that pages were drawn over: its size in points and the size in pixels of the
// page pictures stretched over it.
struct PdfSheet {
    QSizeF points;
    QSize pixels;
};

// Areas are in the pixels of the page pictures (origin top-left); pages count from 1.
struct PdfLink {
    int page = 1;
    QRect area;
    int targetPage = 1;
};

struct PdfNote {
    int page = 1;
    QRect area;
    QString title; // the marked words
    QString text;
};

// Finishes the PDF file that Qt drew: every page gets the sheet's exact size (Qt writes
// whole points, keeping the top edge where its drawing starts), and the clickable page
// links and the notes. Nothing when the bytes are no PDF or a link or note names a page
// the file does not have.
std::optional<QByteArray> withAnnotations(const QByteArray& pdf, const PdfSheet& sheet,
                                          const std::vector<PdfLink>& links,
                                          const std::vector<PdfNote>& notes);

} // namespace folia
