#pragma once

#include "output/OutputPorts.h"
#include "output/PageChoiceForm.h"
#include "output/PrintConfigurationForm.h"

#include <QList>
#include <functional>

namespace folia::test {

// Answers the two "Save Image" dialogs with scripted actions on their forms.
class ScriptedOutputDialogs : public OutputDialogs {
public:
    void choosePages(PageChoiceForm& form) override {
        ++pageChoiceShown;
        if (onPageChoice) onPageChoice(form);
    }
    void configurePrinting(PrintConfigurationForm& form) override {
        ++printConfigurationShown;
        if (onPrintConfiguration) onPrintConfiguration(form);
    }

    std::function<void(PageChoiceForm&)> onPageChoice;
    std::function<void(PrintConfigurationForm&)> onPrintConfiguration;
    int pageChoiceShown = 0;
    int printConfigurationShown = 0;
};

// A printer that keeps every page it is given, or fails with a scripted error.
class RecordingPrinter : public PrintService {
public:
    QString defaultPrinterName() override { return name; }
    std::optional<PrintError> printPage(const QImage& page,
                                        const PrintJobOptions& options) override {
        if (failure) return failure;
        pages.append(page);
        jobs.append(options);
        return std::nullopt;
    }

    QString name = QStringLiteral("Office");
    std::optional<PrintError> failure;
    QList<QImage> pages;
    QList<PrintJobOptions> jobs;
};

} // namespace folia::test
