#include "desktop/CommandLine.h"
#include "text/TextSet.h"

#include <QDir>
#include <gtest/gtest.h>

namespace folia {
namespace {

const ProgramCommand kFolia{
    {DesktopProgram::Kind::Folia, "org.example.folia.Folia", "FOLIA", "org.example.folia.Folia"},
    "folia-es",
    "1.0"};
const ProgramCommand kEditor{{DesktopProgram::Kind::Editor, "org.example.folia.Quillet", "Quillet",
                              "org.example.folia.Quillet"},
                             "quillet",
                             "1.0"};

QStringList linesOf(const QString& text) {
    return text.split(QLatin1Char('\n'));
}

TEST(CommandLine, HelpAndVersionAnswerInTheBuildsLanguageAndEnd) {
    CommandLine line = readCommandLine({"--help"}, kEditor, englishTexts());
    EXPECT_EQ(line.exitCode, 0);
    EXPECT_TRUE(line.errors.isEmpty());
    QStringList lines = linesOf(line.output);
    EXPECT_EQ(lines[0], "Usage: quillet [OPTION]... [FILE]");
    EXPECT_TRUE(lines.contains(englishTexts().editorFileHelp));
    EXPECT_TRUE(lines.contains("      --version  output version information and exit"));

    line = readCommandLine({"notes.txt", "--version"}, kFolia, spanishTexts());
    EXPECT_EQ(line.exitCode, 0);
    lines = linesOf(line.output);
    EXPECT_EQ(lines[0], "FOLIA 1.0");
    EXPECT_TRUE(lines[1].startsWith("Licencia GPL-3.0-or-later"));
    EXPECT_TRUE(lines[2].startsWith("Esto es software libre"));
}

TEST(CommandLine, AWrongOptionOrASecondFileIsToldWithTheHelp) {
    const QString help = readCommandLine({"--help"}, kFolia, spanishTexts()).output;
    CommandLine line = readCommandLine({"--frobnicate", "--help"}, kFolia, spanishTexts());
    EXPECT_EQ(line.exitCode, 2);
    EXPECT_TRUE(line.output.isEmpty());
    EXPECT_EQ(line.errors,
              QString::fromUtf8("folia-es: opción no reconocida '--frobnicate'\n") + help);

    line = readCommandLine({"a.txt", "-x", "b.txt"}, kEditor, englishTexts());
    EXPECT_EQ(linesOf(line.errors)[0], "quillet: unrecognized option '-x'");
    line = readCommandLine({"a.txt", "b.txt"}, kEditor, englishTexts());
    EXPECT_EQ(line.exitCode, 2);
    EXPECT_EQ(linesOf(line.errors)[0], "quillet: extra operand 'b.txt'");
}

TEST(CommandLine, TheFileIsKeptAsAnAbsolutePath) {
    CommandLine line = readCommandLine({"notes.txt"}, kFolia, englishTexts());
    EXPECT_FALSE(line.exitCode);
    EXPECT_EQ(line.file, QDir::current().absoluteFilePath("notes.txt"));
    // After "--" and alone, a dash starts a file name.
    EXPECT_EQ(readCommandLine({"--", "--help"}, kFolia, englishTexts()).file,
              QDir::current().absoluteFilePath("--help"));
    EXPECT_EQ(readCommandLine({"-"}, kFolia, englishTexts()).file,
              QDir::current().absoluteFilePath("-"));
    EXPECT_TRUE(readCommandLine({}, kFolia, englishTexts()).file.isEmpty());
}

} // namespace
} // namespace folia
