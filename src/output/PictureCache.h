#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>
#include <list>
#include <optional>

namespace folia {

// Pictures already decoded, by file: a page that is drawn again copies their pixels
// instead of decoding the file once more. An entry serves only while its file keeps the
// size and modification time it had when decoded. The least recently used pictures go
// when the cache outgrows its memory budget; a picture larger than the budget is not kept.
class PictureCache {
public:
    explicit PictureCache(qint64 budgetBytes = kDefaultBudgetBytes);

    // The file's picture as decoded before, or nothing when the file has changed since or
    // was never decoded.
    std::optional<QImage> find(const QString& path, qint64 size, const QDateTime& modified);
    void keep(const QString& path, qint64 size, const QDateTime& modified, const QImage& picture);

    qint64 bytesHeld() const { return m_bytesHeld; }

    static constexpr qint64 kDefaultBudgetBytes = 320LL * 1024 * 1024;

private:
    struct Entry {
        QString path;
        qint64 size = 0;
        QDateTime modified;
        QImage picture;
    };
    void drop(std::list<Entry>::iterator entry);

    std::list<Entry> m_entries; // most recently used first
    qint64 m_budgetBytes;
    qint64 m_bytesHeld = 0;
};

} // namespace folia
