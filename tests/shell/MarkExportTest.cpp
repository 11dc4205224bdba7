#include "ShellFixture.h"
#include "marks/MarkEntryBuilders.h"
#include "shell/CommandIds.h"
#include "shell/MarkFiles.h"
#include "shell/MarksListModel.h"
#include "support/DocumentRows.h"
#include "view/MarkCatalogue.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace folia;
using namespace folia::test;

namespace {

// Every kind of mark, as the commands and a stored file leave them.
void markDocument(Document& document) {
    LineRecord& cafe = putRow(document, 1, 1,
                              "Caf\xE9 \xF1"
                              "and\xFA y el \x80");
    addHorizontalPiece(cafe, 1, 9, 13);

    LineRecord& read = putRow(document, 2, 3, "   Read this, \"twice\" and more.");
    int32_t serial = 4;
    addDefinition(read, serial, 3, 30, 34, "one | two ~ three");
    addPageLink(read, serial, 3, 26, 28, " 3"); // typed with a leading blank
    addBoldPiece(read, 3, 18, 24);
    addTwoColourPiece(read, 3, 12, 16, 0x00FFFF, 0);
    addFullHorizontalLine(read, 3);

    // The third piece no longer fits into the list and is cut off.
    LineRecord& cut = putRow(document, 2, 7, "abcdefghijklmnopqrstuvwxyz");
    cut.setText(TextField::HorizontalMarks, "7," + QByteArray(430, ' ') + "4,8;");
    addHorizontalPiece(cut, 7, 12, 14);
    addHorizontalPiece(cut, 7, 20, 25);

    // A right-aligned row of a stored file that holds marks: its text starts in column 87.
    LineRecord& right = putRow(document, 2, 9, "Right side");
    addBoldPiece(right, 9, 87, 91);
    addBracket(right, 9, 11);
    right.setText(TextField::Alignment, "AL3");
    putRow(document, 3, 1, "End");
}

// The fields of every mark in the files' order; empty for null.
const QList<QStringList> kExpectedRows{
    {"1", "1", "underline", "6", "10", "ñandú", "", "", "", "", ""},
    {"2", "3", "full-underline", "4", "31", "Read this, \"twice\" and more.", "", "", "", "", ""},
    {"2", "3", "two-colours", "9", "13", "this,", "", "#ffff00", "#000000", "", ""},
    {"2", "3", "bold", "15", "21", "\"twice\"", "", "", "", "", ""},
    {"2", "3", "link", "23", "25", "and", "", "", "", "3", ""},
    {"2", "3", "definition", "27", "31", "more.", "", "", "", "", "one | two ~ three"},
    {"2", "7", "underline", "2", "5", "bcde", "", "", "", "", ""},
    {"2", "7", "underline", "9", "11", "ijk", "", "", "", "", ""},
    {"2", "9", "bracket", "", "", "Right side", "11", "", "", "", ""},
    {"2", "9", "alignment", "", "", "right", "", "", "", "", ""},
    {"2", "9", "bold", "1", "5", "Right", "", "", "", "", ""},
};

// Rows as readable lines, for readable failures.
std::vector<std::string> lines(const QList<QStringList>& rows) {
    std::vector<std::string> result;
    for (const QStringList& row : rows)
        result.push_back(row.join('|').toStdString());
    return result;
}

const QStringList kJsonKeys{"page",    "row",        "kind",       "first",  "last",      "text",
                            "lastRow", "background", "foreground", "target", "definition"};

QList<QStringList> rowsOfJson(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(json["format"].toString(), "folia-marks");
    EXPECT_EQ(json["version"].toInt(), 1);
    EXPECT_EQ(json["pages"].toInt(), 3);
    QList<QStringList> rows;
    for (const QJsonValue mark : json["marks"].toArray()) {
        EXPECT_EQ(mark.toObject().keys().size(), kJsonKeys.size());
        QStringList row;
        for (const QString& key : kJsonKeys)
            row << (mark[key].isDouble() ? QString::number(mark[key].toInt())
                                         : mark[key].toString());
        rows << row;
    }
    return rows;
}

// The file as Python's csv module reads it.
QList<QStringList> rowsOfCsv(const QString& path) {
    QProcess python;
    python.start("/usr/bin/python3",
                 {"-c",
                  "import csv, json, sys; print(json.dumps(list(csv.reader(open(sys.argv[1], "
                  "newline='', encoding='utf-8')))))",
                  path});
    EXPECT_TRUE(python.waitForFinished(20000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    QList<QStringList> rows;
    for (const QJsonValue row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList fields;
        for (const QJsonValue field : row.toArray())
            fields << field.toString();
        rows << fields;
    }
    return rows;
}

class MarkExportTest : public ShellFixture {
protected:
    MarkExportTest() {
        markDocument(state.document);
        state.documentPresent = true;
    }
    // "Export marks…" answered with `name` and the filter of type `type`.
    QByteArray exportAs(const QString& name, int type) {
        prompts.typedFileAnswers.push_back(ChosenFile{folder.filePath(name), type});
        commands.dispatch(command::ExportMarks);
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(MarkExportTest, JsonAndCsvHoldEveryMarkInPageRowAndColumnOrder) {
    // The extension decides over the chosen filter; without one the filter does.
    const QByteArray json = exportAs("marks.json", 0);
    EXPECT_TRUE(
        json.startsWith("{\"format\": \"folia-marks\", \"version\": 1, \"pages\": 3, "
                        "\"marks\": [\r\n{\"page\": 1, \"row\": 1, \"kind\": \"underline\", "
                        "\"first\": 6, \"last\": 10, \"text\": \"ñandú\", \"lastRow\": "
                        "null, \"background\": null, \"foreground\": null, \"target\": "
                        "null, \"definition\": null},\r\n"));
    EXPECT_EQ(lines(rowsOfJson(json)), lines(kExpectedRows));

    exportAs("marks", 1);
    QList<QStringList> csv = rowsOfCsv(folder.filePath("marks"));
    ASSERT_FALSE(csv.isEmpty());
    EXPECT_EQ(csv.takeFirst().join(','),
              "page,row,kind,first,last,text,last_row,background,foreground,target,definition");
    EXPECT_EQ(lines(csv), lines(kExpectedRows));
    EXPECT_EQ(prompts.messages.last().text, state.texts.marksExported + folder.filePath("marks"));
    // The second export starts where the first one went.
    EXPECT_EQ(prompts.typedSaves[0].initialName, "marks");
    EXPECT_EQ(prompts.typedSaves[1].initialName, "marks.json");
}

TEST_F(MarkExportTest, MarkdownHasAHeadingPerPageWithMarksAndReadableBullets) {
    EXPECT_EQ(QString::fromUtf8(exportAs("marks.md", 2)),
              "# Marks\r\n"
              "\r\n## Page 1\r\n\r\n"
              "- Row 1, underline: “ñandú”\r\n"
              "\r\n## Page 2\r\n\r\n"
              "- Row 3, full-line underline: “Read this, \\\"twice\\\" and more.”\r\n"
              "- Row 3, two colours (#000000 on #ffff00): “this,”\r\n"
              "- Row 3, bold: “\\\"twice\\\"”\r\n"
              "- Row 3, link: “and” → page 3\r\n"
              "- Row 3, definition: “more.” — one \\| two \\~ three\r\n"
              "- Row 7, underline: “bcde”\r\n"
              "- Row 7, underline: “ijk”\r\n"
              "- Rows 9–11, bracket: “Right side”\r\n"
              "- Row 9, alignment: right\r\n"
              "- Row 9, bold: “Right”\r\n");
    const QString spanish =
        QString::fromUtf8(marksAsMarkdown(listMarks(state.document), spanishTexts()));
    EXPECT_TRUE(spanish.contains("## Página 2\r\n\r\n- Fila 3, subrayado de línea completa: «"));
    EXPECT_TRUE(spanish.contains("- Fila 3, enlace: «and» → página 3\r\n"));
}

TEST_F(MarkExportTest, AFailedWriteIsToldAndACancelledDialogWritesNothing) {
    exportAs("missing/marks.json", 0);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].text.startsWith(state.texts.notWritten));

    commands.dispatch(command::ExportMarks); // the dialog is cancelled
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

// A mark as the list shows it, without where it is kept.
std::string shown(const ListedMark& m) {
    return QStringLiteral("p%1 r%2 %3 %4: %5")
        .arg(m.page)
        .arg(m.row)
        .arg(int(m.kind))
        .arg(m.first.value_or(0))
        .arg(m.text)
        .toStdString();
}

std::vector<std::string> shown(const std::vector<ListedMark>& marks) {
    std::vector<std::string> result;
    for (const ListedMark& m : marks)
        result.push_back(shown(m));
    return result;
}

TEST_F(MarkExportTest, DeletingAListedMarkTakesExactlyItAsOneUndoableChange) {
    const std::vector<ListedMark> all = listMarks(state.document);
    ASSERT_EQ(all.size(), 11u);
    for (size_t i = 0; i < all.size(); ++i) {
        commands.removeListedMark(all[i]);
        std::vector<std::string> others = shown(all);
        others.erase(others.begin() + ptrdiff_t(i));
        // The bold piece of the aligned row keeps its columns, where no text stands now.
        if (all[i].kind == MarkKind::Alignment) others.back() = "p2 r9 4 0: ";
        EXPECT_EQ(shown(listMarks(state.document)), others) << shown(all[i]);
        EXPECT_EQ(state.currentPage, all[i].page);
        if (all[i].kind == MarkKind::Definition) {
            EXPECT_EQ(state.document.row(2, 3).text(TextField::DefinitionTexts), "");
            EXPECT_NE(state.document.row(2, 3).text(TextField::LinkTargets), "");
        }
        commands.dispatch(command::Undo);
        EXPECT_EQ(listMarks(state.document), all) << "back in one step: " << shown(all[i]);
    }
    commands.dispatch(command::Redo);
    EXPECT_EQ(listMarks(state.document).size(), all.size() - 1) << "Redo takes the last one again";
    commands.dispatch(command::Undo);

    // A list that lags a change names the next underline of row 7 by its old place: that
    // place now holds nothing, and nothing else goes.
    ASSERT_EQ(all[6].row, 7);
    commands.removeListedMark(all[6]);
    commands.removeListedMark(all[7]);
    std::vector<std::string> others = shown(all);
    others.erase(others.begin() + 6);
    EXPECT_EQ(shown(listMarks(state.document)), others);
}

} // namespace

TEST_F(MarkExportTest, TheListGroupsByPageKeepsItsPlaceFiltersKindsAndJumpsToAMark) {
    MarksListModel list(state.texts);
    list.refresh(state.document);
    ASSERT_EQ(list.rowCount(), 2);
    const QModelIndex page2 = list.index(1, 0);
    EXPECT_EQ(page2.data().toString(), "Page 2 (10)");
    ASSERT_EQ(list.rowCount(page2), 10);
    auto cell = [&](int row, int column, int role = Qt::DisplayRole) {
        return list.index(row, column, list.index(1, 0)).data(role);
    };
    EXPECT_EQ(cell(1, MarksListModel::Kind).toString(), "two colours");
    EXPECT_EQ(cell(1, MarksListModel::Colours, Qt::AccessibleTextRole).toString(),
              "#000000 on #ffff00");
    EXPECT_EQ(cell(1, MarksListModel::Colours, Qt::DecorationRole).value<QImage>().pixelColor(1, 1),
              QColor("#ffff00"));
    EXPECT_EQ(cell(3, MarksListModel::Target).toString(), "3");
    EXPECT_EQ(cell(4, MarksListModel::Definition).toString(), "one | two ~ three");
    EXPECT_EQ(cell(7, MarksListModel::Row).toString(), "9–11");
    EXPECT_EQ(cell(8, MarksListModel::Marked).toString(), "right");

    // A change on another page leaves this page's entries where they were.
    const QPersistentModelIndex link = list.index(3, 0, page2);
    addBoldPiece(state.document.editRow(3, 1), 1, 4, 6);
    list.refresh(state.document);
    EXPECT_EQ(list.rowCount(), 3);
    ASSERT_TRUE(link.isValid());
    EXPECT_EQ(list.markAt(link)->kind, MarkKind::Link);

    list.setKindShown(MarkKind::Underline, false);
    EXPECT_EQ(list.index(0, 0).data().toString(), "Page 2 (8)"); // page 1 had an underline only

    // The link's page with its characters selected; an aligned row's mark selects nothing.
    ASSERT_NE(list.markAt(link), nullptr) << "the entries around the hidden ones stay";
    interaction.showMark(*list.markAt(link));
    EXPECT_EQ(state.currentPage, 2);
    EXPECT_TRUE(interaction.mode().is(InteractionState::RangeSelected));
    EXPECT_EQ(interaction.mode().selection().start, 26);
    EXPECT_EQ(interaction.mode().selection().end, 28);
    EXPECT_TRUE(view.isEnabled(command::UnderlineLink));
    interaction.showMark(
        listMarksOfPage(state.document, 2).back()); // bold on the right-aligned row
    EXPECT_TRUE(interaction.mode().is(InteractionState::Idle));

    commands.dispatch(command::MarksList);
    EXPECT_TRUE(view.marksListShown);
    EXPECT_TRUE(view.isChecked(command::MarksList));
}
