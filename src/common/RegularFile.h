#pragma once

class QFile;

namespace folia {

// Opens the file read-only, but only when a regular file stands at its path: opening a
// pipe waits for a writer forever and a device may never end, so both count as no file.
bool openRegularFileForReading(QFile& file);

} // namespace folia
