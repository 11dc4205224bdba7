#pragma once

#include "editor/TextSearch.h"

#include <QString>

namespace folia {

class EditorView;
class Prompts;
struct TextSet;

enum class FindRequest { FindNext, Replace, ReplaceAll };

// What the find and replace dialog asks of the editor, and the state it keeps between
// openings: the texts and options it shows, and the last text found.
class FindReplace {
public:
    // Find and replace texts hold at most this many characters.
    static constexpr qsizetype kTextCapacity = 255;

    FindReplace(EditorView& view, Prompts& prompts, const TextSet& texts);

    // The dialog's fields, preset at each opening and updated by each request.
    QString findText;
    QString replaceText;
    SearchOptions options;

    void handle(FindRequest request);

private:
    void findNext(const QString& text, qsizetype start, qsizetype end);
    void replaceOne(QString text, qsizetype start);
    void replaceEvery(const QString& text, qsizetype start);
    void showAndFocus(qsizetype start, qsizetype length);
    void tell(const QString& message);

    EditorView& m_view;
    Prompts& m_prompts;
    const TextSet& m_texts;
    QString m_lastFound; // trimmed and folded find text of the last find-next
};

} // namespace folia
