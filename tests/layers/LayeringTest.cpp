#include "IncludeScan.h"
#include "LayerCheck.h"
#include "LayerTable.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace folia::layers;

namespace {

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll())
                                                            : QString();
}

const QDir kProject(QStringLiteral(FOLIA_SOURCE_ROOT));

LayerTable projectTable() {
    return LayerTable::parse(readAll(kProject.filePath(QStringLiteral("src/layers.txt"))));
}

// The folders a program's folder reaches; the folders of the other program must not be
// among them.
QSet<QString> folders(std::initializer_list<const char*> names) {
    QSet<QString> set;
    for (const char* name : names)
        set.insert(QString::fromLatin1(name));
    return set;
}
const QSet<QString> kFoliaOnly =
    folders({"settings", "output", "document", "marks", "view", "shell", "ui/folia"});
const QSet<QString> kQuilletOnly = folders({"editor", "ui/quillet"});

// A small project of its own, for the checks to be seen failing.
class SmallProject : public ::testing::Test {
protected:
    void write(const QString& path, const QByteArray& text) {
        QDir().mkpath(QFileInfo(dir.filePath(path)).path());
        QFile file(dir.filePath(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QStringList forbidden(const QString& table) {
        return forbiddenIncludes(LayerTable::parse(table), scanIncludes(QDir(dir.path())));
    }
    QTemporaryDir dir;
};

} // namespace

TEST(Layers, TheTableOnlyPointsDown) {
    const LayerTable table = projectTable();
    ASSERT_FALSE(table.layers().empty());
    EXPECT_EQ(table.faults().join(QLatin1Char('\n')).toStdString(), "");
}

TEST(Layers, EverySourceIncludesOnlyWhatItsFolderMayUse) {
    const std::vector<Include> includes = scanIncludes(kProject);
    ASSERT_GT(includes.size(), 100u);
    EXPECT_EQ(forbiddenIncludes(projectTable(), includes).join(QLatin1Char('\n')).toStdString(),
              "");
    EXPECT_EQ(unusedArrows(projectTable(), includes).join(QLatin1Char('\n')).toStdString(), "")
        << "arrows of the table that no source follows";
}

TEST(Layers, EveryLibraryLinksExactlyTheFoldersItMayUse) {
    const QString linked = readAll(QStringLiteral(FOLIA_LINKED_LAYERS));
    ASSERT_FALSE(linked.isEmpty());
    EXPECT_EQ(linkMismatches(projectTable(), linked).join(QLatin1Char('\n')).toStdString(), "");
}

TEST(Layers, EachProgramUsesNothingOfTheOther) {
    const LayerTable table = projectTable();
    for (const char* quillet : {"apps/quillet-english", "apps/quillet-spanish"}) {
        const QSet<QString> used = table.reachableFrom(QString::fromLatin1(quillet));
        EXPECT_TRUE(used.contains(QStringLiteral("editor"))) << quillet;
        EXPECT_FALSE(used.intersects(kFoliaOnly)) << quillet;
    }
    for (const char* folia : {"apps/folia-english", "apps/folia-spanish"}) {
        const QSet<QString> used = table.reachableFrom(QString::fromLatin1(folia));
        EXPECT_TRUE(used.contains(QStringLiteral("shell"))) << folia;
        EXPECT_FALSE(used.intersects(kQuilletOnly)) << folia;
    }
}

TEST(Layers, TestsMirrorTheSourceFolders) {
    const LayerTable table = projectTable();
    const QSet<QString> testsOwn = folders({"support", "install", "layers", "data"});
    QDirIterator files(kProject.filePath(QStringLiteral("tests")),
                       {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    int mirrored = 0;
    while (files.hasNext()) {
        const QString path = kProject.relativeFilePath(files.next());
        if (testsOwn.contains(path.section(QLatin1Char('/'), 1, 1))) continue;
        const QString folder = folderOf(QStringLiteral("src") + path.mid(5));
        EXPECT_TRUE(table.contains(folder)) << path.toStdString() << " tests no folder of src/";
        ++mirrored;
    }
    EXPECT_GT(mirrored, 20);
}

TEST(Layers, FoldersOfFiles) {
    EXPECT_EQ(folderOf("src/view/PagePainter.cpp"), "view");
    EXPECT_EQ(folderOf("src/ui/folia/MainWindow.h"), "ui/folia");
    EXPECT_EQ(folderOf("apps/quillet-spanish/main.cpp"), "apps/quillet-spanish");
    EXPECT_EQ(folderOf("tests/view/MarkListsTest.cpp"), "");
    EXPECT_EQ(LayerTable::targetOf("ui/folia"), "src_ui_folia");
    EXPECT_EQ(LayerTable::targetOf("apps/folia-english"), "folia_english");
}

TEST_F(SmallProject, AnIncludeOfAHigherLayerIsFound) {
    write("src/low/Low.h", "#pragma once\n#include <vector>\n#include \"Missing.h\"\n");
    write("src/low/Low.cpp", "#include \"Low.h\"\n\n  #  include \"high/High.h\"\n");
    write("src/high/High.h", "#pragma once\n#include \"low/Low.h\"\n");
    const QString table = QStringLiteral("low\nhigh low  # high sits on low\n");
    EXPECT_EQ(forbidden(table),
              QStringList{"src/low/Low.cpp:3 includes src/high/High.h: low may not use high"});
    EXPECT_EQ(unusedArrows(LayerTable::parse(table), scanIncludes(QDir(dir.path()))),
              QStringList{});
    EXPECT_EQ(forbidden(QStringLiteral("low high\nhigh low\n")), QStringList{});
    EXPECT_EQ(LayerTable::parse(QStringLiteral("low high\nhigh low\n")).faults(),
              QStringList{"low uses high, which is not listed above it"});
}

TEST_F(SmallProject, TheWindowsFindTheirOwnFoldersFirst) {
    write("src/ui/common/Box.h", "#pragma once\n");
    write("src/common/Box.h", "#pragma once\n");
    write("src/ui/folia/Window.cpp", "#include \"common/Box.h\"\n");
    write("src/view/Page.cpp", "#include \"common/Box.h\"\n");
    const std::vector<Include> includes = scanIncludes(QDir(dir.path()));
    ASSERT_EQ(includes.size(), 2u);
    for (const Include& include : includes)
        EXPECT_EQ(include.header,
                  include.file.startsWith("src/ui") ? "src/ui/common/Box.h" : "src/common/Box.h");
}

TEST_F(SmallProject, AFolderMissingFromTheTableAndAnUnusedArrowAreFound) {
    write("src/extra/Extra.cpp", "#include \"common/Base.h\"\n");
    write("src/common/Base.h", "#pragma once\n");
    EXPECT_EQ(forbidden(QStringLiteral("common\n")),
              QStringList{"src/extra/Extra.cpp:1 includes src/common/Base.h: extra is not in the "
                          "table of layers"});
    const LayerTable table =
        LayerTable::parse(QStringLiteral("common\nview common\nextra common view\n"));
    EXPECT_EQ(unusedArrows(table, scanIncludes(QDir(dir.path()))),
              (QStringList{"view -> common", "extra -> view"}));
}

TEST(Layers, LinkedLibrariesAreHeldToTheTable) {
    const LayerTable table = LayerTable::parse(QStringLiteral("common\nview common\nshell view\n"));
    EXPECT_EQ(linkMismatches(table, QStringLiteral("common Qt6::Core\nview src_common Qt6::Gui\n"
                                                   "shell src_view src_common\n")),
              QStringList{"src_shell links src_common, which the table does not allow"});
    EXPECT_EQ(linkMismatches(table, QStringLiteral("common\nshell\n")),
              (QStringList{"view builds no target", "src_shell does not link src_view"}));
}
