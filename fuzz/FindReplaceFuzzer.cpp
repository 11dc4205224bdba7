// Any text, find text, replacement, caret and options: every search result must be an
// occurrence at the place reported, the first (or last, searching up) that the rules
// allow; Replace All must end and give what replacing one occurrence after another gives.

#include "FuzzSupport.h"
#include "common/Cp1252.h"
#include "editor/FakeEditor.h"
#include "editor/FindReplace.h"
#include "text/TextSet.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace folia;

namespace {

bool sameChar(QChar a, QChar b, bool matchCase) {
    return matchCase ? a == b : foldCase(a) == foldCase(b);
}

bool occursAt(const QString& text, const QString& find, qsizetype at, bool matchCase) {
    if (at < 0 || at + find.size() > text.size()) return false;
    for (qsizetype i = 0; i < find.size(); ++i)
        if (!sameChar(text[at + i], find[i], matchCase)) return false;
    return true;
}

bool standsAlone(const QString& text, qsizetype at, qsizetype length) {
    const bool before = at == 0 || isWordDelimiter(text[at - 1]);
    const bool after = at + length >= text.size() || isWordDelimiter(text[at + length]);
    return before && after;
}

bool accepted(const QString& text, const QString& find, qsizetype at, SearchOptions options) {
    return occursAt(text, find, at, options.matchCase) &&
           (!options.wholeWord || standsAlone(text, at, find.size()));
}

// The search routine by its rules, one position at a time: searching down the first
// accepted occurrence starting at p or later; searching up the last one ending before
// p - 1, where a rejected candidate moves that bound to its own start.
qsizetype searchByRules(const QString& text, const QString& find, SearchOptions options,
                        qsizetype p) {
    const qsizetype n = find.size();
    if (n == 0) return 0;
    if (options.down) {
        for (qsizetype at = std::max<qsizetype>(p, 0); at + n <= text.size(); ++at)
            if (accepted(text, find, at, options)) return at + 1;
        return 0;
    }
    qsizetype bound = p - 1; // an occurrence must end at or before this (exclusive end)
    for (qsizetype at = bound - n; at >= 0; at = bound - n) {
        while (at >= 0 && !occursAt(text, find, at, options.matchCase))
            --at;
        if (at < 0) return 0;
        if (!options.wholeWord || standsAlone(text, at, n)) return at + 1;
        bound = at;
    }
    return 0;
}

// Replace All as a user pressing Replace would: one occurrence after another, searching
// down again after the text just put in, searching up before it.
ReplaceAllResult replaceOneByOne(QString text, qsizetype start, const QString& find,
                                 const QString& replacement, SearchOptions options) {
    ReplaceAllResult result;
    for (qsizetype found = searchByRules(text, find, options, start); found != 0;) {
        const qsizetype at = found - 1;
        text.replace(at, find.size(), replacement);
        result.lastStart = at;
        ++result.count;
        found = searchByRules(text, find, options, options.down ? at + replacement.size() : found);
    }
    if (result.count > 0) result.text = text;
    return result;
}

QString takeText(FuzzedDataProvider& input, size_t maxLength) {
    const std::string bytes = input.ConsumeRandomLengthString(maxLength);
    return fromCp1252(bytes.data(), qsizetype(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const uint8_t flags = input.ConsumeIntegral<uint8_t>();
    const SearchOptions options{bool(flags & 1), bool(flags & 2), bool(flags & 4)};
    const QString find = takeText(input, 12);
    const QString replacement = takeText(input, 12);
    const auto caretSeed = input.ConsumeIntegral<uint16_t>();
    const QString text = takeText(input, 4096);
    const qsizetype caret = caretSeed % (text.size() + 1);

    // The routine itself, from the ends and around the caret.
    const TextSearch search(text, find, options);
    const qsizetype length = text.size();
    for (const qsizetype p :
         {qsizetype(0), qsizetype(1), caret - 1, caret, caret + 1, length - 1, length, length + 1})
        fuzz::check(search.searchFrom(p) == searchByRules(text, find, options, p),
                    "the search finds the occurrence its rules name");

    // Replace All in one pass against one replacement after another.
    const ReplaceAllResult all = replaceAll(text, caret, find, replacement, options);
    const ReplaceAllResult oneByOne = replaceOneByOne(text, caret, find, replacement, options);
    fuzz::check(all.count == oneByOne.count, "Replace All replaces what Replace would");
    if (all.count > 0)
        fuzz::check(all.text == oneByOne.text && all.lastStart == oneByOne.lastStart,
                    "Replace All gives the text and selection that Replace would");

    // The dialog's requests through the editor.
    test::FakeEditorView view;
    test::ScriptedPrompts prompts;
    view.setText(text);
    view.setCaret(caret);
    FindReplace dialog(view, prompts, englishTexts());
    dialog.findText = find;
    dialog.replaceText = replacement;
    dialog.options = options;
    // A replacement that holds the find text multiplies the text at each Replace All, so
    // a long run of them would outgrow any time limit without telling anything new.
    for (int requests = 0;
         input.remaining_bytes() > 0 && requests < 32 && view.text().size() <= 4096; ++requests) {
        const auto request = FindRequest(input.ConsumeIntegralInRange(0, 2));
        const QString before = view.text();
        const auto [start, end] = view.selection();
        const qsizetype told = prompts.messages.size();
        dialog.handle(request);
        const bool found = prompts.messages.size() == told;
        const auto [selStart, selEnd] = view.selection();
        switch (request) {
        case FindRequest::FindNext:
            fuzz::check(view.text() == before, "Find Next leaves the text alone");
            if (found)
                fuzz::check(selEnd - selStart == find.size() &&
                                accepted(before, find, selStart, options),
                            "Find Next selects an occurrence");
            break;
        case FindRequest::Replace: {
            const qsizetype first = searchByRules(before, find, options, start);
            if (first == 0) {
                fuzz::check(view.text() == before, "Replace without a match changes nothing");
                break;
            }
            QString replaced = before;
            replaced.replace(first - 1, find.size(), replacement);
            fuzz::check(view.text() == replaced, "Replace puts the text in at the occurrence");
            if (found)
                fuzz::check(selEnd - selStart == find.size() &&
                                accepted(replaced, find, selStart, options),
                            "Replace selects the next occurrence");
            break;
        }
        case FindRequest::ReplaceAll: {
            const ReplaceAllResult want =
                replaceOneByOne(before, start, find, replacement, options);
            fuzz::check(found == (want.count > 0), "Replace All tells when nothing matched");
            if (!found) break;
            fuzz::check(view.text() == want.text && selStart == want.lastStart &&
                            selEnd == want.lastStart + replacement.size(),
                        "Replace All shows the text and selects the last replacement");
            break;
        }
        }
        (void)end;
    }
    return 0;
}
