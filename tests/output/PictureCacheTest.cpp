#include "output/PictureCache.h"
#include "output/PictureLoader.h"
#include "support/SeenPictureProblems.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace folia;

namespace {

class DecodedPictures : public ::testing::Test {
protected:
    QByteArray savePicture(QColor colour, const char* format = "PNG") {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path, format));
        return path.toLocal8Bit();
    }
    // New bytes of the same length, with the modification time the file had.
    void overwriteKeepingSizeAndTime(const QByteArray& bytes) {
        const QDateTime modified = QFileInfo(path).lastModified();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_EQ(file.write(bytes.left(file.size())), file.size());
        ASSERT_TRUE(file.flush());
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
    static QImage pictureOfBytes(qint64 bytes) {
        return QImage(int(bytes / 4), 1, QImage::Format_RGB32);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("pic.png");
    test::SeenPictureProblems seen;
    PictureCache cache;
    PictureLoader loader{seen.recorder(), &cache};
};

} // namespace

TEST_F(DecodedPictures, AnUnchangedFileIsNotDecodedAgain) {
    const QByteArray name = savePicture(Qt::blue);
    ASSERT_EQ(loader.load(name, 0, 0, false)->pixelColor(5, 5), QColor(Qt::blue));
    overwriteKeepingSizeAndTime(QByteArray(1000, 'x')); // no longer a picture
    const auto again = loader.load(name, 20, 10, false);
    ASSERT_TRUE(again.has_value()) << "the pixels came from the cache";
    EXPECT_EQ(again->size(), QSize(20, 10));
    EXPECT_EQ(again->pixelColor(5, 5), QColor(Qt::blue));
    EXPECT_TRUE(seen.lines.isEmpty());
}

TEST_F(DecodedPictures, AChangedOrMissingFileIsReadAndReportedAsBefore) {
    const QByteArray name = savePicture(Qt::blue);
    ASSERT_TRUE(loader.load(name, 0, 0, false));
    savePicture(Qt::green, "BMP"); // another size, another time
    EXPECT_EQ(loader.load(name, 0, 0, false)->pixelColor(5, 5), QColor(Qt::green));

    QFile(path).resize(3);
    EXPECT_FALSE(loader.load(name, 0, 0, false));
    EXPECT_EQ(seen.lines, QStringList{"unreadable " + name});

    QFile::remove(path);
    EXPECT_FALSE(loader.load(name, 0, 0, false));
    EXPECT_EQ(seen.lines, (QStringList{"unreadable " + name, "missing " + name}));
}

TEST_F(DecodedPictures, TheCacheKeepsWithinItsBudgetDroppingTheLeastRecentlyUsed) {
    PictureCache small(1000);
    const QDateTime time = QDateTime::currentDateTime();
    small.keep("a", 1, time, pictureOfBytes(400));
    small.keep("b", 1, time, pictureOfBytes(400));
    ASSERT_TRUE(small.find("a", 1, time)); // "a" is now the most recent
    small.keep("c", 1, time, pictureOfBytes(400));
    EXPECT_TRUE(small.find("a", 1, time));
    EXPECT_FALSE(small.find("b", 1, time));
    EXPECT_TRUE(small.find("c", 1, time));
    EXPECT_LE(small.bytesHeld(), 1000);

    small.keep("huge", 1, time, pictureOfBytes(2000));
    EXPECT_FALSE(small.find("huge", 1, time)) << "larger than the whole budget";
    EXPECT_FALSE(small.find("a", 2, time)) << "another size is another file";
    EXPECT_FALSE(small.find("a", 1, time)) << "and the stale entry is gone";
}
