#include "SnapshotWriter.h"

#include "common/EventPump.h"

#include <QMetaObject>
#include <chrono>
#include <utility>

namespace folia {

SnapshotWriter::~SnapshotWriter() {
    join();
}

void SnapshotWriter::start(CacheSnapshot snapshot, const QString& path, CacheWriteScope scope) {
    join();
    m_done = false;
    m_pending = true;
    m_result.reset();
    m_thread = std::thread([this, snapshot = std::move(snapshot), path, scope]() mutable {
        const bool changesOnly = scope == CacheWriteScope::Changes && knowsFile(path);
        WriteResult written = changesOnly ? saveCacheChanges(m_onDisk->records, snapshot, path)
                                          : saveCache(snapshot, path);
        // After a failure the file's state is not known: the next snapshot writes it whole.
        if (written)
            m_onDisk = KnownFile{std::move(snapshot), path, fileStamp(path)};
        else
            m_onDisk.reset();
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
            m_result = std::move(written);
        }
        m_ended.notify_all();
        QMetaObject::invokeMethod(
            &m_windowThread,
            [this] {
                if (m_finishedHandler && !m_resultClaimed) m_finishedHandler();
            },
            Qt::QueuedConnection);
    });
}

void SnapshotWriter::fileWasRead(CacheSnapshot records, const QString& path) {
    join();
    m_onDisk = KnownFile{std::move(records), path, fileStamp(path)};
}

// Another program may have put a file in its place since: changes go in place only into
// the file the writer knows.
bool SnapshotWriter::knowsFile(const QString& path) const {
    return m_onDisk && m_onDisk->path == path && m_onDisk->stamp == fileStamp(path);
}

bool SnapshotWriter::writing() const {
    if (!m_thread.joinable()) return false;
    std::lock_guard lock(m_mutex);
    return !m_done;
}

void SnapshotWriter::wait(EventPump* pump) {
    if (!m_thread.joinable()) return;
    std::unique_lock lock(m_mutex);
    while (!m_done) {
        m_ended.wait_for(lock, std::chrono::milliseconds(10));
        if (pump && !m_done) {
            lock.unlock();
            pump->pump();
            lock.lock();
        }
    }
    lock.unlock();
    join();
}

std::optional<WriteResult> SnapshotWriter::takeResult() {
    if (!m_pending || writing()) return std::nullopt;
    join();
    m_pending = false;
    return std::exchange(m_result, std::nullopt);
}

void SnapshotWriter::join() {
    if (m_thread.joinable()) m_thread.join();
}

} // namespace folia
