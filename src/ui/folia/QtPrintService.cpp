#include "QtPrintService.h"

#include <cups/cups.h>

#include <QPainter>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace folia {
namespace {

// The print engine key for options handed to CUPS as they are.
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

PrintError serviceError() {
    return {int(cupsLastError()), QString::fromLocal8Bit(cupsLastErrorString())};
}

// The printer as CUPS describes it, to ask which values a job may carry.
class DestinationInfo {
public:
    explicit DestinationInfo(const QString& printer)
        : m_dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toLocal8Bit().constData(), nullptr)),
          m_info(m_dest ? cupsCopyDestInfo(CUPS_HTTP_DEFAULT, m_dest) : nullptr) {}
    ~DestinationInfo() {
        cupsFreeDestInfo(m_info);
        if (m_dest) cupsFreeDests(1, m_dest);
    }
    DestinationInfo(const DestinationInfo&) = delete;
    DestinationInfo& operator=(const DestinationInfo&) = delete;

    bool supports(const char* option, const QByteArray& value) const {
        return m_info &&
               cupsCheckDestSupported(CUPS_HTTP_DEFAULT, m_dest, m_info, option, value.constData());
    }

private:
    cups_dest_t* m_dest;
    cups_dinfo_t* m_info;
};

// "Calidad" 1 draft, 2 low, 3 medium, 4 high as IPP print qualities (3 draft, 4 normal,
// 5 high): a low resolution prints as a draft.
QByteArray ippQuality(int quality) {
    switch (quality) {
    case 1:
    case 2:
        return "3";
    case 3:
        return "4";
    case 4:
        return "5";
    default:
        return QByteArray();
    }
}

QByteArray ippColourMode(int colourMode) {
    if (colourMode == 1) return "monochrome";
    if (colourMode == 2) return "color";
    return QByteArray();
}

void applyOptions(QPrinter& printer, const QString& printerName, const PrintJobOptions& options) {
    const DestinationInfo destination(printerName);
    if (options.copies >= 1 &&
        destination.supports(CUPS_COPIES, QByteArray::number(options.copies)))
        printer.setCopyCount(options.copies);
    QStringList cupsOptions;
    const QByteArray colour = ippColourMode(options.colourMode);
    if (!colour.isEmpty() && destination.supports(CUPS_PRINT_COLOR_MODE, colour)) {
        printer.setColorMode(options.colourMode == 1 ? QPrinter::GrayScale : QPrinter::Color);
        cupsOptions << QStringLiteral(CUPS_PRINT_COLOR_MODE) << QString::fromLatin1(colour);
    }
    const QByteArray quality = ippQuality(options.quality);
    if (!quality.isEmpty() && destination.supports(CUPS_PRINT_QUALITY, quality))
        cupsOptions << QStringLiteral(CUPS_PRINT_QUALITY) << QString::fromLatin1(quality);
    if (!cupsOptions.isEmpty()) printer.printEngine()->setProperty(kCupsOptions, cupsOptions);
}

} // namespace

QString QtPrintService::defaultPrinterName() {
    return QPrinterInfo::defaultPrinter().printerName();
}

std::optional<PrintError> QtPrintService::printPage(const QImage& page,
                                                    const PrintJobOptions& options) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty()) {
        // Ask CUPS itself, so that the error told is its own reason.
        if (cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr))
            cupsFreeDests(1, dest);
        return serviceError();
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(options.jobName);
    applyOptions(printer, info.printerName(), options);
    QPainter painter;
    if (!painter.begin(&printer)) return serviceError();
    const QRect printable(QPoint(0, 0),
                          printer.pageLayout().paintRectPixels(printer.resolution()).size());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(printable, page);
    // The job goes to CUPS when the painter ends; CUPS keeps the reason of a refusal.
    if (!painter.end() || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) return serviceError();
    return std::nullopt;
}

} // namespace folia
