#include "settings/IniFile.h"

#include <gtest/gtest.h>

using namespace folia;

TEST(IniFile, NamesMatchWithoutRegardToCase) {
    const IniFile ini = IniFile::fromBytes("[Imprimir]\r\nCopias= 3\r\n");
    EXPECT_EQ(ini.value("IMPRIMIR", "copias", "1"), QByteArray("3"));
    EXPECT_EQ(ini.value("Imprimir", "Color", "1"), QByteArray("1"));
    EXPECT_EQ(ini.value("Other", "Copias", "x"), QByteArray("x"));
}

TEST(IniFile, WritingReplacesInPlaceAndKeepsEverythingElse) {
    IniFile ini = IniFile::fromBytes("; my notes\n[Colores]\nSub_Vertical=1\nmine=keep\n\n"
                                     "[Unknown]\nx=y\n");
    ini.setValue("colores", "SUB_VERTICAL", " 42");
    ini.setValue("Colores", "Selector", " 7");
    ini.setValue("Posicion", "Y", " 0");
    EXPECT_EQ(ini.toBytes(),
              QByteArray("; my notes\r\n[Colores]\r\nSub_Vertical= 42\r\nmine=keep\r\n"
                         "Selector= 7\r\n\r\n[Unknown]\r\nx=y\r\n"
                         "[Posicion]\r\nY= 0\r\n"));
}

TEST(IniFile, FirstOfDuplicateKeysWinsAndIsTheOneReplaced) {
    IniFile ini = IniFile::fromBytes("[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\n");
    EXPECT_EQ(ini.value("A", "K", ""), QByteArray("1"));
    ini.setValue("a", "k", "9");
    EXPECT_EQ(ini.toBytes(), QByteArray("[A]\r\nk=9\r\nk=2\r\n[a]\r\nk=3\r\n"));
}

TEST(IniFile, ValuesComeBackWithinTheReadBuffer) {
    const QByteArray longValue(1000, 'v');
    const IniFile ini = IniFile::fromBytes("[S]\r\nk=" + longValue + "\r\n");
    EXPECT_EQ(ini.value("S", "k", "").size(), IniFile::kReadBufferSize - 1);
}

TEST(IniFile, BinaryGarbageNeverCrashes) {
    QByteArray garbage;
    for (int i = 0; i < 5000; ++i)
        garbage.append(char((i * 7919) % 256));
    garbage += "\n[S\n=\n]]\n[=]\n==\n[";
    IniFile ini = IniFile::fromBytes(garbage);
    (void)ini.value("S", "k", "d");
    ini.setValue("S", "k", "v");
    EXPECT_EQ(IniFile::fromBytes(ini.toBytes()).value("S", "k", ""), QByteArray("v"));
}
