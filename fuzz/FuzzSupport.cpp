#include "FuzzSupport.h"

#include "common/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace folia::fuzz {

const QString& workFolder() {
    static const QString folder = [] {
        // Millions of small writes go to memory rather than to the disk.
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        static QTemporaryDir dir(base + QStringLiteral("/folia-fuzz-XXXXXX"));
        check(dir.isValid(), "a work folder can be made");
        setProgramFolder(dir.path());
        return dir.path() + QLatin1Char('/');
    }();
    return folder;
}

QString inWorkFolder(const QString& name) {
    return workFolder() + name;
}

void ensureGuiApplication() {
    static std::unique_ptr<QGuiApplication> app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzzer";
        static char* argv[] = {name, nullptr};
        return std::make_unique<QGuiApplication>(argc, argv);
    }();
}

QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              file.write(bytes) == bytes.size(),
          "the input file can be written");
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeSamplePicture() {
    QImage picture(30, 40, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    check(picture.save(inWorkFolder(QStringLiteral("p.png")), "PNG"),
          "the sample picture can be written");
}

void check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "\n*** property broken: %s\n", property);
    std::abort();
}

} // namespace folia::fuzz
