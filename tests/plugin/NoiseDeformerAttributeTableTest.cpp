// The attribute table's columns that no host sees directly: which field of
// the pass's values each attribute fills, and when the pass reads it. The
// names, defaults, limits, flags and creation order are pinned through the
// loaded plug-in (tests/loaded/DeformerAttributesTest.cpp), the order of the
// reads through a failing host (tests/loaded/DeformPassFailureTest.cpp).
#include "NoiseDeformerAttributes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <variant>
#include <vector>

namespace {

TEST(NoiseDeformerAttributeTable, EveryReadFillsAFieldOfItsOwnInATurnOfItsOwn)
{
    std::vector<NoiseDeformerAttribute::Field> fields;
    std::set<int> turns;
    for (const NoiseDeformerAttribute& row : kNoiseDeformerAttributes) {
        SCOPED_TRACE(row.name);
        const bool read = row.readOrder != 0;
        EXPECT_EQ(read, !std::holds_alternative<std::monostate>(row.field));
        if (!read)
            continue;
        EXPECT_EQ(std::find(fields.begin(), fields.end(), row.field), fields.end()) << "a second row fills its field";
        fields.push_back(row.field);
        EXPECT_TRUE(turns.insert(row.readOrder).second) << "a second row is read in turn " << row.readOrder;
    }
    // Every turn from the first to the last is someone's: none is skipped.
    ASSERT_FALSE(turns.empty());
    EXPECT_EQ(*turns.begin(), kFirstRead);
    EXPECT_EQ(*turns.rbegin(), kLastRead);
    EXPECT_EQ(turns.size(), static_cast<std::size_t>(kLastRead - kFirstRead + 1));
}

} // namespace
