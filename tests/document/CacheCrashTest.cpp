// A child process takes snapshots of random changes, one after another, and is killed at
// a random moment; the next start must find cache.04 as it was before the snapshot in
// flight or as that snapshot makes it, byte for byte. FOLIA_CRASH_KILLS sets the number
// of kills: a few dozen by default, thousands for a long campaign.
#include "CacheChanges.h"
#include "document/CacheJournal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace folia;
using namespace folia::test;

namespace {

constexpr unsigned kSeed = 2026;

int killsToMake() {
    const int asked = qEnvironmentVariableIntValue("FOLIA_CRASH_KILLS");
    return asked > 0 ? asked : 40;
}

// The child's part: the snapshot of each change from `step` on, until it is killed.
// `completed` tells the parent how many changes are on disk.
[[noreturn]] void snapshotUntilKilled(Document& document, const QString& path, int step,
                                      std::atomic<int>* completed) {
    CacheSnapshot onDisk = snapshotOf(document);
    for (;; ++step) {
        changeAtRandom(document, kSeed, step);
        CacheSnapshot next = snapshotOf(document);
        if (!saveCacheChanges(onDisk, next, path)) _exit(3);
        onDisk = std::move(next);
        completed->store(step + 1);
    }
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a killed whole save leaves: its temporary file, which no start reads.
void removeTemporaries(const QTemporaryDir& dir) {
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        if (name != QStringLiteral("cache.04") && name != QStringLiteral("cache.04-journal"))
            QFile::remove(dir.filePath(name));
}

} // namespace

TEST(CacheCrash, AKilledSnapshotLeavesTheFileAsBeforeOrAsAfterIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cache.04"));
    void* shared = mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE,
                        MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    auto* completed = new (shared) std::atomic<int>(0);

    Document document = smallDocument(40);
    ASSERT_TRUE(saveCache(snapshotOf(document), path));
    std::mt19937 random(kSeed);
    int step = 0;
    int foundAfter = 0;
    const int kills = killsToMake();
    for (int kill = 0; kill < kills; ++kill) {
        completed->store(step);
        const pid_t child = fork();
        if (child == 0) snapshotUntilKilled(document, path, step, completed);
        usleep(useconds_t(random() % 30000));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself: " << status;

        for (const int done = completed->load(); step < done; ++step)
            changeAtRandom(document, kSeed, step);
        Document inFlight = copyOf(document);
        changeAtRandom(inFlight, kSeed, step);
        recoverJournal(path);
        const QByteArray found = fileBytes(path);
        const bool before = found == imageOf(snapshotOf(document));
        const bool after = found == imageOf(snapshotOf(inFlight));
        ASSERT_TRUE(before || after) << "kill " << kill << " at step " << step;
        if (!before) {
            document = std::move(inFlight);
            ++step;
            ++foundAfter;
        }
        ASSERT_FALSE(journalPending(path));
        removeTemporaries(dir);
    }
    std::printf("%d kills over %d snapshots; %d found the snapshot in flight complete\n", kills,
                step, foundAfter);
    munmap(shared, sizeof(std::atomic<int>));
}
