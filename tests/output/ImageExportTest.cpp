#include "output/GifEncoder.h"
#include "output/ImageEncoder.h"
#include "output/ImageFormats.h"
#include "output/PageExporter.h"
#include "settings/Settings.h"

#include <gif_lib.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace folia;

namespace {

// A page as the renderer draws it: white, black text strokes, a red underline, a
// coloured highlight, all without anti-aliasing.
QImage samplePage() {
    QImage page(794, 1122, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    QFont font(QStringLiteral("Liberation Mono"), 10);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.drawText(24, 27, QStringLiteral("A row of text on the page, with marks."));
    painter.fillRect(24, 40, 300, 2, QColor(255, 0, 0));
    painter.fillRect(40, 60, 120, 16, QColor(51, 153, 255));
    painter.drawText(40, 71, QStringLiteral("highlighted"));
    return page;
}

QImage readBack(const QByteArray& bytes) {
    return QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32);
}

// The GIF's pixels as giflib reads them.
QImage readGifWithGiflib(const QString& path) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(QFile::encodeName(path).constData(), &error);
    if (!gif) return {};
    QImage image;
    if (DGifSlurp(gif) == GIF_OK && gif->ImageCount == 1) {
        const SavedImage& frame = gif->SavedImages[0];
        const ColorMapObject* map =
            frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
        image = QImage(frame.ImageDesc.Width, frame.ImageDesc.Height, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const GifColorType c = map->Colors[frame.RasterBits[y * image.width() + x]];
                image.setPixel(x, y, qRgb(c.Red, c.Green, c.Blue));
            }
    }
    DGifCloseFile(gif, &error);
    return image;
}

// The mean difference per colour channel.
double meanChannelError(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

} // namespace

TEST(ImageFormats, CodesExtensionsMimeTypesAndTheFirstEncoder) {
    EXPECT_EQ(extensionForFormat(FormatPng), ".png");
    EXPECT_EQ(extensionForFormat(FormatJpg), ".jpg");
    EXPECT_EQ(extensionForFormat(FormatTif), ".tif");
    EXPECT_EQ(extensionForFormat(FormatBmp), ".bmp");
    EXPECT_EQ(extensionForFormat(FormatGif), ".gif");
    EXPECT_EQ(extensionForFormat(0), "");
    EXPECT_EQ(extensionForFormat(3307), "");

    EXPECT_EQ(mimeTypeForExtension(".JPG"), "image/jpeg");
    EXPECT_EQ(mimeTypeForExtension(".tif"), "image/tiff");
    EXPECT_EQ(mimeTypeForExtension(".tiff"), "");
    EXPECT_EQ(findEncoder("image/png"), Encoder::Png);
    EXPECT_EQ(findEncoder("IMAGE/GIF"), Encoder::Gif);
    // No extension: the empty MIME type is part of every one, so the first encoder wins.
    EXPECT_EQ(findEncoder(""), Encoder::Bmp);
    EXPECT_EQ(findEncoder("image/webp"), std::nullopt);
}

TEST(ImageEncoder, LosslessFormatsKeepEveryPixelAndJpegStaysClose) {
    const QImage page = samplePage();
    for (const Encoder encoder : {Encoder::Png, Encoder::Tiff, Encoder::Bmp, Encoder::Gif}) {
        const std::optional<QByteArray> bytes = encodeImage(page, encoder);
        ASSERT_TRUE(bytes) << int(encoder);
        const QImage back = readBack(*bytes);
        ASSERT_EQ(back.size(), page.size()) << int(encoder);
        EXPECT_EQ(back, page) << int(encoder);
    }
    const std::optional<QByteArray> jpeg = encodeImage(page, Encoder::Jpeg);
    ASSERT_TRUE(jpeg);
    EXPECT_TRUE(jpeg->startsWith("\xFF\xD8"));
    EXPECT_LT(meanChannelError(readBack(*jpeg), page), 0.5);
}

TEST(ImageEncoder, PngIsCompressedAndTiffIsLzw) {
    const QImage page = samplePage();
    // A page is 3.5 MB of pixels; stored without compression it would be about that.
    EXPECT_LT(encodeImage(page, Encoder::Png)->size(), 100'000);
    EXPECT_LT(encodeImage(page, Encoder::Tiff)->size(), 200'000);
}

TEST(GifEncoder, ManyColoursStillGiveAReadableGif) {
    QImage gradient(300, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            gradient.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    const std::optional<QByteArray> bytes = encodeGif(gradient);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(readBack(*bytes).size(), gradient.size());
}

class PageExporterTest : public ::testing::Test {
protected:
    QString folderPath(const QString& name) const { return root.path() + "/" + name; }
    QTemporaryDir root;
};

TEST_F(PageExporterTest, WritesNumberedFilesReadableByOtherReaders) {
    const QImage page = samplePage();
    for (const int32_t format : {FormatPng, FormatJpg, FormatTif, FormatBmp, FormatGif}) {
        const QString folder = folderPath(QString::number(format));
        PageExporter exporter(folder, format);
        ASSERT_TRUE(exporter.createFolder());
        for (int p = 1; p <= 3; ++p)
            ASSERT_TRUE(exporter.add(p, page));
        EXPECT_EQ(exporter.finish(), std::nullopt);
        const QString ext = extensionForFormat(format);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
                  QStringList({"1" + ext, "2" + ext, "3" + ext}));
        QImageReader reader(folder + "/2" + ext);
        EXPECT_EQ(reader.size(), QSize(794, 1122)) << ext.toStdString();
    }
    EXPECT_EQ(readGifWithGiflib(folderPath("3306") + "/3.gif"), page);
}

TEST_F(PageExporterTest, UnknownFormatWritesFileWithoutExtensionWithFirstEncoder) {
    PageExporter exporter(folderPath("Odd"), 0);
    ASSERT_TRUE(exporter.createFolder());
    exporter.add(12, samplePage());
    exporter.finish();
    QFile file(folderPath("Odd") + "/12");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(2) == "BM");
}

TEST_F(PageExporterTest, ReplacesReadOnlyFileAndKeepsAnExistingFolder) {
    const QString folder = folderPath("Scans");
    ASSERT_TRUE(QDir().mkdir(folder));
    QFile old(folder + "/7.bmp");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    old.setPermissions(QFileDevice::ReadOwner);
    PageExporter exporter(folder, FormatBmp);
    ASSERT_TRUE(exporter.createFolder());
    exporter.add(7, samplePage());
    EXPECT_EQ(exporter.finish(), std::nullopt);
    EXPECT_EQ(QImage(folder + "/7.bmp").size(), QSize(794, 1122));
}

TEST_F(PageExporterTest, OnlyOneFolderLevelIsMadeAndFailuresNameThePath) {
    PageExporter nested(folderPath("missing/inner"), FormatPng);
    EXPECT_FALSE(nested.createFolder());
    EXPECT_FALSE(QDir(folderPath("missing")).exists());

    // A name taken by a folder cannot be written as a file: the first failing path is told.
    const QString folder = folderPath("Taken");
    ASSERT_TRUE(QDir().mkpath(folder + "/2.png"));
    PageExporter exporter(folder, FormatPng);
    ASSERT_TRUE(exporter.createFolder());
    bool stillAdding = true;
    for (int p = 1; p <= 6 && stillAdding; ++p)
        stillAdding = exporter.add(p, samplePage());
    EXPECT_EQ(exporter.finish(), folder + "/2.png");
    EXPECT_TRUE(QFile::exists(folder + "/1.png"));
}
