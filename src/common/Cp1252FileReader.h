#pragma once

#include "common/TextEncoding.h"

#include <QByteArray>

class QIODevice;

namespace folia {

class EventPump;

// Reads a text file piece by piece as Windows-1252 bytes, whatever encoding it is written
// in, so that a file of any length costs no more memory than one piece.
class Cp1252FileReader {
public:
    // Reads the whole file once to tell its encoding, then goes back to its start.
    Cp1252FileReader(QIODevice& device, EventPump& pump);

    // Fills `piece` with the next part of the text; false, leaving it empty, at the end of
    // the file. The same array may be passed every time, so that a piece costs no new
    // allocation.
    bool read(QByteArray& piece);
    qsizetype replacedCharacters() const { return m_transcoder.replacedCharacters(); }

private:
    QIODevice& m_device;
    EventPump& m_pump;
    TextEncoding m_encoding;
    Cp1252Transcoder m_transcoder;
};

} // namespace folia
