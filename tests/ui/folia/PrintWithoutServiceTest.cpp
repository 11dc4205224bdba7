#include "folia/QtPrintService.h"
#include "shell/AppState.h"
#include "shell/SaveImage.h"
#include "support/FakeOutput.h"
#include "support/FakePorts.h"
#include "text/TextSet.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

// No printing service answers: five pages give exactly two messages and no job.
TEST(PrintWithoutService, ErrorThenMissingPrinterThenSilence) {
    qputenv("CUPS_SERVER", "/nonexistent/folia-no-scheduler.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QtPrintService service;
    EXPECT_TRUE(service.defaultPrinterName().isEmpty());

    AppState state(englishTexts());
    for (int page = 1; page <= 6; ++page)
        putRow(state.document, page, 1, "A row.");
    state.documentPresent = true;
    RecordingView view;
    ScriptedPrompts prompts;
    ScriptedOutputDialogs dialogs;
    dialogs.onPageChoice = [](PageChoiceForm& form) {
        form.choose(ChoiceRange);
        EXPECT_TRUE(form.print("1", "5"));
    };
    dialogs.onPrintConfiguration = [](PrintConfigurationForm& form) {
        EXPECT_TRUE(form.printerName().isEmpty());
    };
    saveImage(state, view, prompts, dialogs, service);

    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_TRUE(
        QRegularExpression("^Err: [1-9][0-9]* \\S").match(prompts.messages[0].text).hasMatch())
        << prompts.messages[0].text.toStdString();
    EXPECT_EQ(prompts.messages[1].text, "You do not have a Printer configured by default ...");
    EXPECT_EQ(prompts.messages[1].title, "Programmer");
}
