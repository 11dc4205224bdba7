#pragma once

namespace folia {

class MainView;

// The enabling patterns of the marking commands. "Save Image" is set only at start-up and
// by "New", so no pattern but the document state touches it.
void applyNoDocumentMenu(MainView& view);
void applyDocumentMenu(MainView& view); // also the idle pattern of the page view
void applyTickMenu(MainView& view);
void applyRangeSelectedMenu(MainView& view);

} // namespace folia
