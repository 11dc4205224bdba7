#pragma once

#include "DesktopEntry.h"

#include <QStringList>
#include <optional>

namespace folia {

struct TextSet;

// A program build as a terminal user starts it.
struct ProgramCommand {
    DesktopProgram program;
    QString command; // what the user types: the launcher's name
    QString version;
};

// What the command line asks of the program.
struct CommandLine {
    std::optional<int> exitCode; // set when the program answers and ends without a window
    QString output;              // the answer for standard output
    QString errors;              // the answer for standard error
    QString file;                // the text to open once the window is up; empty for none
};

// Reads the arguments that follow the program's path, as GNU programs do: --help and
// --version answer and end with 0; an unknown option or a second file is told with the help
// and ends with 2; "--" ends the options. A file is given as an absolute path.
CommandLine readCommandLine(const QStringList& arguments, const ProgramCommand& command,
                            const TextSet& texts);

// The same for the process's arguments, printing the answer. It needs no display and no
// application object, so --help and --version work where no window can open.
CommandLine readCommandLine(int argc, char** argv, const ProgramCommand& command,
                            const TextSet& texts);

// Runs a program build: answers its command line, and unless that ends the program, names
// the application as the build's menu entry knows it and calls `run` with the file to open.
using ProgramRun = int (*)(char** argv, const TextSet& texts, const QString& file);
int runProgram(int argc, char** argv, const ProgramCommand& build, const TextSet& texts,
               ProgramRun run);

} // namespace folia
