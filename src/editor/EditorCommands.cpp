#include "EditorCommands.h"

#include "common/Cp1252.h"
#include "common/ProgramFolder.h"
#include "editor/EditorCommandIds.h"
#include "editor/EditorView.h"
#include "editor/FormattedFile.h"
#include "editor/LineLayout.h"
#include "editor/PlainTextFile.h"
#include "prompts/Prompts.h"
#include "prompts/WriteFailureReport.h"
#include "text/TextSet.h"

#include <QDir>
#include <QFileInfo>

namespace folia {

EditorCommands::EditorCommands(EditorView& view, Prompts& prompts, const TextSet& texts)
    : m_view(view), m_prompts(prompts), m_texts(texts) {}

bool EditorCommands::run(int commandId) {
    switch (commandId) {
    case editorCommand::New:
        newText();
        return true;
    case editorCommand::ReadPlainText:
        readPlainText();
        return true;
    case editorCommand::WriteWithFormat:
        writeWithFormat();
        return true;
    case editorCommand::WriteWithoutFormat:
        writeWithoutFormat();
        return true;
    case editorCommand::Author:
        showAuthor();
        return true;
    default:
        return false;
    }
}

void EditorCommands::refreshCounts() {
    const qsizetype lines = m_view.displayLineCount();
    m_view.showCounts(QString::number(lines) + m_texts.linesSuffix,
                      QString::number(fullPages(lines)) + m_texts.pagesSuffix);
}

void EditorCommands::newText() {
    m_view.setText(QString());
}

void EditorCommands::readPlainText() {
    chooseFile(DialogMode::Open);
    // A pipe or a device is not a text to load, and would leave the box empty.
    if (m_fileName.isEmpty() || !QFileInfo(m_fileName).isFile()) return;
    load(m_fileName);
}

void EditorCommands::readGivenFile(const QString& path) {
    // Named by the user rather than chosen in the dialog, a file that cannot be read is told.
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        tell(m_texts.notReadable + path);
        return;
    }
    m_fileName = path.left(kFileNameCapacity);
    load(path);
}

void EditorCommands::load(const QString& path) {
    const PlainText read = folia::readPlainText(path);
    m_view.setText(read.text);
    if (read.replacedCharacters > 0)
        tell(m_texts.loadedText + QStringLiteral("\r\n") + m_texts.charactersReplaced +
             QString::number(read.replacedCharacters));
    else
        tell(m_texts.loadedText);
}

void EditorCommands::writeWithFormat() {
    const QString text = m_view.text();
    warnIfUnencodable(text);
    const QString path = besideProgram(QLatin1String(kFormattedFileName));
    const auto lines = [this](const DisplayLineVisit& visit) { m_view.forEachDisplayLine(visit); };
    tellWritten(writeFormattedFile(path, text, lines), path, m_texts.formattedSaved);
}

void EditorCommands::writeWithoutFormat() {
    const QString text = m_view.text();
    if (!chooseFile(DialogMode::Save)) return;
    warnIfUnencodable(text);
    tellWritten(appendPlainText(m_fileName, text), m_fileName, m_texts.plainSaved);
}

void EditorCommands::showAuthor() {
    const QString crLf = QStringLiteral("\r\n");
    tell(m_texts.hopeUseful + crLf + m_texts.complementFor + crLf + m_texts.editorCredit + crLf +
         crLf + m_texts.visitMeEditor);
}

bool EditorCommands::chooseFile(DialogMode mode) {
    const QString current = m_fileName.trimmed();
    const QFileInfo info(current);
    FileDialogRequest request;
    if (!current.isEmpty()) {
        request.initialFolder = QDir::toNativeSeparators(info.path()).left(kFolderCapacity);
        request.initialName = info.fileName();
    }
    if (request.initialFolder.isEmpty()) request.initialFolder = QDir::currentPath();
    const bool open = mode == DialogMode::Open;
    // "txt" names the save filter in every language.
    request.filterDescription = open ? m_texts.textFilter : QStringLiteral("txt");
    request.filterPattern = QStringLiteral("*.*");
    request.defaultExtension = open ? m_texts.textFilter : QStringLiteral("txt");
    const std::optional<QString> chosen =
        open ? m_prompts.openFile(request) : m_prompts.saveFile(request);
    m_fileName = chosen.value_or(QString()).trimmed().left(kFileNameCapacity);
    return !m_fileName.isEmpty();
}

void EditorCommands::warnIfUnencodable(const QString& text) {
    if (!fitsCp1252(text))
        m_prompts.tell(m_texts.unencodableWarning, m_texts.programmerTitle, MessageIcon::Warning);
}

void EditorCommands::tell(const QString& message) {
    m_prompts.tell(message, m_texts.programmerTitle);
}

void EditorCommands::tellWritten(const WriteResult& result, const QString& path,
                                 const QString& message) {
    if (reportWriteFailure(m_prompts, m_texts, path, result)) tell(message);
}

} // namespace folia
