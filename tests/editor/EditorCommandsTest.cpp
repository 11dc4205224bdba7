#include "editor/EditorCommands.h"
#include "FakeEditor.h"
#include "common/ProgramFolder.h"
#include "editor/EditorCommandIds.h"
#include "text/TextSet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

class EditorCommandsTest : public ::testing::Test {
protected:
    EditorCommandsTest() : m_commands(m_view, m_prompts, englishTexts()) {
        setProgramFolder(m_dir.path());
        m_view.setText(kRuler);
    }
    ~EditorCommandsTest() override { setProgramFolder(QString()); }

    QString lastMessage() const {
        return m_prompts.messages.isEmpty() ? QString() : m_prompts.messages.back().text;
    }

    QTemporaryDir m_dir;
    FakeEditorView m_view;
    ScriptedPrompts m_prompts;
    EditorCommands m_commands;
};

TEST_F(EditorCommandsTest, CountsShowDisplayLinesAndFullPages) {
    m_commands.refreshCounts();
    EXPECT_EQ(m_view.linesShown, "2 lines");
    EXPECT_EQ(m_view.pagesShown, "0 pages");
    m_view.setText(QString(131, u'\n'));
    m_commands.refreshCounts();
    EXPECT_EQ(m_view.linesShown, "132 lines");
    EXPECT_EQ(m_view.pagesShown, "2 pages");

    EditorCommands spanish(m_view, m_prompts, spanishTexts());
    m_view.setText(QString());
    spanish.refreshCounts();
    EXPECT_EQ(m_view.linesShown, QString::fromUtf8("1 líneas"));
}

TEST_F(EditorCommandsTest, WriteWithFormatWritesCacheTxtBesideTheProgram) {
    EXPECT_TRUE(m_commands.run(editorCommand::WriteWithFormat));
    EXPECT_EQ(readAll(m_dir.filePath("cache.txt")).size(), 98);
    EXPECT_EQ(lastMessage(), "Formatted saved text ...");
    EXPECT_EQ(m_prompts.messages.back().title, "Programmer");
    EXPECT_EQ(m_prompts.messages.back().icon, MessageIcon::None);

    m_commands.run(editorCommand::New);
    m_commands.run(editorCommand::WriteWithFormat);
    EXPECT_EQ(readAll(m_dir.filePath("cache.txt")), QByteArray("\r\n"));
}

TEST_F(EditorCommandsTest, AFailedWriteIsToldWithTheFileAndTheReason) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("cache.txt"));
    m_commands.writeWithFormat();
    ASSERT_EQ(m_prompts.messages.size(), 1) << "no \"saved\" after the failure";
    EXPECT_EQ(lastMessage(), "The file could not be written: " + m_dir.filePath("cache.txt") +
                                 "\r\nReason: a folder, a device or a pipe has that name.");

    m_prompts.messages.clear();
    const QString locked = m_dir.filePath("locked/notes.txt");
    m_prompts.fileAnswers.push_back(locked);
    m_commands.writeWithoutFormat();
    ASSERT_EQ(m_prompts.messages.size(), 1);
    EXPECT_EQ(lastMessage(), "The file could not be written: " + locked +
                                 "\r\nReason: its folder does not exist.");

    EditorCommands spanish(m_view, m_prompts, spanishTexts());
    m_prompts.fileAnswers.push_back(locked);
    spanish.writeWithoutFormat();
    EXPECT_EQ(lastMessage(),
              "No se pudo grabar el archivo: " + locked + "\r\nMotivo: su carpeta no existe.");
    EXPECT_EQ(m_prompts.messages.back().title, "Programador");
}

TEST_F(EditorCommandsTest, UnencodableCharactersAreAnnouncedBeforeTheWrite) {
    m_view.setText(QString::fromUtf8("x ∑"));
    m_commands.writeWithFormat();
    ASSERT_EQ(m_prompts.messages.size(), 2);
    EXPECT_EQ(m_prompts.messages[0].text, englishTexts().unencodableWarning);
    EXPECT_EQ(readAll(m_dir.filePath("cache.txt")), QByteArray("x ?\r\n"));
}

