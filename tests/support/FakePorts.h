#pragma once

#include "shell/AppState.h"
#include "shell/MainView.h"
#include "support/DocumentRows.h"
#include "support/ScriptedPrompts.h"

#include <QImage>
#include <QList>
#include <functional>
#include <map>

namespace folia::test {

// Records what the program told its main window.
class RecordingView : public MainView {
public:
    void setCaption(const QString& text) override {
        caption = text;
        captions.append(text);
    }
    void showMenuStates(const MenuStates& states) override { menu = states; }
    void showView(const QImage& view) override {
        lastView = view;
        ++viewsShown;
    }
    void showOverlays() override { ++overlaysShown; }
    void startBusyAnimation() override {
        ++busyStarts;
        if (onBusyStart) onBusyStart();
    }
    void stopBusyAnimation() override { ++busyStops; }
    void focusPage() override { ++pageFocused; }

    bool isEnabled(int id) const {
        const auto found = menu.find(id);
        return found != menu.end() && found->second.enabled;
    }
    bool isChecked(int id) const {
        const auto found = menu.find(id);
        return found != menu.end() && found->second.checked;
    }
    int swatch(int id) const {
        const auto found = menu.find(id);
        return found == menu.end() ? -1 : found->second.swatch;
    }

    QString caption;
    QList<QString> captions;
    QImage lastView;
    int viewsShown = 0;
    int overlaysShown = 0;
    int busyStarts = 0;
    int busyStops = 0;
    int pageFocused = 0;
    std::function<void()> onBusyStart; // runs as the busy animation starts
    MenuStates menu;                   // as last shown
};

} // namespace folia::test
