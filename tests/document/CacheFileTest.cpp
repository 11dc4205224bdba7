#include "document/CacheFile.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace folia;

namespace {

constexpr qint64 kRecord = LineRecord::kImageSize;

class CacheFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("cache.04");

    static void addRow(Document& d, int page, int row, int lineNumber, const QByteArray& text) {
        LineRecord& r = d.editRow(page, row);
        r.lineNumber = lineNumber;
        r.page = page;
        r.lineOnPage = static_cast<int16_t>(row);
        r.setText(TextField::Text, text);
        d.pageCount = std::max(d.pageCount, page);
    }
    QByteArray fileBytes() {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // A record image with every byte set, terminators in the middle of the texts.
    static QByteArray busyImage(int page, int row, int seed) {
        QByteArray image(kRecord, '\0');
        for (qint64 i = 0; i < kRecord; ++i)
            image[i] = char((i * 37 + seed) % 250 + 1);
        auto put32 = [&](int at, int32_t v) {
            for (int i = 0; i < 4; ++i)
                image[at + i] = char((uint32_t(v) >> (8 * i)) & 0xFF);
        };
        put32(0, row + 100);
        put32(4, page);
        image[26926] = char(row);
        image[26927] = 0;
        put32(2058, 77);    // markSerial copy
        put32(14494, 1234); // reservedValue copy
        image[8 + 20] = 0;  // line text ends early; what follows must survive
        image[122 + 5] = 0;
        return image;
    }
};

} // namespace

TEST_F(CacheFileTest, ARealFileRoundTripsByteForByte) {
    QByteArray original;
    for (int row = 1; row <= 65; ++row)
        original += busyImage(1, row, row);
    for (int row = 1; row <= 3; ++row)
        original += busyImage(2, row, 90 + row);
    writeFile(original);
    Document d;
    ASSERT_TRUE(loadCache(d, path));
    EXPECT_EQ(d.pageCount, 2);
    EXPECT_EQ(d.markSerial, 77);
    EXPECT_EQ(d.reservedValue, 1234);
    ASSERT_TRUE(saveCache(d, path));
    EXPECT_EQ(fileBytes(), original);
}

TEST_F(CacheFileTest, OnlyPresentRowsAreWrittenInPageAndRowOrder) {
    Document d;
    for (int row = 65; row >= 1; --row)
        addRow(d, 1, row, row, "line");
    addRow(d, 2, 3, 68, "c");
    addRow(d, 2, 1, 66, "a");
    addRow(d, 2, 2, 67, "b");
    d.editRow(2, 10).setText(TextField::Text, "not present"); // lineNumber 0
    d.markSerial = 5;
    ASSERT_TRUE(saveCache(d, path));
    const QByteArray bytes = fileBytes();
    ASSERT_EQ(bytes.size(), 68 * kRecord);
    EXPECT_EQ(bytes.mid(65 * kRecord + 8, 1), "a");
    EXPECT_EQ(bytes.mid(67 * kRecord + 8, 1), "c");

    d.editRow(2, 10).forceKeep = 1;
    ASSERT_TRUE(saveCache(d, path));
    EXPECT_EQ(fileBytes().size(), 69 * kRecord) << "a kept record counts as present";
}

TEST_F(CacheFileTest, MarkSerialComesBackEvenWhenTheFirstPageHasNoMarks) {
    Document d;
    addRow(d, 1, 1, 1, "plain");
    addRow(d, 3, 1, 2, "marked");
    d.markSerial = 42;
    ASSERT_TRUE(saveCache(d, path));
    Document again;
    ASSERT_TRUE(loadCache(again, path));
    EXPECT_EQ(again.markSerial, 42);
    EXPECT_EQ(again.pageCount, 3);
    EXPECT_EQ(again.row(3, 1).text(TextField::Text), QByteArray("marked"));
}

TEST_F(CacheFileTest, AFileOutOfOrderKeepsAllItsPages) {
    writeFile(busyImage(3, 1, 1) + busyImage(1, 1, 2));
    Document d;
    ASSERT_TRUE(loadCache(d, path));
    EXPECT_EQ(d.pageCount, 3);
    ASSERT_TRUE(saveCache(d, path));
    EXPECT_EQ(fileBytes().size(), 2 * kRecord) << "page 3 is written back";
}

