#pragma once

#include "shell/MainView.h"

namespace folia::bench {

// A main window that shows nothing: the benchmarks time the logic behind it.
class IdleView : public MainView {
public:
    void setCaption(const QString&) override {}
    void showMenuStates(const MenuStates&) override {}
    void showView(const QImage&) override {}
    void showOverlays() override {}
    void startBusyAnimation() override {}
    void stopBusyAnimation() override {}
    void focusPage() override {}
    void showMarksList(bool) override {}
};

} // namespace folia::bench
