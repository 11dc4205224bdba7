#pragma once

#include "shell/AppState.h"
#include "shell/Ports.h"
#include "text/TextSet.h"
#include "view/GridText.h"
#include "view/PageRenderer.h"

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace folia::test {

class RecordingPrompts : public Prompts {
public:
    MessageAnswer message(const MessageRequest& request) override {
        messages.push_back(request);
        return MessageAnswer::Ok;
    }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<uint32_t> pickColour(uint32_t) override { return std::nullopt; }

    std::vector<MessageRequest> messages;
};

class RecordingView : public MainView {
public:
    void setCaption(const QString& text) override { caption = text; }
    void setCommandEnabled(int, bool) override {}
    void setCommandChecked(int, bool) override {}
    void rebuildMenu() override {}
    void showView(const QImage& view) override { shown = view.copy(); }
    void startBusyAnimation() override {}
    void stopBusyAnimation() override {}
    void focusPage() override {}

    QString caption;
    QImage shown;
};

// A one-page document whose rows the tests fill, rendered onto a white page.
class PageFixture : public ::testing::Test {
protected:
    static constexpr uint32_t kRed = 255, kBlue = 0xFF0000, kGreen = 0x00FF00;

    PageFixture() : state(englishTexts()) {
        state.document.pageCount = 1;
        state.settings.colours.horizontal = int32_t(kRed);
        state.settings.colours.vertical = int32_t(kBlue);
        state.settings.colours.link = int32_t(kGreen);
    }

    LineRecord& row(int r, const QByteArray& text = {}) {
        LineRecord& record = state.document.editRow(1, r);
        record.lineNumber = r;
        record.page = 1;
        record.lineOnPage = int16_t(r);
        record.setText(TextField::Text, text);
        return record;
    }

    const QImage& render(bool guideOn = false) {
        state.surfaces.renew(1);
        renderPage(state, 1, guideOn, prompts);
        return state.surfaces.page(1);
    }

    static bool isWhite(QRgb pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; }
    static QColor at(const QImage& image, int x, int y) { return QColor(image.pixel(x, y)); }
    // Whether any pixel of the rectangle differs from white.
    static bool hasInk(const QImage& image, const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (!isWhite(image.pixel(x, y))) return true;
        return false;
    }
    // The 8 x 16 cell of a column and row.
    static QRect cell(int column, int row) {
        return QRect(8 * (column - 1), 16 * (row - 1), 8, 16);
    }

    AppState state;
    RecordingPrompts prompts;
};

} // namespace folia::test
