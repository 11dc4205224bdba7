#include "FavouritesSession.h"

#include "AppState.h"
#include "prompts/Prompts.h"
#include "settings/PaletteImage.h"
#include "text/TextSet.h"
#include "text/WriteFailureText.h"

namespace folia {

FavouritesSession::FavouritesSession(AppState& state, Prompts& prompts)
    : m_state(state), m_prompts(prompts),
      m_palette(loadFavourites(favouritesPath()).value_or(FavouritePalette::fresh())),
      m_strip(
          selectedColourStrip(kStripSize, FavouritePalette::kWhite, state.texts.selectedColour)) {
    redraw();
}

void FavouritesSession::hover(int x, int y) {
    const std::optional<GridPosition> at = FavouritePalette::positionAt(x, y);
    if (at == m_hovered) return;
    m_hovered = at;
    m_shown = paletteImage(m_palette, m_hovered);
}

void FavouritesSession::chooseColour(int x, int y) {
    const std::optional<GridPosition> at = FavouritePalette::positionAt(x, y);
    // The picker runs its own loop: a second press meanwhile must not open another.
    if (!at || m_pickerOpen) return;
    m_pickerOpen = true;
    const std::optional<uint32_t> chosen = m_prompts.pickColour(kPickerStart);
    m_pickerOpen = false;
    if (!chosen) return;
    m_palette.setColour(*at, *chosen);
    m_changed = true;
    redraw();
}

void FavouritesSession::pickColour(int x, int y) {
    m_state.selectedColour = colourAt(m_drawn, x, y);
    showSelectedColour();
}

void FavouritesSession::save() {
    if (!write()) return;
    m_changed = false;
    const TextSet& t = m_state.texts;
    m_prompts.tell(t.coloursArchived, t.programmerTitle, MessageIcon::None, true);
}

bool FavouritesSession::exit() {
    if (!m_changed) return true;
    const TextSet& t = m_state.texts;
    const MessageAnswer answer = m_prompts.message(
        {t.saveBeforeExit, t.programmerTitle, MessageButtons::YesNo, MessageIcon::None, true});
    return answer != MessageAnswer::Yes || write();
}

void FavouritesSession::reset() {
    const TextSet& t = m_state.texts;
    const MessageAnswer answer =
        m_prompts.message({t.reallyReset + QStringLiteral("\r\n") + t.coloursWillBeLost,
                           t.programmerTitle, MessageButtons::YesNo, MessageIcon::None, true});
    if (answer != MessageAnswer::Yes) return;
    removeFavourites(favouritesPath());
    m_palette = FavouritePalette::fresh();
    redraw();
    m_state.selectedColour = FavouritePalette::kWhite;
    showSelectedColour();
}

bool FavouritesSession::write() {
    const WriteResult result = saveFavourites(m_palette, favouritesPath());
    if (result) return true;
    // "Err: ", the error number with a leading blank, then what went wrong with which file.
    const TextSet& t = m_state.texts;
    m_prompts.tell(QStringLiteral("Err:  ") + QString::number(result.errorNumber) +
                       QLatin1Char(' ') + writeFailureMessage(t, favouritesPath(), result),
                   t.programmerTitle, MessageIcon::None, true);
    return false;
}

void FavouritesSession::redraw() {
    m_drawn = paletteImage(m_palette);
    m_shown = paletteImage(m_palette, m_hovered);
}

void FavouritesSession::showSelectedColour() {
    m_strip = selectedColourStrip(kStripSize, m_state.selectedColour, m_state.texts.selectedColour);
}

} // namespace folia
