#include "common/AtomicFile.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace folia;

namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
// Runs `write` as a user without privileges, in a child process when this one is root
// (as in CI), since root writes into any folder. Returns the failure the write gave, or
// nothing where no process may give up root (some containers).
std::optional<WriteFailure> failureAsUnprivilegedUser(const std::function<WriteResult()>& write) {
    if (geteuid() != 0) return write().failure;
    constexpr int kNoUnprivilegedUser = 255;
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(kNoUnprivilegedUser);
        _exit(static_cast<int>(write().failure));
    }
    if (child < 0) return std::nullopt;
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status)) {
        ADD_FAILURE() << "the write ended its process";
        return WriteFailure::Other;
    }
    if (WEXITSTATUS(status) == kNoUnprivilegedUser) return std::nullopt;
    return static_cast<WriteFailure>(WEXITSTATUS(status));
}
} // namespace

TEST(AtomicFile, WritesAndReplacesWholeFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bin");
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("first version")));
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("second")));
    EXPECT_EQ(readAll(path), QByteArray("second"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary left behind";
}

TEST(AtomicFile, AnAbandonedWriteKeepsThePreviousFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.bin");
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("keep me")));
    const WriteResult written = writeFileAtomically(path, [](const AppendBytes& append) {
        append("half", 4);
        return false; // the writer dies half-way
    });
    EXPECT_FALSE(written);
    EXPECT_EQ(readAll(path), QByteArray("keep me"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(AtomicFile, ReplacesAReadOnlyFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ro.txt");
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("old")));
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_TRUE(writeFileAtomically(path, QByteArray("new")));
    EXPECT_EQ(readAll(path), QByteArray("new"));
}

TEST(AtomicFile, AFullDiskKeepsTheWholePreviousFileAndSaysWhy) {
    QTemporaryDir dir;
    const QString path = dir.filePath("small.ini");
    const QByteArray previous(300, 'p');
    ASSERT_TRUE(writeFileAtomically(path, previous));
    WriteResult result;
    {
        // Small writes wait in a buffer: the disk fills up only when it is flushed.
        const test::FileSizeLimit limit(100);
        result = writeFileAtomically(path, QByteArray(200, 'n'));
    }
    EXPECT_FALSE(result);
    EXPECT_EQ(result.failure, WriteFailure::FileTooLarge);
    EXPECT_EQ(result.errorNumber, EFBIG);
    EXPECT_FALSE(result.systemText.isEmpty());
    EXPECT_EQ(readAll(path), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary left behind";
}

TEST(AtomicFile, NothingIsWrittenThroughAPipeADeviceOrAFolder) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString folder = dir.filePath("folder");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    for (const QString& path : {pipe, folder, QStringLiteral("/dev/null")}) {
        const WriteResult result = writeFileAtomically(path, QByteArray("x"));
        EXPECT_EQ(result.failure, WriteFailure::NotARegularFile) << path.toStdString();
    }
    EXPECT_FALSE(QFileInfo(pipe).isFile()) << "the pipe stays a pipe";
    EXPECT_TRUE(QFileInfo(folder).isDir());
    // A missing folder on the way is told as such.
    EXPECT_EQ(writeFileAtomically(dir.filePath("no/such/x"), QByteArray("x")).failure,
              WriteFailure::NoSuchFolder);
}

TEST(AtomicFile, AReadOnlyFolderKeepsThePreviousFileAndSaysWhy) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Configuracion.ini");
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("previous")));
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const std::optional<WriteFailure> failure =
        failureAsUnprivilegedUser([&path] { return writeFileAtomically(path, QByteArray("new")); });
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0700), 0);
    if (!failure) GTEST_SKIP() << "no unprivileged user can be made here";
    EXPECT_EQ(*failure, WriteFailure::AccessDenied);
    EXPECT_EQ(readAll(path), QByteArray("previous"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary left behind";
}
