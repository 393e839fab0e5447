#include "errors.h"
#include <gtest/gtest.h>
TEST(Errors, MessagesNameTheirSubject)
{
    EXPECT_NE(std::string(core::FileOpenError("/x/LNGFILE").what()).find("/x/LNGFILE"), std::string::npos);
    EXPECT_NE(std::string(core::ListIndexError(7).what()).find("7"), std::string::npos);
}
