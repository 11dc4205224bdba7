#include "desktop/DesktopEntry.h"
#include "text/TextSet.h"

#include <QStringList>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>

namespace folia {
namespace {

const DesktopProgram kFolia{DesktopProgram::Kind::Folia, "org.example.folia.FoliaEnglish",
                            "FOLIA ENGLISH", "org.example.folia.Folia"};
const DesktopProgram kEditor{DesktopProgram::Kind::Editor, "org.example.folia.Quilleta", "Quilleta",
                             "org.example.folia.Quillet"};

// The entry's keys; a key written twice or a line outside key=value fails the test.
std::map<QString, QString> keysOf(const QString& entry) {
    std::map<QString, QString> keys;
    const QStringList lines = entry.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.value(0), QStringLiteral("[Desktop Entry]"));
    for (const QString& line : lines.mid(1)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        EXPECT_GT(equals, 0) << line.toStdString();
        EXPECT_TRUE(keys.emplace(line.left(equals), line.mid(equals + 1)).second)
            << line.toStdString();
    }
    return keys;
}

// Element texts of the metainfo by element name; fails the test if the XML is not well formed.
std::map<QString, QString> elementsOf(const QString& xml) {
    std::map<QString, QString> elements;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement) {
            const QString name = reader.name().toString();
            if (name != QLatin1String("component") && name != QLatin1String("description") &&
                name != QLatin1String("screenshots") && name != QLatin1String("provides") &&
                name != QLatin1String("screenshot") && name != QLatin1String("content_rating"))
                elements[name] = reader.readElementText();
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return elements;
}

TEST(DesktopEntry, MatchesTheWindowAndSpeaksTheBuildsLanguage) {
    auto keys = keysOf(desktopEntry(kFolia, englishTexts()));
    EXPECT_EQ(keys["Name"], "FOLIA ENGLISH");
    EXPECT_EQ(keys["StartupWMClass"], "FOLIA ENGLISH");
    EXPECT_EQ(keys["Icon"], "org.example.folia.Folia");
    EXPECT_EQ(keys["Exec"], QString(kExecPlaceholder) + " %f");
    EXPECT_EQ(keys["MimeType"], "text/plain;");
    EXPECT_EQ(keys["Comment"], englishTexts().foliaSummary);
    EXPECT_TRUE(keys["Categories"].contains("Education"));
    EXPECT_TRUE(keys["Keywords"].endsWith(';'));

    keys = keysOf(desktopEntry(kEditor, spanishTexts()));
    EXPECT_EQ(keys["Name"], "Quilleta");
    EXPECT_EQ(keys["GenericName"], "Editor de texto");
    EXPECT_EQ(keys["Comment"], spanishTexts().editorSummary);
    EXPECT_EQ(keys["Keywords"], spanishTexts().editorKeywords);
}

TEST(DesktopEntry, ValuesStayOnTheirLine) {
    TextSet texts = englishTexts();
    texts.foliaSummary = "first line\nsecond \\ line";
    const auto keys = keysOf(desktopEntry(kFolia, texts));
    EXPECT_EQ(keys.at("Comment"), "first line\\nsecond \\\\ line");
}

TEST(Metainfo, DescribesTheBuildInWellFormedXml) {
    TextSet texts = spanishTexts();
    texts.foliaDescription = "Marks <b> & \"quotes\"";
    auto elements = elementsOf(metainfo(kFolia, texts));
    EXPECT_EQ(elements["id"], "org.example.folia.FoliaEnglish");
    EXPECT_EQ(elements["name"], "FOLIA ENGLISH");
    EXPECT_EQ(elements["summary"], spanishTexts().foliaSummary);
    EXPECT_EQ(elements["p"], "Marks <b> & \"quotes\"");
    EXPECT_EQ(elements["launchable"], "org.example.folia.FoliaEnglish.desktop");
    EXPECT_EQ(elements["mediatype"], "text/plain");
    EXPECT_EQ(elements["image"], "https://folia.example.org/docs/folia-marked-page.png");

    elements = elementsOf(metainfo(kEditor, englishTexts()));
    EXPECT_EQ(elements["summary"], englishTexts().editorSummary);
    EXPECT_EQ(elements["image"], "https://folia.example.org/docs/quillet.png");
}

} // namespace
} // namespace folia
