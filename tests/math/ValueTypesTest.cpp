#include <maya/MColor.h>
#include <maya/MFloatPoint.h>
#include <maya/MFloatVector.h>
#include <maya/MPoint.h>
#include <maya/MTypeId.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

#include <gtest/gtest.h>

namespace {

TEST(ValueTypes, TypeIdJoinsPrefixAndId)
{
    EXPECT_EQ(MTypeId(0x114F60).id(), 0x114F60u);
    EXPECT_EQ(MTypeId(0x114F, 0x60), MTypeId(0x114F60));
    EXPECT_EQ(MTypeId(0x114F, 0x161).id(), 0x114F61u); // the id keeps 8 bits
    EXPECT_NE(MTypeId(1), MTypeId());
}

TEST(ValueTypes, ColorDefaultsToOpaque)
{
    const MColor black;
    EXPECT_EQ(black, MColor(0.0f, 0.0f, 0.0f, 1.0f));
    const float rgb[3] = {0.25f, 0.5f, 0.75f};
    EXPECT_EQ(MColor(rgb), MColor(0.25f, 0.5f, 0.75f));
    EXPECT_EQ(MColor(1.0f, 0.5f).b, 0.0f);
}

TEST(ValueTypes, SpaceAndVersionValues)
{
    EXPECT_EQ(MAYA_API_VERSION, 201500);
    EXPECT_EQ(MSpace::kObject, MSpace::kPreTransform);
    EXPECT_EQ(MSpace::kWorld, 4);
}

TEST(ValueTypes, FloatPointsNarrowAndWiden)
{
    const MFloatPoint narrowed(MPoint(0.1, 0.2, 0.3, 2.0));
    EXPECT_EQ(narrowed, MFloatPoint(0.1f, 0.2f, 0.3f, 2.0f));
    EXPECT_EQ(narrowed - MFloatPoint::origin, MFloatVector(0.05f, 0.1f, 0.15f));
    EXPECT_EQ(MFloatVector(MVector(0.1, 0.2, 0.3)), MFloatVector(0.1f, 0.2f, 0.3f));
    EXPECT_EQ(MVector(MFloatVector(0.5f, 0.25f, 2.0f)), MVector(0.5, 0.25, 2.0));
}

} // namespace
