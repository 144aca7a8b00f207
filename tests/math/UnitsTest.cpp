#include <maya/MAngle.h>
#include <maya/MDistance.h>
#include <maya/MTime.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(MTime, ConvertsBetweenUnitsExactly)
{
    EXPECT_EQ(MTime(48.0, MTime::kFilm).as(MTime::kSeconds), 2.0);
    EXPECT_EQ(MTime(2.0, MTime::kSeconds).as(MTime::kFilm), 48.0);
    EXPECT_EQ(MTime(1.0, MTime::kFilm).as(MTime::kSeconds), 1.0 / 24.0);
    EXPECT_EQ(MTime(25.0, MTime::kPALFrame).as(MTime::kNTSCFrame), 30.0);
    EXPECT_EQ(MTime(1.5, MTime::kHours).as(MTime::kMinutes), 90.0);
    EXPECT_EQ(MTime(1.0, MTime::kMinutes).as(MTime::kMilliseconds), 60000.0);
    EXPECT_EQ(MTime(3.0, MTime::k6000FPS).as(MTime::k3000FPS), 1.5);
    EXPECT_EQ(MTime(7.0, MTime::k75FPS).asUnits(MTime::k75FPS), 7.0);
    EXPECT_EQ(MTime(5.0, MTime::kGames).as(MTime::kShowScan), 16.0);

    // Every frame-rate unit counts its own frames per second.
    const double fps[] = {2,   3,   4,   5,   6,   8,   10,  12,  16,  20,  40,   75,   80,   100,  120, 125,
                          150, 200, 240, 250, 300, 375, 400, 500, 600, 750, 1200, 1500, 2000, 3000, 6000};
    for (int unit = MTime::k2FPS; unit <= MTime::k6000FPS; ++unit)
        EXPECT_EQ(MTime(1.0, MTime::kSeconds).as(static_cast<MTime::Unit>(unit)), fps[unit - MTime::k2FPS]);

    EXPECT_EQ(MTime(1.0, MTime::kSeconds).as(MTime::kUserDef), 0.0);
    EXPECT_EQ(MTime::uiUnit(), MTime::kFilm);
    EXPECT_EQ(MTime().unit(), MTime::kFilm);
}

TEST(MTime, ArithmeticAndComparisonAcrossUnits)
{
    const MTime second(1.0, MTime::kSeconds);
    const MTime frames(24.0, MTime::kFilm);
    EXPECT_EQ(second, frames);
    EXPECT_LT(MTime(23.0, MTime::kFilm), second);
    const MTime sum = frames + second;
    EXPECT_EQ(sum.unit(), MTime::kFilm);
    EXPECT_EQ(sum.value(), 48.0);
    EXPECT_EQ((second * 3.0 - 1.0).value(), 2.0);

    MTime time(12.0, MTime::kFilm);
    EXPECT_TRUE(time.setUnit(MTime::kPALFrame));
    EXPECT_EQ(time.value(), 12.0);
    EXPECT_EQ(time.setUnit(MTime::kLast), MStatus::kInvalidParameter);
    EXPECT_EQ(time.unit(), MTime::kPALFrame);
}

TEST(AngleAndDistance, Conversions)
{
    EXPECT_DOUBLE_EQ(MAngle(180.0, MAngle::kDegrees).asRadians(), M_PI);
    EXPECT_DOUBLE_EQ(MAngle(M_PI / 2).asDegrees(), 90.0);
    EXPECT_EQ(MAngle(1.5, MAngle::kDegrees).asAngMinutes(), 90.0);
    MStatus status;
    EXPECT_EQ(MAngle(1.0).as(MAngle::kInvalid, &status), 0.0);
    EXPECT_EQ(status, MStatus::kInvalidParameter);

    EXPECT_EQ(MDistance(1.0, MDistance::kInches).asCentimeters(), 2.54);
    EXPECT_EQ(MDistance(3.0, MDistance::kFeet).as(MDistance::kYards), 1.0);
    EXPECT_EQ(MDistance(1.0, MDistance::kMiles).asMeters(), 1609.344);
    EXPECT_EQ(MDistance(250.0).asMeters(), 2.5);
}

} // namespace
