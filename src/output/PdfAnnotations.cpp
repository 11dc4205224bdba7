#include "PdfAnnotations.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace folia {
namespace {

using Handle = QPDFObjectHandle;

Handle number(double value) {
    return Handle::newReal(value, 3);
}

// One page of the file with the place of its sheet: from `left`, and down from `top`,
// which count in points up from the bottom edge.
struct Sheet {
    Handle page;
    double left = 0;
    double top = 0;
};

Sheet fitSheet(QPDFPageObjectHelper& helper, const PdfSheet& sheet) {
    Handle page = helper.getObjectHandle();
    Handle box = helper.getMediaBox();
    const double left = box.getArrayItem(0).getNumericValue();
    const double top = box.getArrayItem(3).getNumericValue();
    page.replaceKey("/MediaBox",
                    Handle::newArray({number(left), number(top - sheet.points.height()),
                                      number(left + sheet.points.width()), number(top)}));
    for (const char* key : {"/CropBox", "/BleedBox", "/TrimBox", "/ArtBox"})
        page.removeKey(key); // all default to the media box
    return {page, left, top};
}

Handle sheetRect(const Sheet& at, const PdfSheet& sheet, const QRect& area) {
    const double x = sheet.points.width() / sheet.pixels.width();
    const double y = sheet.points.height() / sheet.pixels.height();
    return Handle::newArray(
        {number(at.left + area.left() * x), number(at.top - (area.bottom() + 1) * y),
         number(at.left + (area.right() + 1) * x), number(at.top - area.top() * y)});
}

void addAnnotation(QPDF& pdf, const Sheet& at, Handle annotation) {
    Handle page = at.page;
    annotation.replaceKey("/Type", Handle::newName("/Annot"));
    annotation.replaceKey("/P", page);
    if (!page.getKey("/Annots").isArray()) page.replaceKey("/Annots", Handle::newArray());
    page.getKey("/Annots").appendItem(pdf.makeIndirectObject(annotation));
}

Handle linkAnnotation(Handle rect, const Handle& target) {
    Handle link = Handle::newDictionary();
    link.replaceKey("/Subtype", Handle::newName("/Link"));
    link.replaceKey("/Rect", rect);
    link.replaceKey("/Border", Handle::newArray({number(0), number(0), number(0)}));
    link.replaceKey("/Dest", Handle::newArray({target, Handle::newName("/Fit")}));
    return link;
}

// The note shows nothing of its own over the page: the marked words already show where it
// is (bold, dotted underline), and a viewer's note icon would hide the text around them.
// One empty drawing serves every note.
Handle invisibleAppearance(QPDF& pdf) {
    Handle form = Handle::newStream(&pdf, std::string());
    Handle dictionary = form.getDict();
    dictionary.replaceKey("/Type", Handle::newName("/XObject"));
    dictionary.replaceKey("/Subtype", Handle::newName("/Form"));
    dictionary.replaceKey("/BBox", Handle::newArray({number(0), number(0), number(1), number(1)}));
    Handle appearance = Handle::newDictionary();
    appearance.replaceKey("/N", form);
    return appearance;
}

Handle noteAnnotation(Handle rect, const PdfNote& note, const Handle& appearance) {
    Handle annotation = Handle::newDictionary();
    annotation.replaceKey("/Subtype", Handle::newName("/Text"));
    annotation.replaceKey("/Rect", rect);
    annotation.replaceKey("/Name", Handle::newName("/Comment"));
    annotation.replaceKey("/T", Handle::newUnicodeString(note.title.toStdString()));
    annotation.replaceKey("/Contents", Handle::newUnicodeString(note.text.toStdString()));
    annotation.replaceKey("/AP", appearance);
    return annotation;
}

bool onPage(int page, std::size_t pageCount) {
    return page >= 1 && std::size_t(page) <= pageCount;
}

QByteArray written(QPDF& pdf) {
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setObjectStreamMode(qpdf_o_generate); // the many small annotations packed together
    writer.write();
    const std::shared_ptr<Buffer> bytes = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(bytes->getBuffer()),
                      qsizetype(bytes->getSize()));
}

// Throws qpdf's exceptions for bytes it cannot read or write.
std::optional<QByteArray> annotate(const QByteArray& bytes, const PdfSheet& sheet,
                                   const std::vector<PdfLink>& links,
                                   const std::vector<PdfNote>& notes) {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("pages", bytes.constData(), std::size_t(bytes.size()));
    std::vector<Sheet> pages;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages())
        pages.push_back(fitSheet(page, sheet));
    for (const PdfLink& link : links) {
        if (!onPage(link.page, pages.size()) || !onPage(link.targetPage, pages.size()))
            return std::nullopt;
        const Sheet& at = pages[std::size_t(link.page - 1)];
        addAnnotation(pdf, at,
                      linkAnnotation(sheetRect(at, sheet, link.area),
                                     pages[std::size_t(link.targetPage - 1)].page));
    }
    const Handle appearance = invisibleAppearance(pdf);
    for (const PdfNote& note : notes) {
        if (!onPage(note.page, pages.size())) return std::nullopt;
        const Sheet& at = pages[std::size_t(note.page - 1)];
        addAnnotation(pdf, at, noteAnnotation(sheetRect(at, sheet, note.area), note, appearance));
    }
    return written(pdf);
}

} // namespace

std::optional<QByteArray> withAnnotations(const QByteArray& pdf, const PdfSheet& sheet,
                                          const std::vector<PdfLink>& links,
                                          const std::vector<PdfNote>& notes) {
    try {
        return annotate(pdf, sheet, links, notes);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace folia
