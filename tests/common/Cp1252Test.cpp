#include "common/Cp1252.h"

#include <gtest/gtest.h>

using namespace folia;

TEST(Cp1252, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(Cp1252, HighRangeMapsToTypographicCharacters) {
    EXPECT_EQ(fromCp1252(QByteArray("\x80\x93\x94\xF1", 4)), QString::fromUtf8("€“”ñ"));
    EXPECT_EQ(toCp1252(QString::fromUtf8("¿Añil? ¡Sí!")), QByteArray("\xBF"
                                                                     "A\xF1il? \xA1S\xED!"));
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const QString greek = QString::fromUtf8("aλb");
    EXPECT_FALSE(fitsCp1252(greek));
    EXPECT_EQ(toCp1252(greek), QByteArray("a?b"));
    EXPECT_TRUE(fitsCp1252(QString::fromUtf8("€ñ")));
}
