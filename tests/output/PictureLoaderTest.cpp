#include "output/PictureLoader.h"
#include "common/ProgramFolder.h"
#include "support/SeenPictureProblems.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace folia;

namespace {

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffffu;
    for (char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

class PictureLoaderTest : public ::testing::Test {
protected:
    QByteArray picture(const QString& name, int width, int height, QColor colour = Qt::red) {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(dir.filePath(name), "PNG"));
        return dir.filePath(name).toLocal8Bit();
    }
    QByteArray file(const QString& name, const QByteArray& bytes) {
        QFile out(dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return dir.filePath(name).toLocal8Bit();
    }
    QSize sizeOf(const QByteArray& name, int width, int height, bool stretch = false) {
        const auto bitmap = loader.load(name, width, height, stretch);
        return bitmap ? bitmap->size() : QSize();
    }
    void expectReadError(const QByteArray& name) {
        seen.lines.clear();
        EXPECT_FALSE(loader.load(name, 0, 0, false).has_value());
        EXPECT_EQ(seen.lines, QStringList{"unreadable " + name}) << name.constData();
    }

    QTemporaryDir dir;
    test::SeenPictureProblems seen;
    PictureLoader loader{seen.recorder()};
};

} // namespace

TEST_F(PictureLoaderTest, MissingFileIsReportedByName) {
    EXPECT_FALSE(loader.load("/no/such/picture.png", 0, 0, false).has_value());
    EXPECT_EQ(seen.lines, QStringList{"missing /no/such/picture.png"});
}

TEST_F(PictureLoaderTest, NaturalSizeProportionalFitAndStretch) {
    const QByteArray wide = picture("wide.png", 1600, 800);
    EXPECT_EQ(sizeOf(wide, 0, 0), QSize(1600, 800));
    EXPECT_EQ(sizeOf(wide, 400, 400), QSize(400, 200));
    EXPECT_EQ(sizeOf(picture("tall.png", 300, 900), 400, 400), QSize(133, 400));
    EXPECT_EQ(sizeOf(picture("odd.png", 1000, 333), 200, 200), QSize(200, 67)); // 66.6
    // Smaller than the box in its dominant direction: drawn over the whole box.
    const auto filled = loader.load(picture("small.png", 100, 50), 400, 400, false);
    ASSERT_TRUE(filled.has_value());
    EXPECT_EQ(filled->size(), QSize(400, 400));
    EXPECT_EQ(filled->pixel(399, 399), qRgb(255, 0, 0));
    EXPECT_EQ(sizeOf(wide, 300, 10, true), QSize(300, 10));

    EXPECT_FALSE(loader.load(wide, 0, 10, true).has_value());
    EXPECT_FALSE(loader.load("/missing.png", 10, 0, true).has_value());
    EXPECT_TRUE(seen.lines.empty());
    // Transparent pixels show the white page.
    EXPECT_EQ(loader.load(picture("clear.png", 9, 9, Qt::transparent), 0, 0, false)->pixel(4, 4),
              qRgb(255, 255, 255));
}

TEST_F(PictureLoaderTest, HostileFilesGiveTheReadErrorAndNoBitmap) {
    expectReadError(file("notes.png", "this is not a picture\r\n"));
    expectReadError(file("empty.png", {}));
    QFile whole(QString::fromLocal8Bit(picture("whole.png", 64, 64)));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QByteArray png = whole.readAll();
    expectReadError(file("truncated.png", png.left(40)));
    // A valid header declaring 100,000 x 100,000 pixels: refused before any allocation.
    qToBigEndian(quint32(100000), png.data() + 16);
    qToBigEndian(quint32(100000), png.data() + 20);
    qToBigEndian(crc32(png.mid(12, 17)), png.data() + 29);
    expectReadError(file("huge.png", png));
    expectReadError(dir.path().toLocal8Bit()); // a folder
}

TEST_F(PictureLoaderTest, NamesAreWindows1252AndRelativeOnesLieBesideTheProgram) {
    QDir(dir.path()).mkpath("pics");
    picture(QString::fromUtf8("pics/caf\u00e9.png"), 30, 20);
    setProgramFolder(dir.path());
    EXPECT_EQ(sizeOf("pics\\caf\xe9.png", 0, 0), QSize(30, 20));
    setProgramFolder(QString());
    EXPECT_TRUE(seen.lines.empty());
}
