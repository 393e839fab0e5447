#include "config_template.h"
#include "errors.h"

#include <gtest/gtest.h>

TEST(ConfigTemplate, NumberedLinesEndAtTheLastLine)
{
    core::ConfigTemplate cps3 = core::ConfigTemplate::cps3();
    core::ConfigTemplate model2 = core::ConfigTemplate::model2();
    ASSERT_EQ(cps3.count(), 31u);
    ASSERT_EQ(model2.count(), 66u);
    EXPECT_EQ(cps3.line(9), "Dir1=c:\\cps3\\roms");
    EXPECT_EQ(model2.line(65), "");

    try {
        cps3.line(31);
        FAIL() << "line past the end was given";
    } catch (const core::ListIndexError &e) {
        EXPECT_EQ(e.index(), 31);
    }
    EXPECT_THROW(model2.replace(66, "x"), core::ListIndexError);
    EXPECT_EQ(model2.lines(), core::ConfigTemplate::model2().lines());
}

TEST(ConfigTemplate, ReplacementStaysInItsOwnCopyOnly)
{
    core::ConfigTemplate mine = core::ConfigTemplate::cps3();
    mine.replace(13, "ForceSync=1");
    mine.replace(30, "last");
    EXPECT_EQ(mine.line(13), "ForceSync=1");
    EXPECT_EQ(mine.lines().back(), "last");
    EXPECT_EQ(mine.count(), 31u);

    const core::ConfigTemplate fresh = core::ConfigTemplate::cps3();
    EXPECT_EQ(fresh.line(13), "ForceSync=0");
    EXPECT_EQ(fresh.line(30), "");
}
