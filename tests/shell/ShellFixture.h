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
        for (int page = 1; page <= pages; ++page)
            for (int row = 1; row <= rowsPerPage; ++row)
                putRow(state.document, page, row, "Row text of the document, plain words.");
        state.documentPresent = true;
        state.currentPage = 1;
    }
    QByteArray cacheBytes() const {
        QFile file(cachePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    const LineRecord& row(int r) const { return state.document.row(state.currentPage, r); }
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
