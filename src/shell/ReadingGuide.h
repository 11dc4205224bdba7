#pragma once

#include <optional>

namespace folia {

class Document;
struct AppState;
struct LineRecord;

// A row on a page where the reading-guide bar can stand.
struct GuidePlace {
    int page = 0;
    int row = 0;
    friend bool operator==(const GuidePlace&, const GuidePlace&) = default;
};

// The guide stops only on rows with text that are not pictures.
bool isGuideRow(const LineRecord& record);

// The searches walk a bounded stretch of the document and give nothing when it holds no
// row to stop on, so a document without text never makes them run forever.

// The first guide row from row 1 of `page` to the end of the document.
std::optional<GuidePlace> firstGuidePlace(const Document& document, int page);
// The next guide row after `from`, up to the last row of the last page.
std::optional<GuidePlace> nextGuidePlace(const Document& document, GuidePlace from);
// The previous guide row before `from`, down to row 1 of page 1.
std::optional<GuidePlace> previousGuidePlace(const Document& document, GuidePlace from);

// The view offset that keeps the guide row visible: rows from 52 on need the page
// scrolled up.
int guideViewOffset(int row);

// The reading guide of the page view: switching it on and moving it by a row. It changes
// the guide values of the settings, the current page and the offset; redrawing is the
// caller's.
class ReadingGuide {
public:
    explicit ReadingGuide(AppState& state) : m_state(state) {}

    bool isOn() const;
    // Puts the guide on its first row from the current page on; false (nothing changed)
    // when no row qualifies.
    bool switchOn();
    // Past the last guide row of the document (or before the first) the guide stays on
    // the row it stood on.
    void moveDown();
    void moveUp();

private:
    void standOn(GuidePlace place);
    GuidePlace current() const;

    AppState& m_state;
};

} // namespace folia
