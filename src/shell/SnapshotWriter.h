#pragma once

#include "document/CacheFile.h"

#include <QObject>
#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace folia {

class EventPump;

// Writes undo snapshots to the cache file on a thread of its own, one at a time, so that
// the window answers while the file is written. Everything else stays on the window
// thread: it hands over an immutable snapshot, and learns of the end of the write through
// the finished handler, which runs on the window thread.
class SnapshotWriter {
public:
    SnapshotWriter() = default;
    // Waits for a write in flight.
    ~SnapshotWriter();
    SnapshotWriter(const SnapshotWriter&) = delete;
    SnapshotWriter& operator=(const SnapshotWriter&) = delete;

    // Called on the window thread, from its event loop, once a write has ended. A write
    // started since may still be going on by then.
    void setFinishedHandler(std::function<void()> handler) {
        m_finishedHandler = std::move(handler);
    }

    // Held by a caller that waits for the write in flight and takes its result itself:
    // while a claim lives, the end of a write is not announced, since the finished
    // handler, run by the events the caller lets through as it waits, would take the
    // result first.
    class ResultClaim {
    public:
        explicit ResultClaim(SnapshotWriter& writer)
            : m_writer(writer), m_wasClaimed(std::exchange(writer.m_resultClaimed, true)) {}
        ~ResultClaim() { m_writer.m_resultClaimed = m_wasClaimed; }
        ResultClaim(const ResultClaim&) = delete;
        ResultClaim& operator=(const ResultClaim&) = delete;

    private:
        SnapshotWriter& m_writer;
        bool m_wasClaimed;
    };

    // Starts writing the snapshot to `path`: with CacheWriteScope::Changes only what
    // changed since the writer last wrote or was told of the file, the whole file when
    // it knows nothing of it. The caller has taken the result of the previous write; one
    // still going on is waited for first.
    void start(CacheSnapshot snapshot, const QString& path,
               CacheWriteScope scope = CacheWriteScope::Changes);
    // Tells the writer what the file at `path` holds, as it was just read. A write still
    // going on is waited for first.
    void fileWasRead(CacheSnapshot records, const QString& path);
    // True from the start of a write until its result has been taken.
    bool pending() const { return m_pending; }
    // True while the file is still being written.
    bool writing() const;
    // Waits for the end of the write, letting `pump` keep the window painting.
    void wait(EventPump* pump = nullptr);
    // The result of the write that has ended, once. Nothing while the file is still being
    // written or when no write is pending.
    std::optional<WriteResult> takeResult();

private:
    void join();

    // What the file holds: the records of the last write or read, and the stamp the file
    // had then, which tells whether another program has written it since.
    struct KnownFile {
        CacheSnapshot records;
        QString path;
        FileStamp stamp;
    };
    bool knowsFile(const QString& path) const;

    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    bool m_pending = false;
    std::optional<WriteResult> m_result;
    std::optional<KnownFile> m_onDisk; // used by the write in flight, if any
    std::function<void()> m_finishedHandler;
    bool m_resultClaimed = false; // see ResultClaim; used on the window thread only
    QObject m_windowThread;       // where the end of a write is announced
};

} // namespace folia
