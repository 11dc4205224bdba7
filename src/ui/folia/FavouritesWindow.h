#pragma once

#include "shell/FavouritesSession.h"

#include <QWidget>

class QPushButton;

namespace folia {

class ImageSurface;

// The favourite-colours window: the palette of 13 x 10 swatches, the selected-colour
// strip and "Save", "Reset" and "Exit". It has no owner, so the main window stays usable
// while it is open (its colour commands apply the selected colour); it closes when
// `companion` is closed.
class FavouritesWindow : public QWidget {
    Q_OBJECT
public:
    FavouritesWindow(AppState& state, Prompts& prompts, QWidget* companion);
    ~FavouritesWindow() override;

    QWidget* paletteArea() const;
    QWidget* strip() const;
    QPushButton* saveButton() const { return m_save; }
    QPushButton* resetButton() const { return m_reset; }
    QPushButton* exitButton() const { return m_exit; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showSession();
    // Arrows move the keyboard's swatch, Enter opens the picker, Space selects its colour.
    bool keyOnPalette(int key);

    FavouritesSession m_session;
    QWidget* m_companion;
    ImageSurface* m_palette;
    ImageSurface* m_strip;
    QPushButton* m_save;
    QPushButton* m_reset;
    QPushButton* m_exit;
    GridPosition m_keyboardCell;
};

} // namespace folia
