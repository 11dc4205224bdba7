#include "DocumentPdf.h"

#include "LinkFollowing.h"
#include "PagePainter.h"
#include "PageSurfaces.h"
#include "common/Cp1252.h"
#include "document/Document.h"
#include "marks/CharacterGrid.h"
#include "output/PageFurniture.h"
#include "output/PdfAnnotations.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace folia {
namespace {

// Pages are drawn in their own pixels; 96 of them to the inch is the size they have on
// screen, and the small stretch to the sheet is the one printing applies.
constexpr int kPixelsPerInch = 96;

QString firstRowWithText(const Document& document) {
    for (int page = 1; page <= document.pageCount; ++page)
        for (int row = 1; row <= grid::kRows; ++row) {
            const LineRecord& record = document.row(page, row);
            if (record.lineNumber <= 0 || record.imageStart != 0) continue;
            const QString text = fromCp1252(record.text(TextField::Text)).trimmed();
            if (!text.isEmpty()) return text;
        }
    return {};
}

QRect areaOf(const PieceRange& range) {
    return QRect(QPoint(grid::columnLeft(range.first), grid::rowTop(range.row)),
                 QPoint(grid::columnRight(range.last) - 1, grid::rowBottom(range.row) - 1));
}

void collectAnnotations(const Document& document, int page, std::vector<PdfLink>& links,
                        std::vector<PdfNote>& notes) {
    for (const PageLink& link : pageLinksOf(document, page))
        links.push_back({page, areaOf(link.range), link.target});
    for (const DefinitionHit& definition : definitionsOf(document, page))
        notes.push_back({page, areaOf(definition.range), fromCp1252(definition.marked),
                         fromCp1252(definition.text)});
}

// An A4 sheet in points, exactly, with the page pictures stretched over it as printing
// stretches them.
PdfSheet a4Sheet() {
    return {QPageSize(QPageSize::A4).size(QPageSize::Millimeter) * 72.0 / 25.4,
            {PageSurfaces::kPageWidth, PageSurfaces::kPageHeight}};
}

// From page pixels to the device's, which count points at 96 pixels to the inch.
QTransform pageToSheet(const PdfSheet& sheet) {
    const QSizeF device = sheet.points * kPixelsPerInch / 72.0;
    return QTransform::fromScale(device.width() / sheet.pixels.width(),
                                 device.height() / sheet.pixels.height());
}

} // namespace

std::optional<QByteArray> documentAsPdf(const Document& document, const PageStyle& style,
                                        PictureLoader& pictures, const QString& creator,
                                        const std::function<void(int page)>& pageDrawn) {
    QBuffer pages;
    pages.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pages);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF());
    writer.setResolution(kPixelsPerInch);
    writer.setTitle(firstRowWithText(document));
    writer.setCreator(creator);
    const PdfSheet sheet = a4Sheet();
    std::vector<PdfLink> links;
    std::vector<PdfNote> notes;
    QPainter painter;
    if (!painter.begin(&writer)) return std::nullopt;
    for (int page = 1; page <= document.pageCount; ++page) {
        if (page > 1) writer.newPage();
        painter.setWorldTransform(pageToSheet(sheet));
        paintPage(painter, document, page, PageLook{}, style, pictures);
        drawPageLabels(painter, page, style.settings, style.texts);
        collectAnnotations(document, page, links, notes);
        if (pageDrawn) pageDrawn(page);
    }
    if (!painter.end()) return std::nullopt;
    return withAnnotations(pages.data(), sheet, links, notes);
}

} // namespace folia
