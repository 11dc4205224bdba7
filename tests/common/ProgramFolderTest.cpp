#include "common/ProgramFolder.h"

#include <gtest/gtest.h>

using namespace folia;

TEST(ProgramFolder, EndsWithSeparatorAndCanBeRedirected) {
    setProgramFolder("/tmp/somewhere");
    EXPECT_EQ(programFolder(), "/tmp/somewhere/");
    EXPECT_EQ(besideProgram("cache.04"), "/tmp/somewhere/cache.04");
    setProgramFolder("/tmp/other/");
    EXPECT_EQ(programFolder(), "/tmp/other/");
    setProgramFolder(QString());
    EXPECT_TRUE(programFolder().endsWith('/'));
}
