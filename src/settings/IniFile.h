#pragma once

#include "common/AtomicFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

namespace folia {

// A private-profile settings file held in memory. Section and key names match without
// regard to case; writing a key replaces its value in place or adds what is missing, and
// every other line (comments, unknown keys and sections, their order) stays as it was.
// Lines end in CR LF when written; CR LF, LF or CR are accepted when read.
class IniFile {
public:
    static constexpr int kReadBufferSize = 260; // a value comes back with at most 259 bytes

    // An empty file when it does not exist or cannot be read.
    static IniFile load(const QString& path);
    static IniFile fromBytes(const QByteArray& bytes);

    // The value of the first matching key of the first matching section, or the
    // default when the section or key is missing.
    QByteArray value(QByteArrayView section, QByteArrayView key,
                     const QByteArray& defaultValue) const;
    void setValue(QByteArrayView section, QByteArrayView key, const QByteArray& value);

    QByteArray toBytes() const;
    // Written whole through the atomic helper; a failed write leaves the file as it was.
    WriteResult save(const QString& path) const;

private:
    // A section line with the lines after it up to the next section line: a key is
    // looked for among its own section's lines only.
    struct Section {
        QByteArray header; // the section line as read
        QByteArray name;
        QList<QByteArray> lines;
    };

    // Index of the first section with that name, or -1.
    qsizetype findSection(QByteArrayView name) const;

    QList<QByteArray> m_linesBeforeSections;
    QList<Section> m_sections;
};

} // namespace folia
