#include "IncludeScan.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace folia::layers {
namespace {

// The folders searched for a quoted include, in the compiler's order.
QStringList searchFolders(const QDir& project, const QString& file) {
    QStringList folders{QFileInfo(project.filePath(file)).path()};
    if (file.startsWith(QStringLiteral("src/ui/")) || file.startsWith(QStringLiteral("apps/")))
        folders << project.filePath(QStringLiteral("src/ui"));
    folders << project.filePath(QStringLiteral("src"));
    return folders;
}

std::optional<QString> resolve(const QDir& project, const QString& file, const QString& name) {
    for (const QString& folder : searchFolders(project, file)) {
        const QFileInfo header(QDir(folder).filePath(name));
        if (header.isFile()) return QDir::cleanPath(project.relativeFilePath(header.filePath()));
    }
    return std::nullopt;
}

void scanFile(const QDir& project, const QString& file, std::vector<Include>& found) {
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""));
    QFile source(project.filePath(file));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    int number = 0;
    while (!source.atEnd()) {
        const QString line = QString::fromUtf8(source.readLine());
        ++number;
        const QRegularExpressionMatch match = include.match(line);
        if (!match.hasMatch()) continue;
        if (const auto header = resolve(project, file, match.captured(1)))
            found.push_back({file, number, *header});
    }
}

} // namespace

QString folderOf(const QString& path) {
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() < 3) return {};
    if (parts[0] == QStringLiteral("apps")) return parts.mid(0, 2).join(QLatin1Char('/'));
    if (parts[0] != QStringLiteral("src")) return {};
    if (parts[1] == QStringLiteral("ui") && parts.size() >= 4)
        return parts.mid(1, 2).join(QLatin1Char('/'));
    return parts[1];
}

std::vector<Include> scanIncludes(const QDir& project) {
    std::vector<Include> found;
    for (const QString& top : {QStringLiteral("src"), QStringLiteral("apps")}) {
        QDirIterator files(project.filePath(top), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext())
            scanFile(project, project.relativeFilePath(files.next()), found);
    }
    return found;
}

} // namespace folia::layers
