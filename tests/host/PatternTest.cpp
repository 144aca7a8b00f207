// The procedural 2-D textures: checker and v-ramp.

#include "render/CheckerPattern.h"
#include "render/RampPattern.h"

#include <gtest/gtest.h>

#include <limits>

using kavo::host::render::CheckerPattern;
using kavo::host::render::RampPattern;

namespace {

const MFloatVector kRed(1, 0, 0), kBlue(0, 0, 1), kWhite(1, 1, 1), kBlack(0, 0, 0);
const double kNaN = std::numeric_limits<double>::quiet_NaN();

void expectColor(const MFloatVector& actual, const MFloatVector& expected)
{
    EXPECT_TRUE(actual.isEquivalent(expected, 1e-6f)) << actual.x << " " << actual.y << " " << actual.z;
}

TEST(CheckerPattern, FourByFourWhiteAndBlackByDefaultRepeatingEverywhere)
{
    CheckerPattern checker;
    expectColor(checker.colorAt(0.1, 0.1), kWhite);
    expectColor(checker.colorAt(0.3, 0.1), kBlack);
    expectColor(checker.colorAt(0.3, 0.3), kWhite);
    expectColor(checker.colorAt(0.25, 0.0), kBlack); // squares own their lower-left edges
    expectColor(checker.colorAt(0.2499, 0.0), kWhite);

    CheckerPattern wide(kRed, kBlue, 2.0, 1.0);
    expectColor(wide.colorAt(0.75, 0.5), kBlue);
    expectColor(wide.colorAt(1.25, 0.5), kRed);
    expectColor(wide.colorAt(-0.25, 0.5), kBlue);
    expectColor(wide.colorAt(-0.25, -0.5), kRed);
    expectColor(wide.colorAt(kNaN, 1e300), kRed);
}

TEST(RampPattern, InterpolatesAlongVAndHoldsTheEndColours)
{
    RampPattern ramp;
    ASSERT_TRUE(ramp.addEntry(0.8f, kBlue)); // out of order on purpose
    ASSERT_TRUE(ramp.addEntry(0.2f, kRed));

    expectColor(ramp.colorAt(0.0, 0.5), MFloatVector(0.5f, 0.0f, 0.5f));
    expectColor(ramp.colorAt(0.7, 0.35), MFloatVector(0.75f, 0.0f, 0.25f));
    expectColor(ramp.colorAt(0.5, -3.0), kRed);
    expectColor(ramp.colorAt(0.5, 7.5), kBlue);
    expectColor(ramp.colorAt(0.5, kNaN), kRed);
}

TEST(RampPattern, EqualPositionsMakeAStepAndOnlyFinitePositionsAreTaken)
{
    RampPattern ramp;
    expectColor(ramp.colorAt(0.5, 0.5), kBlack);
    EXPECT_EQ(ramp.addEntry(std::numeric_limits<float>::infinity(), kRed), MStatus::kInvalidParameter);
    EXPECT_TRUE(ramp.entries().empty());

    for (auto [position, color] : {std::pair{0.0f, kBlack}, {0.5f, kRed}, {0.5f, kBlue}, {1.0f, kWhite}})
        ramp.addEntry(position, color);
    expectColor(ramp.colorAt(0.0, 0.25), MFloatVector(0.5f, 0.0f, 0.0f));
    expectColor(ramp.colorAt(0.0, 0.5), kBlue);
    expectColor(ramp.colorAt(0.0, 0.75), MFloatVector(0.5f, 0.5f, 1.0f));
}

} // namespace