TEST_F(CacheFileTest, FilesThatCannotBeLoadedSayWhyAndChangeNothing) {
    Document d;
    addRow(d, 1, 1, 1, "mine");
    const std::pair<qint64, CacheReadFailure> sizes[] = {
        {0, CacheReadFailure::Empty},
        {3 * kRecord + 1, CacheReadFailure::PartialRecord},
        {kRecord - 1, CacheReadFailure::PartialRecord},
    };
    for (const auto& [size, failure] : sizes) {
        writeFile(QByteArray(size, 'x'));
        EXPECT_EQ(loadCache(d, path).failure, failure) << size;
        EXPECT_EQ(d.row(1, 1).text(TextField::Text), QByteArray("mine"));
    }
    EXPECT_EQ(loadCache(d, dir.filePath("missing.04")).failure, CacheReadFailure::Missing);
    // An unreadable file carries the system's reason (the superuser reads it all the same).
    writeFile(busyImage(1, 1, 1));
    QFile::setPermissions(path, {});
    if (::access(QFile::encodeName(path).constData(), R_OK) != 0) {
        const CacheReadResult unreadable = loadCache(d, path);
        EXPECT_EQ(unreadable.failure, CacheReadFailure::SystemError);
        EXPECT_EQ(unreadable.errorNumber, EACCES);
    }
}

TEST_F(CacheFileTest, APipeOrAFolderIsNotLoadedAndNotWrittenThrough) {
    // Opening a pipe for reading would wait for a writer forever.
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    Document d;
    addRow(d, 1, 1, 1, "mine");
    EXPECT_EQ(loadCache(d, path).failure, CacheReadFailure::NotARegularFile);
    EXPECT_EQ(saveCache(d, path).failure, WriteFailure::NotARegularFile);
    EXPECT_EQ(loadCache(d, dir.path()).failure, CacheReadFailure::NotARegularFile);
    EXPECT_EQ(loadCache(d, QStringLiteral("/dev/zero")).failure, CacheReadFailure::NotARegularFile);
    EXPECT_EQ(d.row(1, 1).text(TextField::Text), QByteArray("mine"));
}

TEST_F(CacheFileTest, RecordsOutsideTheTableAreSkipped) {
    QByteArray bytes = busyImage(1, 1, 1) + busyImage(0, 5, 2) + busyImage(201, 5, 3) +
                       busyImage(-7, 5, 4) + busyImage(1, 66, 5) + busyImage(1, 0, 6) +
                       busyImage(1, 2, 7);
    writeFile(bytes);
    Document d;
    ASSERT_TRUE(loadCache(d, path));
    EXPECT_EQ(d.pageCount, 1);
    EXPECT_TRUE(d.row(1, 1).isPresent());
    EXPECT_TRUE(d.row(1, 2).isPresent());
    ASSERT_TRUE(saveCache(d, path));
    EXPECT_EQ(fileBytes().size(), 2 * kRecord);

    writeFile(busyImage(300, 1, 1) + busyImage(1, 99, 1));
    Document untouched;
    addRow(untouched, 1, 1, 1, "keep");
    EXPECT_EQ(loadCache(untouched, path).failure, CacheReadFailure::NoUsableRecord);
    EXPECT_EQ(untouched.row(1, 1).text(TextField::Text), QByteArray("keep"));
}

TEST_F(CacheFileTest, ASaveThatFailsHalfWayKeepsThePreviousFile) {
    Document small;
    addRow(small, 1, 1, 1, "previous");
    ASSERT_TRUE(saveCache(small, path));
    const QByteArray previous = fileBytes();

    Document big;
    for (int row = 1; row <= 65; ++row)
        addRow(big, 1, row, row, "new");
    WriteResult saved;
    {
        const test::FileSizeLimit limit(10 * kRecord); // a disk that fills up after ten records
        saved = saveCache(big, path);
    }

    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.failure, WriteFailure::FileTooLarge);
    EXPECT_EQ(fileBytes(), previous);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no temporary left";
}
