#pragma once

#include "common/AtomicFile.h"

#include <QString>
#include <optional>

namespace folia {

class EditorView;
class Prompts;
struct TextSet;

// The text box starts with this ruler: its 93 digits fill the first row and the star
// wraps onto the second, showing the writer where a FOLIA row ends.
inline const QString kRuler = QStringLiteral("12345678901234567890123456789012345678901234567890123"
                                             "4567890123456789012345678901234567890123*");

// The editor's file commands, its About message and its line and page counts.
class EditorCommands {
public:
    // The current file name holds at most this many characters, its folder 255.
    static constexpr qsizetype kFileNameCapacity = 273;
    static constexpr qsizetype kFolderCapacity = 255;

    EditorCommands(EditorView& view, Prompts& prompts, const TextSet& texts);

    // Runs a command of the Files menu by its id; false for an id it does not know.
    bool run(int commandId);
    void refreshCounts();

    void newText();
    void readPlainText();
    // Reads a text named when Quillet started as "Read plain text" reads a chosen one.
    void readGivenFile(const QString& path);
    void writeWithFormat();
    void writeWithoutFormat();
    void showAuthor();

    const QString& currentFileName() const { return m_fileName; }

private:
    enum class DialogMode { Open, Save };
    bool chooseFile(DialogMode mode);
    void load(const QString& path);
    void warnIfUnencodable(const QString& text);
    void tell(const QString& message);
    void tellWritten(const WriteResult& result, const QString& path, const QString& message);

    EditorView& m_view;
    Prompts& m_prompts;
    const TextSet& m_texts;
    QString m_fileName;
};

} // namespace folia
