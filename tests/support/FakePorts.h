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
    void setCommandEnabled(int id, bool enabled) override { enabled_[id] = enabled; }
    void setCommandChecked(int id, bool checked) override { checked_[id] = checked; }
    void rebuildMenu() override { ++menuBuilds; }
    void showView(const QImage& view) override {
        lastView = view;
        ++viewsShown;
    }
    void startBusyAnimation() override {
        ++busyStarts;
        if (onBusyStart) onBusyStart();
    }
    void stopBusyAnimation() override { ++busyStops; }
    void focusPage() override { ++pageFocused; }

    bool isEnabled(int id) const {
        const auto found = enabled_.find(id);
        return found != enabled_.end() && found->second;
    }
    bool isChecked(int id) const {
        const auto found = checked_.find(id);
        return found != checked_.end() && found->second;
    }

    QString caption;
    QList<QString> captions;
    QImage lastView;
    int viewsShown = 0;
    int menuBuilds = 0;
    int busyStarts = 0;
    int busyStops = 0;
    int pageFocused = 0;
    std::function<void()> onBusyStart; // runs as the busy animation starts

private:
    std::map<int, bool> enabled_;
    std::map<int, bool> checked_;
};

} // namespace folia::test
