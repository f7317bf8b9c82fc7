#include "app/textfield.h"

#include <gtest/gtest.h>

using namespace kivalto;

TEST(ReadTextField, SplitsOnCommasAndLineEnds)
{
    EXPECT_EQ(readAllFields("a,b\r\nc\nd\re"), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
}
