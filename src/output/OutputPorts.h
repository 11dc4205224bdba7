#pragma once

#include <QImage>
#include <QString>
#include <optional>

namespace folia {

class PageChoiceForm;
class PrintConfigurationForm;

// What a print job is asked for: "Copias", "Color" (1 monochrome, 2 colour) and
// "Calidad" (1 draft .. 4 high), each applied only where the printer supports it.
struct PrintJobOptions {
    int copies = 1;
    int colourMode = 1;
    int quality = 1;
    QString jobName;
};

// A failure as the printing service tells it.
struct PrintError {
    int number = 0;
    QString description;
};

// The system's printing service: always its default printer, never a dialog.
class PrintService {
public:
    virtual ~PrintService() = default;
    // Empty when there is no default printer.
    virtual QString defaultPrinterName() = 0;
    // One job on the default printer: the page stretched over the printable area.
    // No default printer, an empty name or a failing job gives the service's error.
    virtual std::optional<PrintError> printPage(const QImage& page,
                                                const PrintJobOptions& options) = 0;
};

// The two dialogs of "Save Image"; each returns when its dialog has closed.
class OutputDialogs {
public:
    virtual ~OutputDialogs() = default;
    virtual void choosePages(PageChoiceForm& form) = 0;
    virtual void configurePrinting(PrintConfigurationForm& form) = 0;
};

} // namespace folia
