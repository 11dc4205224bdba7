#pragma once

#include "shell/AppState.h"
#include "shell/Ports.h"
#include "text/TextSet.h"

#include <QImage>
#include <map>
#include <vector>

namespace folia::testing {

// Records what the page view told the main window.
class RecordingMainView : public MainView {
public:
    void setCaption(const QString& caption) override { captions.push_back(caption); }
    void setCommandEnabled(int id, bool enabled) override { enabledById[id] = enabled; }
    void setCommandChecked(int id, bool checked) override { checkedById[id] = checked; }
    void rebuildMenu() override {}
    void showView(const QImage& view) override {
        lastView = view;
        ++viewsShown;
    }
    void startBusyAnimation() override {}
    void stopBusyAnimation() override {}
    void focusPage() override {}

    std::vector<QString> captions;
    std::map<int, bool> enabledById;
    std::map<int, bool> checkedById;
    QImage lastView;
    int viewsShown = 0;
};

// Records message boxes and answers OK; no other dialog is expected from the page view.
class RecordingPrompts : public Prompts {
public:
    MessageAnswer message(const MessageRequest& request) override {
        messages.push_back(request);
        return MessageAnswer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        ++unexpectedDialogs;
        return std::nullopt;
    }
    std::optional<QString> openFile(const FileDialogRequest&) override {
        ++unexpectedDialogs;
        return std::nullopt;
    }
    std::optional<QString> saveFile(const FileDialogRequest&) override {
        ++unexpectedDialogs;
        return std::nullopt;
    }
    std::optional<uint32_t> pickColour(uint32_t) override {
        ++unexpectedDialogs;
        return std::nullopt;
    }

    std::vector<MessageRequest> messages;
    int unexpectedDialogs = 0;
};

// A document of `pages` pages whose rows are filled by the test.
inline void makeDocument(AppState& state, int pages) {
    state.document.clear();
    state.document.pageCount = pages;
    state.documentPresent = pages > 0;
    state.currentPage = 1;
}

inline LineRecord& putRow(AppState& state, int page, int row, const QByteArray& text) {
    LineRecord& record = state.document.editRow(page, row);
    record.lineNumber = (page - 1) * 65 + row;
    record.page = page;
    record.lineOnPage = static_cast<int16_t>(row);
    record.setText(TextField::Text, text);
    return record;
}

// Pointer position on the control of grid cell (column, row), given the view offset.
inline int xOfColumn(int column) {
    return 8 * (column - 1) + 4;
}
inline int yOfRow(int row, int offset) {
    return 16 * (row - 1) + 8 + offset;
}

} // namespace folia::testing
