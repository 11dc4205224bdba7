#include "TextImport.h"

#include "Document.h"
#include "common/Cp1252FileReader.h"
#include "common/EventPump.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace folia {
namespace {

constexpr qsizetype kStoredLineLength = 113;
constexpr int kRowHeight = 16;

// Reads a file line by line in fixed pieces: a line is kept only up to the length that
// is stored, so a file without line ends costs no more memory than a short one.
class LineReader {
public:
    explicit LineReader(Cp1252FileReader& source) : m_source(source) {}

    bool atEnd() { return m_pos == m_buffer.size() && !refill(); }

    // The next line without its end (CR LF, LF or CR), cut to `keep` bytes.
    QByteArray next(qsizetype keep) {
        QByteArray line;
        while (m_pos < m_buffer.size() || refill()) {
            const char* begin = m_buffer.constData() + m_pos;
            const char* end = m_buffer.constData() + m_buffer.size();
            const char* stop =
                std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
            line.append(begin, std::min<qsizetype>(stop - begin, keep - line.size()));
            m_pos += stop - begin;
            if (stop == end) continue;
            ++m_pos;
            if (*stop == '\r' && (m_pos < m_buffer.size() || refill()) && m_buffer[m_pos] == '\n')
                ++m_pos;
            break;
        }
        return line;
    }

private:
    bool refill() {
        m_pos = 0;
        return m_source.read(m_buffer);
    }

    Cp1252FileReader& m_source;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
};

// Fills the document row by row, page after page.
class Importer {
public:
    Importer(Document& document, const PictureHeight& pictureHeight, const PageStarted& pageStarted)
        : m_document(document), m_pictureHeight(pictureHeight), m_pageStarted(pageStarted) {}

    void start() {
        m_document.clear();
        beginPage(1);
    }

    // Places the next line; false once the document is full and the line was dropped.
    bool add(const QByteArray& line) {
        if (++m_row > Document::kRowsPerPage) {
            if (m_page == Document::kMaxPages) return false;
            beginPage(m_page + 1);
            m_row = 1;
        }
        ++m_lineCounter;
        if (const auto path = picturePath(line))
            placePicture(*path);
        else
            placeText(line);
        return true;
    }

private:
    void beginPage(int page) {
        m_page = page;
        m_document.pageCount = page;
        m_pageStarted(page);
    }

    LineRecord& placeRow(int row) {
        LineRecord& record = m_document.editRow(m_page, row);
        record.lineNumber = m_lineCounter;
        record.page = m_page;
        record.lineOnPage = static_cast<int16_t>(row);
        return record;
    }

    void placeText(const QByteArray& line) { placeRow(m_row).setText(TextField::Text, line); }

    // A picture takes its first row and one more for every full 16 pixels of its height,
    // all with the same line number; one that does not fit on the rest of the page is
    // dropped and leaves its row empty. A missing file (height 0) still takes its row.
    void placePicture(const QByteArray& path) {
        const int height = m_pictureHeight(path);
        if (kRowHeight * (Document::kRowsPerPage - m_row) <= height) return;
        const int extraRows = height / kRowHeight;
        for (int row = m_row; row <= m_row + extraRows; ++row)
            placeRow(row);
        LineRecord& first = m_document.editRow(m_page, m_row);
        first.setText(TextField::Text, path);
        first.imageStart = 1;
        m_row += extraRows;
        m_lineCounter += extraRows;
    }

    Document& m_document;
    const PictureHeight& m_pictureHeight;
    const PageStarted& m_pageStarted;
    int m_page = 1;
    int m_row = 0;
    int32_t m_lineCounter = 0;
};

bool openForReading(QFile& file) {
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace

std::optional<QByteArray> picturePath(const QByteArray& line) {
    if (!line.startsWith("{@@") || !line.endsWith('}')) return std::nullopt;
    // Everything after the first comma up to the closing brace. A path may itself hold
    // commas, so it is not cut at the next one.
    const qsizetype comma = line.indexOf(',');
    if (comma < 0) return QByteArray();
    return line.mid(comma + 1).chopped(1);
}

bool isReadableTextFile(const QString& path) {
    QFile file(path);
    return openForReading(file);
}

std::optional<ImportedText> importText(Document& document, const PictureHeight& pictureHeight,
                                       const QString& path, const PageStarted& pageStarted) {
    QFile file(path);
    if (!openForReading(file)) return std::nullopt;

    EventPump pump;
    Cp1252FileReader source(file, pump);
    LineReader reader(source);
    Importer importer(document, pictureHeight, pageStarted);
    importer.start();
    // Even an empty file gives one (empty) line.
    bool full = !importer.add(reader.next(kStoredLineLength));
    while (!full && !reader.atEnd()) {
        full = !importer.add(reader.next(kStoredLineLength));
        pump.pump();
    }
    return ImportedText{source.replacedCharacters()};
}

} // namespace folia
