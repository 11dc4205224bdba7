#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace folia::test {

// A test that works on one file, named as the program names it, in a folder of its own.
class FileInTemporaryFolder : public ::testing::Test {
protected:
    explicit FileInTemporaryFolder(const QString& name) : path(dir.filePath(name)) {}

    void write(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read() {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString path;
};

} // namespace folia::test
