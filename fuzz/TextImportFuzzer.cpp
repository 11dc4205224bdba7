// Any bytes as a text to import: the document must hold exactly the rows that the import
// rules give for the file's lines (65 a page, 113 characters a line, 200 pages at most,
// picture lines taking the rows of their picture's height), the file read whole in the
// encoding it is detected to be in, while the import reads it piece by piece.

#include "FuzzSupport.h"
#include "common/TextEncoding.h"
#include "document/TextImport.h"
#include "output/PictureLoader.h"
#include "shell/AppState.h"
#include "shell/DocumentActions.h"
#include "support/FakePorts.h"
#include "text/TextSet.h"

#include <QImage>
#include <algorithm>
#include <map>
#include <vector>

using namespace folia;

namespace {

struct ExpectedRow {
    int page = 0;
    int row = 0;
    int32_t lineNumber = 0;
    QByteArray text;
    bool pictureStart = false;
};

// The expected lines are slices of the input, which lives for the whole run, not copies.
QByteArray slice(const QByteArray& bytes, qsizetype from, qsizetype length) {
    return QByteArray::fromRawData(bytes.constData() + from, length);
}

// The lines of a file: ended by CR LF, LF or CR; an empty file is one empty line, and a
// line end at the very end starts no further line.
QList<QByteArray> linesOf(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.append(slice(bytes, start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size() || lines.isEmpty())
        lines.append(slice(bytes, start, bytes.size() - start));
    return lines;
}

// A stored text ends at its first zero byte.
QByteArray asStored(const QByteArray& text) {
    const qsizetype zero = text.indexOf('\0');
    return zero < 0 ? text : text.left(zero);
}

int pictureHeight(const QByteArray& path) {
    const auto picture = PictureLoader(PictureProblems()).load(path, 0, 0, false);
    return picture ? picture->height() : 0;
}

struct Expected {
    std::vector<ExpectedRow> rows; // in page and row order: the import fills them in order
    int pageCount = 1;
};

Expected expectedImport(const QByteArray& bytes) {
    Expected expected;
    std::map<QByteArray, int> heights; // a picture named on many lines is decoded once
    int page = 1, row = 0;
    int32_t counter = 0;
    for (const QByteArray& whole : linesOf(bytes)) {
        if (++row > Document::kRowsPerPage) {
            if (page == Document::kMaxPages) break;
            ++page;
            row = 1;
        }
        ++counter;
        const QByteArray line = slice(whole, 0, std::min<qsizetype>(whole.size(), 113));
        const auto path = picturePath(line);
        if (!path) {
            expected.rows.push_back({page, row, counter, asStored(line), false});
            continue;
        }
        auto known = heights.find(*path);
        if (known == heights.end()) known = heights.emplace(*path, pictureHeight(*path)).first;
        const int height = known->second;
        if (16 * (Document::kRowsPerPage - row) <= height) continue;
        expected.rows.push_back({page, row, counter, asStored(*path), true});
        for (int r = row + 1; r <= row + height / 16; ++r)
            expected.rows.push_back({page, r, counter, {}, false});
        row += height / 16;
        counter += height / 16;
    }
    expected.pageCount = page;
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::ensureGuiApplication();
    fuzz::writeSamplePicture();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString path = fuzz::inWorkFolder(QStringLiteral("cache.txt"));
    fuzz::writeFile(path, bytes);

    // One state for every run, as the program imports one file after another into the
    // same state: the previous input's rows must all go. Making a fresh one each time
    // would cost more than the import (its view surface alone is 3 MB).
    static AppState state(englishTexts());
    state.currentPage = Document::kMaxPages;
    test::RecordingView view;
    test::ScriptedPrompts prompts;
    fuzz::check(importTextFile(state, view, prompts, path), "an existing file is imported");

    const QByteArray stored = toCp1252Text(bytes).bytes;
    const Expected expected = expectedImport(stored);
    const Document& document = state.document;
    fuzz::check(document.pageCount == expected.pageCount, "the import fills the expected pages");
    fuzz::check(state.currentPage == 1, "the import ends on page 1");
    // Pages past both this text and the one before were empty before the import and
    // must still be: only the pages either text reached need looking at.
    static int pagesBefore = Document::kMaxPages;
    const int pagesToCheck = std::max(pagesBefore, expected.pageCount);
    pagesBefore = expected.pageCount;
    auto next = expected.rows.cbegin();
    for (int page = 1; page <= pagesToCheck; ++page) {
        for (int row = 1; row <= Document::kRowsPerPage; ++row) {
            const LineRecord& record = document.row(page, row);
            if (next == expected.rows.cend() || next->page != page || next->row != row) {
                fuzz::check(!record.isPresent(), "rows the text does not reach stay empty");
                continue;
            }
            const ExpectedRow& want = *next++;
            fuzz::check(record.lineNumber == want.lineNumber && record.page == page &&
                            record.lineOnPage == row,
                        "each row carries its line number and place");
            fuzz::check(record.text(TextField::Text) == want.text,
                        "each row holds its line, cut at 113 characters");
            fuzz::check((record.imageStart == 1) == want.pictureStart,
                        "a picture starts on its first row only");
        }
    }
    fuzz::check(next == expected.rows.cend(), "every row the text fills is where it belongs");
    return 0;
}
