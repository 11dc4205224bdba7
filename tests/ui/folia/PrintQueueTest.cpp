#include "folia/QtPrintService.h"
#include "shell/AppState.h"
#include "shell/SaveImage.h"
#include "support/FakeOutput.h"
#include "support/FakePorts.h"
#include "support/PrivatePrintQueue.h"
#include "text/TextSet.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

namespace {

int pdfPages(const QByteArray& bytes) {
    return int(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page(?!s)")));
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Three pages with two copies each, on a real queue of the test's own scheduler.
TEST(PrintQueue, EachPageIsOneJobOfOnePdfPageWithTheCopies) {
    PrivatePrintQueue queue;
    if (!queue.problem().isEmpty()) GTEST_SKIP() << queue.problem().toStdString();
    queue.use();

    QtPrintService service;
    EXPECT_EQ(service.defaultPrinterName(), queue.queueName());

    AppState state(englishTexts());
    for (int page = 1; page <= 3; ++page)
        putRow(state.document, page, 1, "A printed row.");
    state.documentPresent = true;
    state.currentPage = 2;
    state.settings.print.copies = 2;
    RecordingView view;
    ScriptedPrompts prompts;
    ScriptedOutputDialogs dialogs;
    dialogs.onPageChoice = [](PageChoiceForm& form) {
        form.choose(ChoiceAll);
        EXPECT_TRUE(form.print("", ""));
    };
    saveImage(state, view, prompts, dialogs, service);

    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(dialogs.printConfigurationShown, 1);
    ASSERT_TRUE(queue.waitForCompletedJobs(3));
    const QStringList documents = queue.jobDocuments();
    ASSERT_EQ(documents.size(), 3);
    for (const QString& document : documents) {
        const QByteArray pdf = contents(document);
        EXPECT_TRUE(pdf.startsWith("%PDF")) << document.toStdString();
        EXPECT_EQ(pdfPages(pdf), 1) << document.toStdString();
    }
    // The device receives the last job with its copies made.
    EXPECT_EQ(pdfPages(contents(queue.outputPath())), 2);
    EXPECT_EQ(state.currentPage, 2);
}
