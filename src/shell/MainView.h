#pragma once

#include "MenuStates.h"

#include <QImage>
#include <QString>

namespace folia {

// What FOLIA's main window shows and lets the user do.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void setCaption(const QString& caption) = 0;
    // Every command as the menu should now show it; the window changes what differs.
    virtual void showMenuStates(const MenuStates& states) = 0;
    // Shows the 794 x 955 view surface, the page interaction's overlays painted over it.
    virtual void showView(const QImage& view) = 0;
    // Paints the overlays again over the view last shown (the view itself is unchanged).
    virtual void showOverlays() = 0;
    virtual void startBusyAnimation() = 0;
    virtual void stopBusyAnimation() = 0;
    virtual void focusPage() = 0;
    // Shows or hides the marks list beside the page.
    virtual void showMarksList(bool shown) = 0;
};

} // namespace folia
