// Build tool: writes the menu entry and the software-centre description of one program build.
//
//   folia_desktop_files folia|quillet english|spanish APP_ID NAME ICON OUTPUT_DIR
//
// gives OUTPUT_DIR/APP_ID.desktop.in and OUTPUT_DIR/APP_ID.metainfo.xml.

#include "DesktopEntry.h"
#include "text/TextSet.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool writeUtf8(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s folia|quillet english|spanish APP_ID NAME ICON DIR\n",
                     argv[0]);
        return 2;
    }
    const QString kind = QString::fromLocal8Bit(argv[1]);
    const QString language = QString::fromLocal8Bit(argv[2]);
    if ((kind != QLatin1String("folia") && kind != QLatin1String("quillet")) ||
        (language != QLatin1String("english") && language != QLatin1String("spanish"))) {
        std::fprintf(stderr, "%s: unknown program or language\n", argv[0]);
        return 2;
    }
    const folia::DesktopProgram program{
        kind == QLatin1String("quillet") ? folia::DesktopProgram::Kind::Editor
                                         : folia::DesktopProgram::Kind::Folia,
        QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]),
        QString::fromLocal8Bit(argv[5])};
    const folia::TextSet& texts =
        language == QLatin1String("spanish") ? folia::spanishTexts() : folia::englishTexts();

    const QDir dir(QString::fromLocal8Bit(argv[6]));
    const bool written = writeUtf8(dir.filePath(program.appId + QStringLiteral(".desktop.in")),
                                   folia::desktopEntry(program, texts)) &&
                         writeUtf8(dir.filePath(program.appId + QStringLiteral(".metainfo.xml")),
                                   folia::metainfo(program, texts));
    if (!written) {
        std::fprintf(stderr, "%s: cannot write into %s\n", argv[0], argv[6]);
        return 1;
    }
    return 0;
}
