#include "DesktopEntry.h"

#include "text/TextSet.h"

#include <QStringList>

namespace folia {
namespace {

struct ProgramTexts {
    QString genericName, summary, description, keywords, categories, screenshot;
};

ProgramTexts textsOf(const DesktopProgram& program, const TextSet& texts) {
    if (program.kind == DesktopProgram::Kind::Editor)
        return {texts.editorGenericName,
                texts.editorSummary,
                texts.editorDescription,
                texts.editorKeywords,
                QStringLiteral("Office;WordProcessor;"),
                QStringLiteral("docs/quillet.png")};
    return {texts.foliaGenericName,
            texts.foliaSummary,
            texts.foliaDescription,
            texts.foliaKeywords,
            QStringLiteral("Education;Literature;"),
            QStringLiteral("docs/folia-marked-page.png")};
}

// The kind of file both programs open when given one.
constexpr char kOpenedType[] = "text/plain";

// A desktop entry value: backslashes and line breaks are escaped, everything else is kept.
QString entryValue(QString value) {
    return value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

QString xmlText(const QString& value) {
    return value.toHtmlEscaped();
}

} // namespace

QString desktopEntry(const DesktopProgram& program, const TextSet& texts) {
    const ProgramTexts t = textsOf(program, texts);
    const QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + entryValue(program.name),
        QStringLiteral("GenericName=") + entryValue(t.genericName),
        QStringLiteral("Comment=") + entryValue(t.summary),
        QStringLiteral("Keywords=") + entryValue(t.keywords),
        QStringLiteral("Icon=") + program.iconName,
        // The desktop's "Open with" hands over one file.
        QStringLiteral("Exec=") + QLatin1String(kExecPlaceholder) + QStringLiteral(" %f"),
        QStringLiteral("MimeType=") + QLatin1String(kOpenedType) + QLatin1Char(';'),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=") + t.categories,
        QStringLiteral("StartupNotify=true"),
        QStringLiteral("StartupWMClass=") + entryValue(program.name),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString metainfo(const DesktopProgram& program, const TextSet& texts) {
    const ProgramTexts t = textsOf(program, texts);
    const QString site = QStringLiteral("https://") + texts.makerAddress + QLatin1Char('/');
    const QStringList lines{
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"),
        QStringLiteral("<component type=\"desktop-application\">"),
        QStringLiteral("  <id>%1</id>").arg(xmlText(program.appId)),
        QStringLiteral("  <metadata_license>CC0-1.0</metadata_license>"),
        QStringLiteral("  <project_license>GPL-3.0-or-later</project_license>"),
        QStringLiteral("  <name>%1</name>").arg(xmlText(program.name)),
        QStringLiteral("  <summary>%1</summary>").arg(xmlText(t.summary)),
        QStringLiteral("  <description>"),
        QStringLiteral("    <p>%1</p>").arg(xmlText(t.description)),
        QStringLiteral("  </description>"),
        QStringLiteral("  <launchable type=\"desktop-id\">%1.desktop</launchable>")
            .arg(xmlText(program.appId)),
        QStringLiteral("  <provides>"),
        QStringLiteral("    <mediatype>%1</mediatype>").arg(QLatin1String(kOpenedType)),
        QStringLiteral("  </provides>"),
        QStringLiteral("  <url type=\"homepage\">%1</url>").arg(xmlText(site)),
        QStringLiteral("  <screenshots>"),
        QStringLiteral("    <screenshot type=\"default\">"),
        QStringLiteral("      <image>%1</image>").arg(xmlText(site + t.screenshot)),
        QStringLiteral("    </screenshot>"),
        QStringLiteral("  </screenshots>"),
        QStringLiteral("  <content_rating type=\"oars-1.1\"/>"),
        QStringLiteral("</component>"),
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace folia
