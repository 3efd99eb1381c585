#include "engine/names.h"
#include "engine/nametable.h"
#include "engine/resources.h"

#include <gtest/gtest.h>

namespace {

TEST(Names, FetchesTheEmbeddedListOnceAndKeepsIt)
{
    const std::string &first = quillora::names::names();
    const std::string &second = quillora::names::names();
    EXPECT_EQ(&first, &second);
    const auto resource = quillora::resources::find("TEXT", 168);
    ASSERT_TRUE(resource.has_value());
    EXPECT_EQ(first, *resource);
    EXPECT_FALSE(quillora::parseNameList(first).empty());
}

TEST(Names, OtherResourcesAreAbsent)
{
    EXPECT_FALSE(quillora::resources::find("TEXT", 169).has_value());
    EXPECT_FALSE(quillora::resources::find("PICT", 168).has_value());
}

} // namespace
