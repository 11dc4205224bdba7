#pragma once

#include <QString>

namespace folia {

// The label a menu shows for one of the text sets' menu texts: the text with the letter
// of its Alt key marked ("E&xit"). The text itself stays what screen readers say.
// A text without a chosen letter is shown as it is.
QString menuLabel(const QString& text);

} // namespace folia