TEST_F(EditorCommandsTest, ReadPlainTextLoadsTheChosenFile) {
    const QString path = writeFile(m_dir.filePath("story.txt"), "first\r\nsecond");

    m_prompts.fileAnswers.push_back("  " + path + "  ");
    m_commands.run(editorCommand::ReadPlainText);
    EXPECT_EQ(m_view.text(), "first\nsecond\n");
    EXPECT_EQ(lastMessage(), "Loaded text ...");
    EXPECT_EQ(m_commands.currentFileName(), path) << "the name is trimmed";
    EXPECT_EQ(m_prompts.dialogs[0].filterDescription, "Text");
    EXPECT_EQ(m_prompts.dialogs[0].defaultExtension, "Text");

    // The next dialog opens in that file's folder with its name preset.
    m_prompts.fileAnswers.push_back(std::nullopt);
    m_commands.run(editorCommand::WriteWithoutFormat);
    EXPECT_EQ(m_prompts.dialogs[1].initialFolder, m_dir.path());
    EXPECT_EQ(m_prompts.dialogs[1].initialName, "story.txt");
    EXPECT_EQ(m_prompts.dialogs[1].filterDescription, "txt");
    EXPECT_EQ(m_prompts.messages.size(), 1) << "a cancelled dialog shows nothing";
}

TEST_F(EditorCommandsTest, AUtf8FileReadsAsWrittenAndCacheTxtStaysWindows1252) {
    const QString path = m_dir.filePath("cuento.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Cicer\xC3\xB3n \xCE\xBB"); // the lambda has no Windows-1252 byte
    file.close();
    m_prompts.fileAnswers.push_back(path);
    m_commands.readPlainText();
    EXPECT_EQ(m_view.text(), QString::fromUtf8("Cicerón ?\n"));
    EXPECT_EQ(lastMessage(), "Loaded text ...\r\n" + englishTexts().charactersReplaced + "1");
    m_commands.writeWithFormat();
    EXPECT_EQ(readAll(m_dir.filePath("cache.txt")), QByteArray("Cicer\xF3n ?\r\n\r\n"));
}

TEST_F(EditorCommandsTest, ReadingNothingOrAMissingFileChangesNothing) {
    m_prompts.fileAnswers.push_back(std::nullopt);
    m_commands.readPlainText();
    m_prompts.fileAnswers.push_back(m_dir.filePath("absent.txt"));
    m_commands.readPlainText();
    EXPECT_EQ(m_view.text(), kRuler);
    EXPECT_TRUE(m_prompts.messages.isEmpty());
}

TEST_F(EditorCommandsTest, AGivenFileIsReadAsReadPlainTextDoesOrTold) {
    const QString path = writeFile(m_dir.filePath("given.txt"), "given\r\n");
    m_commands.readGivenFile(path);
    EXPECT_EQ(m_view.text(), "given\n");
    EXPECT_EQ(lastMessage(), "Loaded text ...");
    EXPECT_EQ(m_commands.currentFileName(), path) << "preset in the next dialog";

    for (const QString& unreadable : {m_dir.filePath("absent.txt"), m_dir.path()}) {
        m_commands.readGivenFile(unreadable);
        EXPECT_EQ(lastMessage(), "The file could not be read: " + unreadable);
        EXPECT_EQ(m_view.text(), "given\n");
        EXPECT_EQ(m_commands.currentFileName(), path);
    }
}

TEST_F(EditorCommandsTest, WriteWithoutFormatAppendsEachTime) {
    const QString path = m_dir.filePath("plain.txt");
    m_view.setText("a\nb");
    m_prompts.fileAnswers = {path, path};
    m_commands.writeWithoutFormat();
    m_commands.writeWithoutFormat();
    EXPECT_EQ(readAll(path), QByteArray("a\r\nb\r\na\r\nb\r\n"));
    EXPECT_EQ(lastMessage(), "Plain saved text ...");
    m_commands.newText();
    m_prompts.fileAnswers = {path};
    m_commands.writeWithoutFormat();
    EXPECT_TRUE(readAll(path).endsWith("b\r\n\r\n"));
}

TEST_F(EditorCommandsTest, FileNamesAreCutAt273Characters) {
    m_prompts.fileAnswers.push_back(QString(300, u'n'));
    m_commands.readPlainText();
    EXPECT_EQ(m_commands.currentFileName().size(), 273);
}

TEST_F(EditorCommandsTest, AuthorShowsFiveLines) {
    m_commands.run(editorCommand::Author);
    const QStringList lines = lastMessage().split("\r\n");
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "I hope this little program will be useful to you ...");
    EXPECT_EQ(lines[1], "Complement for Trazza FOLIA ENGLISH");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "Visit me !!! ");
    EXPECT_FALSE(m_commands.run(editorCommand::Find)) << "find belongs to the window";
}

} // namespace
