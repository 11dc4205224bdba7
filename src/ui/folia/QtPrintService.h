#pragma once

#include "output/OutputPorts.h"

namespace folia {

// Printing through Qt Print Support on the system's default CUPS printer; CUPS itself
// answers which job settings the printer supports and why a job failed.
class QtPrintService : public PrintService {
public:
    QString defaultPrinterName() override;
    std::optional<PrintError> printPage(const QImage& page,
                                        const PrintJobOptions& options) override;
};

} // namespace folia
