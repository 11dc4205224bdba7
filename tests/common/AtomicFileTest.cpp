#include "common/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace folia;

namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    const bool written = writeFileAtomically(path, [](const AppendBytes& append) {
        append("half", 4);
        return false; // the writer dies half-way
    });
    EXPECT_FALSE(written);
    EXPECT_EQ(readAll(path), QByteArray("keep me"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(AtomicFile, ReplacesAReadOnlyFileAndFailsInAMissingFolder) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ro.txt");
    ASSERT_TRUE(writeFileAtomically(path, QByteArray("old")));
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_TRUE(writeFileAtomically(path, QByteArray("new")));
    EXPECT_EQ(readAll(path), QByteArray("new"));
    EXPECT_FALSE(writeFileAtomically(dir.filePath("no/such/folder/x"), QByteArray("x")));
}
