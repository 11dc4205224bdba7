#pragma once

#include <QImage>
#include <QString>

namespace folia {

// What FOLIA's main window shows and lets the user do.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void setCaption(const QString& caption) = 0;
    virtual void setCommandEnabled(int commandId, bool enabled) = 0;
    virtual void setCommandChecked(int commandId, bool checked) = 0;
    // Rebuilds the menu bar, so that the colour swatches show the current colours.
    virtual void rebuildMenu() = 0;
    // Shows the 794 x 955 view surface.
    virtual void showView(const QImage& view) = 0;
    virtual void startBusyAnimation() = 0;
    virtual void stopBusyAnimation() = 0;
    virtual void focusPage() = 0;
};

} // namespace folia
