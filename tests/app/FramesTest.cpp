// Frame ranges: # runs name each frame's files, frames differ as scene time
// moves, and a range split into pieces run separately (as a farm does)
// writes the very same files as one run.

#include "app/AppTest.h"

#include <filesystem>

namespace kavo::test {
namespace {

using FramesTest = AppTest;

TEST_F(FramesTest, HashRunsBecomeZeroPaddedFrameNumbers)
{
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "out.###.obj", "--frames", "1:5:2", "--preview", "view.#.png",
                      "--preview-size", "32x24", "--quiet"}));
    EXPECT_EQ(files(), (std::vector<std::string>{"out.001.obj", "out.003.obj", "out.005.obj", "view.1.png",
                                                 "view.3.png", "view.5.png"}));
    EXPECT_NE(obj("out.001.obj").vertices, obj("out.003.obj").vertices) << "the noise is animated by default";
}

TEST_F(FramesTest, SplitRangesWriteWhatOneRunWrites)
{
    std::filesystem::create_directory(file("whole"));
    std::filesystem::create_directory(file("split"));
    ASSERT_TRUE(runs({"@sphere:6x4", "-o", "whole/s.##.obj", "--frames", "10:13", "--set", "phase=0.3"}));
    ASSERT_TRUE(runs({"@sphere:6x4", "-o", "split/s.##.obj", "--frames", "10:11", "--set", "phase=0.3"}));
    ASSERT_TRUE(runs({"@sphere:6x4", "-o", "split/s.##.obj", "--frames", "12:13", "--set", "phase=0.3"}));
    ASSERT_TRUE(runs({"@sphere:6x4", "-o", "split/single.obj", "--frame", "12", "--set", "phase=0.3"}));
    for (const char* name : {"s.10.obj", "s.11.obj", "s.12.obj", "s.13.obj"})
        EXPECT_EQ(readText(file(std::string("whole/") + name)), readText(file(std::string("split/") + name))) << name;
    EXPECT_EQ(readText(file("split/single.obj")), readText(file("whole/s.12.obj")));
}

TEST_F(FramesTest, StillNoiseIsTheSameAtEveryFrame)
{
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "out.#.obj", "--frames", "1:2", "--set", "animationState=off"}));
    EXPECT_EQ(obj("out.1.obj").vertices, obj("out.2.obj").vertices);
}

} // namespace
} // namespace kavo::test
