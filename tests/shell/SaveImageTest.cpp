#include "shell/SaveImage.h"
#include "ShellFixture.h"
#include "output/PageFurniture.h"
#include "shell/PagePrinter.h"
#include "support/FakeOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

using namespace folia;
using namespace folia::test;

namespace {

class SaveImageTest : public ShellFixture {
protected:
    SaveImageTest() {
        makeDocument(12, 3);
        state.settings.pageNumber.enabled = 1;
    }
    // "Save Image" answered with `answer` in the page-choice dialog.
    void run(std::function<void(PageChoiceForm&)> answer) {
        dialogs.onPageChoice = std::move(answer);
        saveImage(state, view, prompts, dialogs, printer);
    }
    QString exported(const QString& subfolder, const QString& name) const {
        return folder.path() + "/" + subfolder + "/" + name;
    }
    QStringList filesIn(const QString& name) const {
        return QDir(folder.path() + "/" + name).entryList(QDir::Files, QDir::Name);
    }
    QString lastMessage() const {
        return prompts.messages.isEmpty() ? QString() : prompts.messages.last().text;
    }

    ScriptedOutputDialogs dialogs;
    RecordingPrinter printer;
};

bool hasFrame(const QImage& page) {
    return page.pixel(0, 0) == qRgb(0, 0, 0) && page.pixel(793, 600) == qRgb(0, 0, 0);
}

} // namespace

TEST_F(SaveImageTest, ExportsTheCurrentPageWithoutFrameAndShowsItFramedAgain) {
    state.currentPage = 7;
    state.settings.imageFormat = FormatBmp;
    run([](PageChoiceForm& form) { EXPECT_TRUE(form.save("Scans", "", "")); });
    EXPECT_EQ(filesIn("Scans"), QStringList{"7.bmp"});
    const QImage image(exported("Scans", "7.bmp"));
    EXPECT_EQ(image.size(), QSize(794, 1122));
    EXPECT_FALSE(hasFrame(image));
    // The page number label stands on row 68.
    bool inkOnRow68 = false;
    for (int y = kPageNumberTop; y < kPageNumberTop + 16; ++y)
        for (int x = 300; x < 500; ++x)
            inkOnRow68 |= image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(inkOnRow68);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(lastMessage(), "Exported image ...");
    EXPECT_TRUE(prompts.messages.last().systemModal);
    EXPECT_TRUE(hasFrame(state.surfaces.page(7)));
    EXPECT_EQ(view.busyStarts, 0);
}

TEST_F(SaveImageTest, RangeAndAllPagesKeepTheCurrentPageAndReplaceEarlierFiles) {
    state.currentPage = 7;
    state.settings.imageFormat = FormatPng;
    run([](PageChoiceForm& form) {
        form.choose(ChoiceRange);
        EXPECT_TRUE(form.save("Out", "2", "4"));
    });
    EXPECT_EQ(filesIn("Out"), QStringList({"2.png", "3.png", "4.png"}));
    EXPECT_EQ(lastMessage(), "Exported images ...");
    EXPECT_EQ(state.currentPage, 7);
    EXPECT_EQ(view.busyStarts, 1);
    EXPECT_EQ(view.busyStops, 1);

    const QDateTime before = QFileInfo(exported("Out", "3.png")).lastModified();
    run([](PageChoiceForm& form) {
        form.choose(ChoiceAll);
        EXPECT_TRUE(form.save("Out", "", ""));
    });
    EXPECT_EQ(filesIn("Out").size(), 12);
    EXPECT_EQ(lastMessage(), "Exported document ...");
    EXPECT_GE(QFileInfo(exported("Out", "3.png")).lastModified(), before);
    EXPECT_EQ(state.currentPage, 7);
    // Pages carry their own numbers, not the shown page's.
    EXPECT_NE(QImage(exported("Out", "3.png")), QImage(exported("Out", "4.png")));
}

