#pragma once

#include "document/Document.h"

#include <QString>

namespace folia::bench {

// A document as a reader leaves it: `pages` full pages of varied prose (rows of up to 93
// characters), a third of the rows marked with pieces, bold, two colours, full lines,
// brackets, links and definitions. The same every run.
Document markedProse(int pages);

// Writes markedProse(pages) as "cache.04" into `folder`; returns the file's path.
QString writeMarkedCache(const QString& folder, int pages);

} // namespace folia::bench
