#include "PictureCache.h"

#include <algorithm>

namespace folia {

PictureCache::PictureCache(qint64 budgetBytes) : m_budgetBytes(budgetBytes) {}

std::optional<QImage> PictureCache::find(const QString& path, qint64 size,
                                         const QDateTime& modified) {
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&](const Entry& entry) { return entry.path == path; });
    if (found == m_entries.end()) return std::nullopt;
    if (found->size != size || found->modified != modified) {
        drop(found); // the file changed: its picture is decoded again
        return std::nullopt;
    }
    m_entries.splice(m_entries.begin(), m_entries, found);
    return found->picture;
}

void PictureCache::keep(const QString& path, qint64 size, const QDateTime& modified,
                        const QImage& picture) {
    const auto old = std::find_if(m_entries.begin(), m_entries.end(),
                                  [&](const Entry& entry) { return entry.path == path; });
    if (old != m_entries.end()) drop(old);
    const qint64 bytes = picture.sizeInBytes();
    if (bytes > m_budgetBytes) return;
    while (!m_entries.empty() && m_bytesHeld + bytes > m_budgetBytes)
        drop(std::prev(m_entries.end()));
    m_entries.push_front({path, size, modified, picture});
    m_bytesHeld += bytes;
}

void PictureCache::drop(std::list<Entry>::iterator entry) {
    m_bytesHeld -= entry->picture.sizeInBytes();
    m_entries.erase(entry);
}

} // namespace folia
