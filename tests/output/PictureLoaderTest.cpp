#include "output/PictureLoader.h"
#include "RecordingPrompts.h"
#include "common/ProgramFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace folia;
using folia::test::RecordingPrompts;

namespace {

QString writePicture(const QTemporaryDir& dir, const QString& name, int width, int height,
                     QColor colour = Qt::red, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(colour);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffffu;
    for (char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A small PNG whose header claims width x height pixels (with a valid checksum, so the
// decoder believes it).
QByteArray pngDeclaring(quint32 width, quint32 height) {
    QImage small(1, 1, QImage::Format_RGB32);
    small.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "PNG");
    // Signature (8), IHDR length (4), "IHDR" (4), width (4), height (4) ...
    qToBigEndian(width, png.data() + 16);
    qToBigEndian(height, png.data() + 20);
    qToBigEndian(crc32(png.mid(12, 17)), png.data() + 29);
    return png;
}

class PictureLoaderTest : public ::testing::Test {
protected:
    QByteArray name(const QString& path) { return path.toLocal8Bit(); }
    void expectReadError(const QString& path) {
        prompts.messages.clear();
        EXPECT_FALSE(loader.load(name(path), 0, 0, false).has_value());
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text,
                  "[GraphicLoadImageFileToBitmap] [GdipLoadImagefromFile] read error on <" + path +
                      ">");
        EXPECT_EQ(prompts.messages[0].title, "Programador");
    }

    QTemporaryDir dir;
    RecordingPrompts prompts;
    PictureLoader loader{prompts};
};

} // namespace

TEST_F(PictureLoaderTest, MissingFileIsReportedByName) {
    EXPECT_FALSE(loader.load("/no/such/picture.png", 0, 0, false).has_value());
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text,
              "[GraphicLoadImageFileToBitmap] called on </no/such/picture.png> Missing file");
    EXPECT_EQ(prompts.messages[0].title, "Programador");
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::Ok);
}

TEST_F(PictureLoaderTest, NaturalSizeAndProportionalFit) {
    const QString wide = writePicture(dir, "wide.png", 1600, 800);
    const auto natural = loader.load(name(wide), 0, 0, false);
    ASSERT_TRUE(natural.has_value());
    EXPECT_EQ(natural->size(), QSize(1600, 800));
    EXPECT_EQ(loader.lastImageWidth(), 1600);
    EXPECT_EQ(loader.lastImageHeight(), 800);

    EXPECT_EQ(loader.load(name(wide), 400, 400, false)->size(), QSize(400, 200));
    const QString tall = writePicture(dir, "tall.png", 300, 900);
    EXPECT_EQ(loader.load(name(tall), 400, 400, false)->size(), QSize(133, 400)); // 133.3
    const QString odd = writePicture(dir, "odd.png", 1000, 333);
    EXPECT_EQ(loader.load(name(odd), 200, 200, false)->size(), QSize(200, 67)); // 66.6

    // Smaller than the box in its dominant direction: not reduced, drawn over the box.
    const QString small = writePicture(dir, "small.png", 100, 50);
    const auto filled = loader.load(name(small), 400, 400, false);
    ASSERT_TRUE(filled.has_value());
    EXPECT_EQ(filled->size(), QSize(400, 400));
    EXPECT_EQ(filled->pixel(399, 399), qRgb(255, 0, 0));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PictureLoaderTest, StretchNeedsBothSides) {
    const QString path = writePicture(dir, "p.png", 100, 50);
    EXPECT_EQ(loader.load(name(path), 300, 10, true)->size(), QSize(300, 10));
    loader.resetLastSize();
    EXPECT_FALSE(loader.load(name(path), 0, 10, true).has_value());
    EXPECT_FALSE(loader.load(name("/missing.png"), 10, 0, true).has_value());
    EXPECT_TRUE(prompts.messages.empty()); // refused before the file is even looked at
    EXPECT_EQ(loader.lastImageWidth(), 0);
}

TEST_F(PictureLoaderTest, TransparentPartsShowTheWhitePage) {
    const QString path =
        writePicture(dir, "clear.png", 20, 20, Qt::transparent, QImage::Format_ARGB32);
    const auto bitmap = loader.load(name(path), 0, 0, false);
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(bitmap->pixel(10, 10), qRgb(255, 255, 255));
}

TEST_F(PictureLoaderTest, HostileFilesGiveTheReadErrorAndNoBitmap) {
    const QString text = dir.filePath("notes.png");
    writeBytes(text, "this is not a picture\r\n");
    expectReadError(text);

    const QString empty = dir.filePath("empty.png");
    writeBytes(empty, {});
    expectReadError(empty);

    const QString whole = writePicture(dir, "whole.png", 64, 64);
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    const QString truncated = dir.filePath("truncated.png");
    writeBytes(truncated, bytes.left(40));
    expectReadError(truncated);

    // The header asks for 40 GB of pixels: refused before anything is allocated.
    const QString huge = dir.filePath("huge.png");
    writeBytes(huge, pngDeclaring(100000, 100000));
    expectReadError(huge);

    expectReadError(dir.path()); // a folder exists but is no picture
    EXPECT_EQ(loader.lastImageWidth(), 0);
}

TEST_F(PictureLoaderTest, DocumentNamesAreWindows1252AndMayBeRelativeWithBackslashes) {
    QDir(dir.path()).mkpath("pics");
    writePicture(dir, QString::fromUtf8("pics/caf\u00e9.png"), 30, 20);
    setProgramFolder(dir.path());
    const auto bitmap = loader.load("pics\\caf\xe9.png", 0, 0, false);
    setProgramFolder(QString());
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(bitmap->size(), QSize(30, 20));
    EXPECT_TRUE(prompts.messages.empty());
}