TEST_F(SaveImageTest, CancelledOrClosedDialogExportsNothing) {
    run([](PageChoiceForm& form) {
        form.choose(ChoiceRange);
        EXPECT_FALSE(form.print("5", "2"));
        form.cancel();
    });
    EXPECT_TRUE(QDir(folder.path()).entryList({"*.bmp"}, QDir::Files).isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(dialogs.printConfigurationShown, 0);
}

TEST_F(SaveImageTest, AFolderThatCannotBeMadeIsToldInsteadOfSuccess) {
    run([](PageChoiceForm& form) { EXPECT_TRUE(form.save("no/such", "", "")); });
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(lastMessage(), "The folder could not be created: " + folder.path() + "/no/such");
    EXPECT_FALSE(QDir(folder.path() + "/no").exists());
}

TEST_F(SaveImageTest, AFolderNameThatLeavesTheProgramFolderIsRefusedAndTold) {
    state.settings.imageFormat = FormatBmp;
    const QString parent = QFileInfo(folder.path()).dir().path();
    const QString escape =
        "folia-export-escape-" + QString::number(QCoreApplication::applicationPid());
    for (const QString& name :
         {QString(".."), QString("../") + escape, QString("."), QString("in/../../") + escape}) {
        prompts.messages.clear();
        run([&](PageChoiceForm& form) { EXPECT_TRUE(form.save(name, "", "")); });
        ASSERT_EQ(prompts.messages.size(), 1) << name.toStdString();
        EXPECT_EQ(lastMessage(), "The folder must be inside the program's folder: " + name);
        EXPECT_FALSE(QDir(parent + "/" + escape).exists());
        EXPECT_TRUE(QDir(parent).entryList({"*.bmp"}, QDir::Files).isEmpty());
        EXPECT_TRUE(QDir(folder.path()).entryList({"*.bmp"}, QDir::Files).isEmpty());
    }
    // A name that climbs and comes back down stays inside and is used.
    run([](PageChoiceForm& form) { EXPECT_TRUE(form.save("a/../Scans", "", "")); });
    EXPECT_EQ(filesIn("Scans").size(), 1);
    EXPECT_EQ(lastMessage(), "Exported image ...");
}

TEST_F(SaveImageTest, PrintsEachChosenPageAsOneJobWithTheSettings) {
    state.currentPage = 7;
    state.settings.print.copies = 10;
    dialogs.onPrintConfiguration = [](PrintConfigurationForm& form) {
        EXPECT_EQ(form.copiesEntries().at(form.selectedCopies()), "10 copies");
        EXPECT_EQ(form.printerName(), "Office");
        form.accept("02 copies", "2 - Color", "3 - Medium Resolution");
    };
    run([](PageChoiceForm& form) {
        form.choose(ChoiceRange);
        EXPECT_TRUE(form.print("2", "4"));
    });
    ASSERT_EQ(printer.jobs.size(), 3);
    for (const PrintJobOptions& job : printer.jobs) {
        EXPECT_EQ(job.copies, 2);
        EXPECT_EQ(job.colourMode, 2);
        EXPECT_EQ(job.quality, 3);
    }
    EXPECT_EQ(printer.jobs[0].jobName, "Page 2");
    EXPECT_FALSE(hasFrame(printer.pages[0]));
    EXPECT_EQ(state.currentPage, 7);
    EXPECT_TRUE(hasFrame(state.surfaces.page(7)));
    EXPECT_TRUE(prompts.messages.isEmpty()); // no message after a good print
    EXPECT_EQ(state.settings.print.copies, 2);
}

TEST_F(SaveImageTest, PrintingWithoutPrinterTellsTwoMessagesForFivePages) {
    printer.failure = PrintError{1030, "No default destination."};
    run([](PageChoiceForm& form) {
        form.choose(ChoiceRange);
        EXPECT_TRUE(form.print("1", "5"));
    });
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0].text, "Err: 1030 No default destination.");
    EXPECT_TRUE(printer.pages.isEmpty());

    // A single page asked for afterwards is tried and told about again.
    run([](PageChoiceForm& form) {
        form.choose(ChoiceCurrentPage);
        EXPECT_TRUE(form.print("", ""));
    });
    EXPECT_EQ(prompts.messages.size(), 3);
}

TEST(PagePrinter, AFailingBatchTellsTheErrorThenTheMissingPrinterThenNothing) {
    OutputState state;
    RecordingPrinter service;
    service.failure = PrintError{1030, "No default destination."};
    ScriptedPrompts prompts;
    PagePrinter printer(state, service, prompts, englishTexts());
    int rendered = 0;
    const auto render = [&rendered] {
        ++rendered;
        return QImage(794, 1122, QImage::Format_RGB32);
    };
    printer.startBatch();
    for (int page = 1; page <= 5; ++page)
        EXPECT_FALSE(printer.printPage({}, render));
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0].text, "Err: 1030 No default destination.");
    EXPECT_EQ(prompts.messages[0].title, "Programmer");
    EXPECT_EQ(prompts.messages[1].text, "You do not have a Printer configured by default ...");
    EXPECT_EQ(rendered, 1); // skipped pages are not even drawn
    EXPECT_EQ(state.printFailureCount, 5);

    // The next request is tried afresh.
    service.failure.reset();
    printer.startBatch();
    EXPECT_TRUE(printer.printPage({.copies = 2, .jobName = "Page 1"}, render));
    EXPECT_EQ(service.jobs.size(), 1);
    EXPECT_EQ(prompts.messages.size(), 2);
}
