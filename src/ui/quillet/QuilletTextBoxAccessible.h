#pragma once

namespace folia {

// Lets screen readers read and edit the text box as the text field it is: its text, the
// caret, the selection and where each character stands. Safe to call more than once.
void installTextBoxAccessibility();

} // namespace folia
