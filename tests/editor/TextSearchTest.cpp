#include "editor/TextSearch.h"
#include "FakeEditor.h"
#include "editor/FindReplace.h"
#include "text/TextSet.h"

#include <gtest/gtest.h>

using namespace folia;
using namespace folia::test;

namespace {

class FindReplaceTest : public ::testing::Test {
protected:
    FindReplaceTest() : m_logic(m_view, m_prompts, englishTexts()) {}

    void start(const QString& text, qsizetype caret, const QString& find,
               const QString& replace = {}, SearchOptions options = {}) {
        m_view.setText(text);
        m_view.setCaret(caret);
        m_logic.findText = find;
        m_logic.replaceText = replace;
        m_logic.options = options;
    }
    std::pair<qsizetype, qsizetype> selection() const { return m_view.selection(); }
    QString lastMessage() const {
        return m_prompts.messages.isEmpty() ? QString() : m_prompts.messages.back().text;
    }

    FakeEditorView m_view;
    ScriptedPrompts m_prompts;
    FindReplace m_logic;
};

SearchOptions wholeWord() {
    return {.down = true, .matchCase = false, .wholeWord = true};
}
SearchOptions up() {
    return {.down = false, .matchCase = false, .wholeWord = false};
}

qsizetype find(const QString& text, const QString& what, SearchOptions options = {}) {
    return TextSearch(text, what, options).searchFrom(0);
}

TEST(WholeWord, DelimitersBoundWordsButLineBreaksDoNot) {
    EXPECT_EQ(find("a cat.", "cat", wholeWord()), 3);
    EXPECT_EQ(find("(cat)", "cat", wholeWord()), 2);
    EXPECT_EQ(find("concat", "cat", wholeWord()), 0);
    EXPECT_EQ(find("cats", "cat", wholeWord()), 0);
    EXPECT_EQ(find("dog\ncat", "cat", wholeWord()), 0);
    EXPECT_EQ(find("cat", "cat", wholeWord()), 1);
    EXPECT_EQ(find("concat cat", "cat", wholeWord()), 8) << "a rejected candidate is skipped";
    EXPECT_EQ(find(QString::fromUtf8("¿cat?"), "cat", wholeWord()), 2);
    EXPECT_EQ(find("\tcat", "cat", wholeWord()), 0);
}

TEST(CaseFolding, AccentedCapitalsMatchTheirSmallLetters) {
    EXPECT_EQ(find(QString::fromUtf8("ÁRBOL"), QString::fromUtf8("árbol")), 1);
    EXPECT_EQ(find(QString::fromUtf8("ŠŒŽŸ"), QString::fromUtf8("šœžÿ")), 1);
    EXPECT_EQ(find(QString::fromUtf8("ÁRBOL"), QString::fromUtf8("árbol"),
                   {.down = true, .matchCase = true, .wholeWord = false}),
              0);
    EXPECT_EQ(foldCase(QChar(0xD7)), QChar(0xD7)) << "the multiplication sign has no case";
}

TEST_F(FindReplaceTest, FindNextDownWalksThroughAbcabc) {
    start("abcabc", 0, "abc");
    m_logic.handle(FindRequest::FindNext);
    EXPECT_EQ(selection(), std::make_pair(qsizetype(0), qsizetype(3)));
    m_logic.handle(FindRequest::FindNext);
    EXPECT_EQ(selection(), std::make_pair(qsizetype(3), qsizetype(6)));
    m_logic.handle(FindRequest::FindNext);
    EXPECT_EQ(lastMessage(), "No matches found");
    EXPECT_EQ(m_prompts.messages.back().title, "Find");
    EXPECT_EQ(m_prompts.messages.back().icon, MessageIcon::Information);
}

TEST_F(FindReplaceTest, FindNextUpSkipsTheOccurrenceEndingAtTheCaretOrSelected) {
    start("abcabcx", 6, "abc", {}, up()); // the caret directly after the second occurrence
    m_logic.handle(FindRequest::FindNext);
    EXPECT_EQ(selection(), std::make_pair(qsizetype(0), qsizetype(3)));

    start("abcabcabc", 9, "abc", {}, up());
    m_logic.handle(FindRequest::FindNext);
    EXPECT_EQ(selection(), std::make_pair(qsizetype(6), qsizetype(9)));
    m_logic.handle(FindRequest::FindNext); // the selected one is skipped
    EXPECT_EQ(selection(), std::make_pair(qsizetype(3), qsizetype(6)));
    m_logic.handle(FindRequest::FindNext);
    EXPECT_EQ(selection(), std::make_pair(qsizetype(0), qsizetype(3)));
    m_logic.handle(FindRequest::FindNext);
    EXPECT_EQ(lastMessage(), "No matches found");
}

TEST_F(FindReplaceTest, AFindTextWithSpacesFindsTheSameOccurrenceAgain) {
    start("a cat b cat", 0, " cat");
    m_logic.handle(FindRequest::FindNext);
    m_logic.handle(FindRequest::FindNext);
    EXPECT_EQ(selection(), std::make_pair(qsizetype(1), qsizetype(5)));
}

TEST_F(FindReplaceTest, ReplaceOneThenTheNext) {
    start("aXa", 0, "a", "b");
    m_logic.handle(FindRequest::Replace);
    EXPECT_EQ(m_view.text(), "bXa");
    EXPECT_EQ(selection(), std::make_pair(qsizetype(2), qsizetype(3)));
    m_logic.handle(FindRequest::Replace);
    EXPECT_EQ(m_view.text(), "bXb");
    EXPECT_EQ(lastMessage(), "No other results found");
}

TEST_F(FindReplaceTest, ReplaceAllFromTheCaretDown) {
    start("banana", 0, "a", "b");
    m_logic.handle(FindRequest::ReplaceAll);
    EXPECT_EQ(m_view.text(), "bbnbnb");
    EXPECT_EQ(selection(), std::make_pair(qsizetype(5), qsizetype(6)));

    start("banana", 2, "a", "o");
    m_logic.handle(FindRequest::ReplaceAll);
    EXPECT_EQ(m_view.text(), "banono") << "occurrences before the caret stay";

    start("xyz", 0, "a", "o");
    m_logic.handle(FindRequest::ReplaceAll);
    EXPECT_EQ(lastMessage(), "No matches found");
    EXPECT_EQ(m_view.text(), "xyz");
}

TEST_F(FindReplaceTest, ReplaceAllEndsWhenTheReplacementHoldsTheFindText) {
    start("a a a", 0, "a", "aa");
    m_logic.handle(FindRequest::ReplaceAll);
    EXPECT_EQ(m_view.text(), "aa aa aa");
    start("cat", 0, "at", "tat");
    m_logic.handle(FindRequest::ReplaceAll);
    EXPECT_EQ(m_view.text(), "ctat");
}

TEST(ReplaceAll, UpwardsReplacesWhatLiesBeforeTheCaret) {
    // An occurrence that ends at the caret is behind it when searching up.
    const ReplaceAllResult result = replaceAll("banana", 6, "a", "o", up());
    EXPECT_EQ(result.text, "bonona");
    EXPECT_EQ(result.lastStart, 1);
    EXPECT_EQ(replaceAll("banana", 4, "a", "o", up()).text, "bonana");
    EXPECT_EQ(replaceAll("a a a", 5, "a", "aa", up()).text, "aa aa a");
}

TEST(ReplaceAll, WholeWordSeesTheTextAsRewritten) {
    // After "cat" becomes "cat.", the next "cat" is preceded by a delimiter.
    EXPECT_EQ(replaceAll("catcat x", 0, "cat", "cat.", wholeWord()).count, 0);
    EXPECT_EQ(replaceAll("cat-cat", 0, "cat", "dog", wholeWord()).text, "dog-dog");
    EXPECT_EQ(replaceAll("cat cat", 0, "cat", "", wholeWord()).text, " ");
    EXPECT_EQ(
        replaceAll("a.a.", 4, "a", "", {.down = false, .matchCase = false, .wholeWord = true}).text,
        "..");
}

} // namespace
