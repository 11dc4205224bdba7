#pragma once

#include "common/ProgramFolder.h"
#include "document/CacheFile.h"
#include "shell/AppState.h"
#include "shell/CommandDispatcher.h"
#include "shell/PageInteraction.h"
#include "support/FakePorts.h"
#include "text/TextSet.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace folia::test {

// The program with scripted ports, living in a temporary program folder.
class ShellFixture : public ::testing::Test {
protected:
    ShellFixture() {
        setProgramFolder(folder.path());
        commands.setPause([this](int ms) { pausedMs += ms; });
    }
    ~ShellFixture() override { setProgramFolder(QString()); }

    // A document of `pages` pages, every row of every page carrying text.
    void makeDocument(int pages, int rowsPerPage = 65) {
        state.document.clear();
        state.history.clear();
        for (int page = 1; page <= pages; ++page)
            for (int row = 1; row <= rowsPerPage; ++row)
                putRow(state.document, page, row, "Row text of the document, plain words.");
        state.documentPresent = true;
        state.currentPage = 1;
    }
    // The cache file once the snapshot in flight has been written.
    QByteArray cacheBytes() {
        state.snapshots.wait();
        QFile file(cachePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    const LineRecord& row(int r) const { return state.document.row(state.currentPage, r); }
    PageViewMode& mode() { return interaction.mode(); }
    // A range selected as keys select it, from a view at rest.
    void selectRange(int r, int start, int end) {
        mode().selectByKeys(r, start);
        mode().moveRangeEnd(end);
    }
    // Tick mode on, when it is not, and these rows' ticks flipped.
    void tick(std::initializer_list<int> rows) {
        mode().tickModeOn(tickbox::Shape::Square);
        for (int r : rows)
            mode().toggleTick(r);
    }
    QByteArray list(int r, TextField field) const { return row(r).text(field); }

    QTemporaryDir folder;
    AppState state{englishTexts()};
    RecordingView view;
    ScriptedPrompts prompts;
    PageInteraction interaction{state, view, prompts};
    CommandDispatcher commands{state, view, prompts, interaction};
    int pausedMs = 0;
};

} // namespace folia::test
