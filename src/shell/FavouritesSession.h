#pragma once

#include "settings/FavouritePalette.h"

#include <QImage>

namespace folia {

struct AppState;
class Prompts;

// The favourite-colours window without the window: the palette and its file, the colour
// picker, the selected colour and the questions. The window shows the two pictures and
// forwards the pointer and the buttons.
class FavouritesSession {
public:
    static constexpr QSize kAreaSize{334, 258};       // the palette area inside its border
    static constexpr QSize kStripSize{334, 48};       // the selected-colour strip likewise
    static constexpr uint32_t kPickerStart = 8421504; // grey 128, 128, 128

    // Opening: the palette of "Mis Colores.log", or 130 white swatches without one.
    FavouritesSession(AppState& state, Prompts& prompts);

    // What the palette area shows: the swatches, the one under the pointer outlined white.
    const QImage& paletteArea() const { return m_shown; }
    const QImage& strip() const { return m_strip; }
    // "Save" is offered while the palette has changes that are not in the file.
    bool saveEnabled() const { return m_changed; }

    // The pointer moved to a point of the palette area.
    void hover(int x, int y);
    // Left button: the picker gives the swatch under the pointer a new colour.
    void chooseColour(int x, int y);
    // Right button: the colour under the pointer becomes the selected colour.
    void pickColour(int x, int y);

    void save();
    // "Exit": asks whether to keep unsaved changes. False when the window should stay
    // open because they could not be written.
    bool exit();
    void reset();

private:
    bool write();
    void redraw();
    void showSelectedColour();

    AppState& m_state;
    Prompts& m_prompts;
    FavouritePalette m_palette;
    QImage m_drawn; // the swatches alone, as right clicks read them
    QImage m_shown;
    QImage m_strip;
    std::optional<GridPosition> m_hovered;
    bool m_changed = false;
    bool m_pickerOpen = false;
};

} // namespace folia
