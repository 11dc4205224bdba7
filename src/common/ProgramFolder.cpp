#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace folia {
namespace {

QString& overriddenFolder() {
    static QString folder;
    return folder;
}

QString withSeparator(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

} // namespace

QString programFolder() {
    if (!overriddenFolder().isEmpty()) return overriddenFolder();
    return withSeparator(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString& folder) {
    overriddenFolder() = folder.isEmpty() ? QString() : withSeparator(QDir::cleanPath(folder));
}

QString besideProgram(const QString& fileName) {
    return programFolder() + fileName;
}

std::optional<QString> folderInsideProgram(const QString& name) {
    const QString base = programFolder();
    const QString folder = QDir::cleanPath(base + name);
    if (!folder.startsWith(base) || folder.size() <= base.size()) return std::nullopt;
    return folder;
}

} // namespace folia
