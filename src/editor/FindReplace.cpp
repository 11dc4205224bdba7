#include "FindReplace.h"

#include "editor/EditorView.h"
#include "prompts/Prompts.h"
#include "text/TextSet.h"

namespace folia {

FindReplace::FindReplace(EditorView& view, Prompts& prompts, const TextSet& texts)
    : m_view(view), m_prompts(prompts), m_texts(texts) {}

void FindReplace::handle(FindRequest request) {
    findText.truncate(kTextCapacity);
    replaceText.truncate(kTextCapacity);
    const QString text = m_view.text();
    const auto [start, end] = m_view.selection();
    switch (request) {
    case FindRequest::FindNext:
        findNext(text, start, end);
        break;
    case FindRequest::Replace:
        replaceOne(text, start);
        break;
    case FindRequest::ReplaceAll:
        replaceEvery(text, start);
        break;
    }
}

void FindReplace::findNext(const QString& text, qsizetype start, qsizetype end) {
    qsizetype from = start;
    // Step past the occurrence that the last find selected (or past the caret at the
    // end), so that pressing Find Next again moves on.
    if ((start < end && foldCase(QStringView(text).mid(start, end - start)) == m_lastFound) ||
        end == text.size())
        from = start + 1;
    const TextSearch search(text, findText, options);
    const qsizetype found = search.searchFrom(from);
    if (found == 0) {
        tell(m_texts.noMatches);
        return;
    }
    m_lastFound = foldCase(findText.trimmed());
    showAndFocus(found - 1, findText.size());
}

void FindReplace::replaceOne(QString text, qsizetype start) {
    const qsizetype found = TextSearch(text, findText, options).searchFrom(start);
    if (found == 0) {
        tell(m_texts.noMatches);
        return;
    }
    text.replace(found - 1, findText.size(), replaceText);
    m_view.setText(text);
    // Go on after the text just put in (down), so that a replacement containing the
    // find text is not found again inside itself.
    const qsizetype resume = options.down ? found - 1 + replaceText.size() : found;
    const qsizetype next = TextSearch(text, findText, options).searchFrom(resume);
    if (next == 0) {
        tell(m_texts.noOtherResults);
        return;
    }
    showAndFocus(next - 1, findText.size());
}

void FindReplace::replaceEvery(const QString& text, qsizetype start) {
    const ReplaceAllResult result = replaceAll(text, start, findText, replaceText, options);
    if (result.count == 0) {
        tell(m_texts.noMatches);
        return;
    }
    m_view.setText(result.text);
    showAndFocus(result.lastStart, replaceText.size());
}

void FindReplace::showAndFocus(qsizetype start, qsizetype length) {
    m_view.select(start, start + length);
    m_view.focusText();
}

void FindReplace::tell(const QString& message) {
    m_prompts.tell(message, m_texts.find, MessageIcon::Information);
}

} // namespace folia
