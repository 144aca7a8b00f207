// The procedural 2-D textures: checker and v-ramp.

#include "render/CheckerPattern.h"
#include "render/RampPattern.h"

#include <gtest/gtest.h>

#include <limits>

using kavo::host::render::CheckerPattern;
using kavo::host::render::RampPattern;

namespace {

const MFloatVector kRed(1.0f, 0.0f, 0.0f);
const MFloatVector kBlue(0.0f, 0.0f, 1.0f);
const MFloatVector kWhite(1.0f, 1.0f, 1.0f);
const MFloatVector kBlack(0.0f, 0.0f, 0.0f);

void expectColor(const MFloatVector& actual, const MFloatVector& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-6f);
    EXPECT_NEAR(actual.y, expected.y, 1e-6f);
    EXPECT_NEAR(actual.z, expected.z, 1e-6f);
}

TEST(CheckerPatternTest, DefaultIsFourByFourWhiteAndBlackWithWhiteAtTheOrigin)
{
    CheckerPattern checker;

    expectColor(checker.colorAt(0.1, 0.1), kWhite);
    expectColor(checker.colorAt(0.3, 0.1), kBlack);
    expectColor(checker.colorAt(0.1, 0.3), kBlack);
    expectColor(checker.colorAt(0.3, 0.3), kWhite);
    expectColor(checker.colorAt(0.9, 0.9), kWhite);
    // Squares own their lower and left edges.
    expectColor(checker.colorAt(0.25, 0.0), kBlack);
    expectColor(checker.colorAt(0.2499, 0.0), kWhite);
}

TEST(CheckerPatternTest, RepeatsOutsideTheUnitSquareAndFollowsTheRepeatCounts)
{
    CheckerPattern checker(kRed, kBlue, 2.0, 1.0);

    expectColor(checker.colorAt(0.25, 0.5), kRed);
    expectColor(checker.colorAt(0.75, 0.5), kBlue);
    expectColor(checker.colorAt(1.25, 0.5), kRed);
    expectColor(checker.colorAt(-0.25, 0.5), kBlue);
    expectColor(checker.colorAt(0.25, -0.5), kBlue);
    expectColor(checker.colorAt(-0.25, -0.5), kRed);
}

TEST(CheckerPatternTest, CoordinatesOutOfAnyIntegerRangeStillGiveAColour)
{
    CheckerPattern checker(kRed, kBlue);
    const double nan = std::numeric_limits<double>::quiet_NaN();

    expectColor(checker.colorAt(nan, nan), kRed);
    expectColor(checker.colorAt(1e300, 0.1), kRed);
    expectColor(checker.colorAt(-1e300, 0.1), kRed);
}

RampPattern redToBlue()
{
    RampPattern ramp;
    // Added out of order on purpose.
    EXPECT_TRUE(ramp.addEntry(0.8f, kBlue));
    EXPECT_TRUE(ramp.addEntry(0.2f, kRed));
    return ramp;
}

TEST(RampPatternTest, InterpolatesLinearlyAlongVOnly)
{
    RampPattern ramp = redToBlue();

    expectColor(ramp.colorAt(0.0, 0.5), MFloatVector(0.5f, 0.0f, 0.5f));
    expectColor(ramp.colorAt(0.7, 0.35), MFloatVector(0.75f, 0.0f, 0.25f));
    expectColor(ramp.colorAt(0.3, 0.2), kRed);
    expectColor(ramp.colorAt(0.3, 0.8), kBlue);
}

TEST(RampPatternTest, HoldsTheEndColoursOutsideTheEntries)
{
    RampPattern ramp = redToBlue();
    const double nan = std::numeric_limits<double>::quiet_NaN();

    expectColor(ramp.colorAt(0.5, 0.0), kRed);
    expectColor(ramp.colorAt(0.5, -3.0), kRed);
    expectColor(ramp.colorAt(0.5, 1.0), kBlue);
    expectColor(ramp.colorAt(0.5, 7.5), kBlue);
    expectColor(ramp.colorAt(0.5, nan), kRed);
}

TEST(RampPatternTest, EntriesAtOnePositionMakeAStep)
{
    RampPattern ramp;
    ramp.addEntry(0.0f, kBlack);
    ramp.addEntry(0.5f, kRed);
    ramp.addEntry(0.5f, kBlue);
    ramp.addEntry(1.0f, kWhite);

    expectColor(ramp.colorAt(0.0, 0.25), MFloatVector(0.5f, 0.0f, 0.0f));
    expectColor(ramp.colorAt(0.0, 0.5), kBlue);
    expectColor(ramp.colorAt(0.0, 0.75), MFloatVector(0.5f, 0.5f, 1.0f));
}

TEST(RampPatternTest, EmptyRampIsBlackAndPositionsMustBeFinite)
{
    RampPattern ramp;
    expectColor(ramp.colorAt(0.5, 0.5), kBlack);

    EXPECT_EQ(ramp.addEntry(std::numeric_limits<float>::quiet_NaN(), kRed), MStatus::kInvalidParameter);
    EXPECT_EQ(ramp.addEntry(std::numeric_limits<float>::infinity(), kRed), MStatus::kInvalidParameter);
    EXPECT_TRUE(ramp.entries().empty());
}

} // namespace
