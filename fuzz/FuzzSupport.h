#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace folia::fuzz {

// A fresh folder of this process, in memory where the system has one, that is also the
// program folder: every file a harness reads or writes stays inside it.
const QString& workFolder();
QString inWorkFolder(const QString& name);

// The application object that drawing text and decoding pictures need, made once.
void ensureGuiApplication();

QByteArray bytesOf(const uint8_t* data, size_t size);
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// A 30 × 40 picture, "p.png" in the work folder, for picture rows and lines to name:
// its 40 pixels take three rows below the one that names it.
void writeSamplePicture();

// A broken property: says which and aborts, so that the fuzzer keeps the input.
void check(bool holds, const char* property);

} // namespace folia::fuzz
