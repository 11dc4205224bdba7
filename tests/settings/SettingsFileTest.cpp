#include "settings/SettingsFile.h"
#include "settings/IniFile.h"
#include "support/FileInTemporaryFolder.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace folia;

namespace {

class SettingsFileTest : public test::FileInTemporaryFolder {
protected:
    SettingsFileTest() : FileInTemporaryFolder("Configuracion.ini") {}
};

} // namespace

TEST_F(SettingsFileTest, AMissingFileGivesTheDefaults) {
    const Settings s = loadSettings(path);
    EXPECT_EQ(s.imageFormat, 3305);
    EXPECT_EQ(s.tickShape, 1);
    EXPECT_EQ(s.footer1.enabled, 0);
    EXPECT_EQ(s.footer1.alignment, 132);
    EXPECT_EQ(s.footer2.fontSize, 10);
    EXPECT_EQ(s.pageNumber.alignment, 133);
    EXPECT_EQ(s.pageNumber.withPageWord, 1);
    EXPECT_EQ(s.pageNumber.numeralSystem, 1);
    EXPECT_EQ(s.colours.horizontal, 255);
    EXPECT_EQ(s.colours.twoColourFont, 16777215);
    EXPECT_EQ(s.colours.selector, 16750899);
    EXPECT_EQ(s.position.page, 1);
    EXPECT_EQ(s.position.guideOn, 0);
    EXPECT_EQ(s.print.copies, 1);
    EXPECT_EQ(s.print.quality, 1);
}

TEST_F(SettingsFileTest, AFreshSaveWritesEightSectionsAndThirtySixKeysInOrder) {
    ASSERT_TRUE(saveSettings(Settings{}, path));
    const QByteArray expected =
        "[Fichero]\r\nFormato= 3305\r\n"
        "[Control_Subrayado]\r\nForma= 1\r\n"
        "[Pie_de_Pagina_1]\r\nActivar= 0\r\nAlineamiento= 132\r\nFuente= 10\r\n"
        "Fuente_Estilo_Negrita= 0\r\nFuente_Estilo_Italica= 0\r\nFuente_Estilo_Subrayado= 0\r\n"
        "Texto=\r\n"
        "[Pie_de_Pagina_2]\r\nActivar= 0\r\nAlineamiento= 132\r\nFuente= 10\r\n"
        "Fuente_Estilo_Negrita= 0\r\nFuente_Estilo_Italica= 0\r\nFuente_Estilo_Subrayado= 0\r\n"
        "Texto=\r\n"
        "[Numero_de_Pagina]\r\nActivar= 0\r\nAlineamiento= 133\r\nFuente= 10\r\n"
        "Etiqueta_Pagina= 1\r\nTipo_Numerico= 1\r\nResalte= 1\r\n"
        "[Colores]\r\nSub_Horizontal= 255\r\nSub_Vertical= 255\r\nSub_Fuente= 16777215\r\n"
        "Sub_Fondo= 255\r\nSub_Enlaces= 255\r\nSelector= 16750899\r\nTexto_Selector= 16777215\r\n"
        "[Posicion]\r\nY= 0\r\nPagina= 1\r\nLector= 0\r\nLector_bool= 0\r\n"
        "[Imprimir]\r\nCopias= 1\r\nColor= 1\r\nCalidad= 1\r\n";
    EXPECT_EQ(read(), expected);
}

TEST_F(SettingsFileTest, ValuesSurviveASaveAndUnknownLinesStay) {
    write("; kept\r\n[Extra]\r\nmine=1\r\n[Imprimir]\r\nCopias=5\r\n");
    Settings s = loadSettings(path);
    EXPECT_EQ(s.print.copies, 5);
    s.position.offsetY = -200;
    s.footer2.text = "Chapter one";
    s.pageNumber.fontSize = 12;
    ASSERT_TRUE(saveSettings(s, path));
    const QByteArray bytes = read();
    EXPECT_TRUE(bytes.startsWith("; kept\r\n[Extra]\r\nmine=1\r\n[Imprimir]\r\nCopias= 5\r\n"));
    EXPECT_TRUE(bytes.contains("Y=-200\r\n"));
    const Settings again = loadSettings(path);
    EXPECT_EQ(again.position.offsetY, -200);
    EXPECT_EQ(again.footer2.text, QByteArray("Chapter one"));
    EXPECT_EQ(again.pageNumber.fontSize, 12);
}

TEST_F(SettingsFileTest, ValuesAreReadLeniently) {
    write("[Fichero]\nFormato=abc\n[Imprimir]\nCopias=2\nColor= 2\nCalidad=2.5\n"
          "[Numero_de_Pagina]\nFuente=99999\n[Posicion]\nY=1e9\nPagina=  -3xyz\n"
          "[Pie_de_Pagina_1]\nTexto=" +
          QByteArray(120, 'T') + "\n");
    const Settings s = loadSettings(path);
    EXPECT_EQ(s.imageFormat, 0) << "non-numeric reads as 0, not the default";
    EXPECT_EQ(s.print.copies, 2);
    EXPECT_EQ(s.print.colourMode, 2);
    EXPECT_EQ(s.print.quality, 2);
    EXPECT_EQ(s.pageNumber.fontSize, 32767) << "16-bit field saturates";
    EXPECT_EQ(s.position.offsetY, 1);
    EXPECT_EQ(s.position.page, -3);
    EXPECT_EQ(s.footer1.text, QByteArray(99, 'T'));
}

TEST_F(SettingsFileTest, ATextCutAfterABlankReadsTheSameAfterASave) {
    write("[Pie_de_Pagina_1]\nTexto=" + QByteArray(98, 'T') + " and more\n");
    const Settings first = loadSettings(path);
    EXPECT_EQ(first.footer1.text, QByteArray(98, 'T'));
    ASSERT_TRUE(saveSettings(first, path));
    EXPECT_EQ(loadSettings(path).footer1.text, first.footer1.text);
}

TEST_F(SettingsFileTest, AFailedSaveLeavesTheFileAlone) {
    EXPECT_FALSE(saveSettings(Settings{}, dir.filePath("missing/folder/Configuracion.ini")));
    Settings s;
    s.position.page = 7;
    ASSERT_TRUE(saveSettings(s, path));
    const QByteArray before = read();
    s.position.page = 8;
    WriteResult saved;
    {
        const test::FileSizeLimit limit(100); // a full disk
        saved = saveSettings(s, path);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(read(), before) << "not emptied";
}

TEST_F(SettingsFileTest, APipeInItsPlaceReadsAsNoFile) {
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EQ(loadSettings(path).imageFormat, 3305) << "the defaults, without waiting";
    EXPECT_EQ(saveSettings(Settings{}, path).failure, WriteFailure::NotARegularFile);
}
