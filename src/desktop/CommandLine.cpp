#include "CommandLine.h"

#include "text/TextSet.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace folia {
namespace {

constexpr int kUsageError = 2;

QString helpText(const ProgramCommand& command, const TextSet& texts) {
    const bool editor = command.program.kind == DesktopProgram::Kind::Editor;
    const QStringList lines{
        texts.usage + command.command + texts.usageOperands,
        editor ? texts.editorSummary : texts.foliaSummary,
        editor ? texts.editorFileHelp : texts.foliaFileHelp,
        QString(),
        texts.helpOption,
        texts.versionOption,
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString versionText(const ProgramCommand& command, const TextSet& texts) {
    return command.program.name + QLatin1Char(' ') + command.version + QLatin1Char('\n') +
           texts.licenceNotice + QLatin1Char('\n');
}

// One line naming the mistake, then the help, as the answer to a wrong command line.
CommandLine usageError(const ProgramCommand& command, const TextSet& texts, const QString& what,
                       const QString& argument) {
    CommandLine line;
    line.exitCode = kUsageError;
    line.errors = command.command + QStringLiteral(": ") + what + QLatin1Char('\'') + argument +
                  QStringLiteral("'\n") + helpText(command, texts);
    return line;
}

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments, const ProgramCommand& command,
                            const TextSet& texts) {
    CommandLine line;
    bool optionsEnded = false;
    QStringList files;
    for (const QString& argument : arguments) {
        const bool option = !optionsEnded && argument.startsWith(QLatin1Char('-')) &&
                            argument != QLatin1String("-");
        if (!option) {
            files.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help")) {
            line.exitCode = 0;
            line.output = helpText(command, texts);
            return line;
        } else if (argument == QLatin1String("--version")) {
            line.exitCode = 0;
            line.output = versionText(command, texts);
            return line;
        } else {
            return usageError(command, texts, texts.unknownOption, argument);
        }
    }
    if (files.size() > 1) return usageError(command, texts, texts.extraOperand, files[1]);
    // The program may later work from another folder; the path stays the one the user meant.
    if (!files.isEmpty() && !files[0].isEmpty()) line.file = QFileInfo(files[0]).absoluteFilePath();
    return line;
}

CommandLine readCommandLine(int argc, char** argv, const ProgramCommand& command,
                            const TextSet& texts) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLine line = readCommandLine(arguments, command, texts);
    if (!line.output.isEmpty()) print(stdout, line.output);
    if (!line.errors.isEmpty()) print(stderr, line.errors);
    return line;
}

int runProgram(int argc, char** argv, const ProgramCommand& build, const TextSet& texts,
               ProgramRun run) {
    const CommandLine line = readCommandLine(argc, argv, build, texts);
    if (line.exitCode) return *line.exitCode;
    // The desktop matches the window to this build's menu entry by these names.
    QGuiApplication::setApplicationName(build.program.name);
    QGuiApplication::setDesktopFileName(build.program.appId);
    return run(argv, texts, line.file);
}

} // namespace folia
