#pragma once

#include <QIODevice>

class QFile;

namespace folia {

// Opens the file read-only, but only when a regular file stands at its path: opening a
// pipe waits for a writer forever and a device may never end, so both count as no file.
// `extraFlags` are added to the read-only mode (Unbuffered, Text).
bool openRegularFileForReading(QFile& file, QIODevice::OpenMode extraFlags = {});

} // namespace folia
