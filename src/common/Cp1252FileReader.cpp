#include "Cp1252FileReader.h"

#include "EventPump.h"

#include <QIODevice>
#include <algorithm>

namespace folia {
namespace {

constexpr qint64 kPieceSize = 64 * 1024;

// Reads into the same array every time: a fresh one for each piece would cost an
// allocation as large as the piece. A read error ends the file.
bool readPiece(QIODevice& device, EventPump& pump, QByteArray& piece) {
    piece.resize(kPieceSize);
    piece.resize(std::max<qint64>(device.read(piece.data(), kPieceSize), 0));
    pump.pump();
    return !piece.isEmpty();
}

TextEncoding detectAndRewind(QIODevice& device, EventPump& pump) {
    EncodingDetector detector;
    QByteArray piece;
    while (readPiece(device, pump, piece))
        detector.feed(piece);
    device.seek(0);
    return detector.encoding();
}

} // namespace

Cp1252FileReader::Cp1252FileReader(QIODevice& device, EventPump& pump)
    : m_device(device), m_pump(pump), m_encoding(detectAndRewind(device, pump)),
      m_transcoder(m_encoding) {}

bool Cp1252FileReader::read(QByteArray& piece) {
    if (m_encoding == TextEncoding::Windows1252) return readPiece(m_device, m_pump, piece);
    // A piece that ends inside a character may convert to nothing yet.
    while (readPiece(m_device, m_pump, piece)) {
        piece = m_transcoder.convert(piece);
        if (!piece.isEmpty()) return true;
    }
    return false;
}

} // namespace folia
