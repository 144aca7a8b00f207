// --input-cache: an input animated by a point cache is deformed frame by
// frame exactly as each frame's shape would be as a still input, and a
// cache that is broken, too short for the range or of another shape stops
// the run before anything is written.

#include "app/AppTest.h"
#include "app/CacheFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace kavo::test {
namespace {

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The OBJ text with its v lines replaced by x y z per point.
std::string withPoints(const std::string& obj, const std::vector<double>& xyz)
{
    std::istringstream lines(obj);
    std::string out;
    size_t next = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("v ", 0) == 0) {
            char text[128];
            std::snprintf(text, sizeof text, "v %.17g %.17g %.17g", xyz[next], xyz[next + 1], xyz[next + 2]);
            line = text;
            next += 3;
        }
        out += line + "\n";
    }
    return out;
}

struct InputFormat
{
    const char* name;
    const char* output;
    std::vector<std::string> options;
    std::function<std::vector<std::vector<double>>(const std::string& folder)> read;
};

std::vector<std::vector<double>> samplesOf(const GeometryCacheData& data)
{
    std::vector<std::vector<double>> frames;
    for (const ChannelSample& sample : data.samples)
        frames.push_back(sample.values);
    return frames;
}

const InputFormat kInputFormats[] = {
    {"pc2", "moving.pc2", {}, [](const std::string& folder) { return readPc2(folder + "moving.pc2").values; }},
    {"mdd", "moving.mdd", {}, [](const std::string& folder) { return readMdd(folder + "moving.mdd").values; }},
    {"mcx",
     "moving.xml",
     {},
     [](const std::string& folder) { return samplesOf(readGeometryCacheData(folder + "moving.mcx")); }},
    {"mccFloatPerFrame",
     "moving.xml",
     {"--cache-per-frame", "--cache-format", "mcc", "--cache-float"},
     [](const std::string& folder) {
         std::vector<std::vector<double>> frames;
         for (int frame = 1; frame <= 3; ++frame)
             frames.push_back(
                 readGeometryCacheData(folder + "movingFrame" + std::to_string(frame) + ".mcc").samples.at(0).values);
         return frames;
     }},
};

void PrintTo(const InputFormat& format, std::ostream* out)
{
    *out << format.name;
}

class AnimatedInputTest : public AppTest, public ::testing::WithParamInterface<InputFormat>
{};

TEST_P(AnimatedInputTest, EachFrameIsDeformedAsThatFramesShapeWouldBeAsAStillInput)
{
    const InputFormat& format = GetParam();
    ASSERT_TRUE(runs({"@plane:4x3", "--envelope", "0", "-o", "grid.obj", "--quiet"}));
    std::vector<std::string> moving = {"@plane:4x3", "-o",        format.output, "--frames", "1:3",
                                       "--set",      "phase=0.3", "--set",       "amp=0.4",  "--quiet"};
    moving.insert(moving.end(), format.options.begin(), format.options.end());
    ASSERT_TRUE(runs(moving));
    const std::vector<std::string> deform = {"--set", "phase=0.7", "--set", "nt=Sine", "--quiet"};
    std::vector<std::string> animated = {"grid.obj", "--input-cache", format.output, "--frames", "1:3",
                                         "-o",       "out.#.obj"};
    animated.insert(animated.end(), deform.begin(), deform.end());
    ASSERT_TRUE(runs(animated));

    const std::vector<std::vector<double>> frames = format.read(folder());
    ASSERT_EQ(frames.size(), 3u);
    for (int frame = 1; frame <= 3; ++frame) {
        const std::string still = "still" + std::to_string(frame) + ".obj";
        writeText(file(still), withPoints(readText(file("grid.obj")), frames[frame - 1]));
        std::vector<std::string> run = {still, "--frame", std::to_string(frame), "-o", "ref.#.obj"};
        run.insert(run.end(), deform.begin(), deform.end());
        ASSERT_TRUE(runs(run));
        const std::string name = "." + std::to_string(frame) + ".obj";
        EXPECT_EQ(readText(file("out" + name)), readText(file("ref" + name))) << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, AnimatedInputTest, ::testing::ValuesIn(kInputFormats),
                         [](const auto& info) { return std::string(info.param.name); });

// Every kind of geometry takes its points back from a cache of its own
// deformed points: with the deformer off, the output is the first run's,
// byte for byte (periodic NURBS included, whose repeated CVs the cache
// leaves out).
TEST(CachedKinds, EveryKindTakesItsDeformedPointsBackFromACache)
{
    const std::vector<std::pair<std::string, std::string>> kinds = {
        {"@sphere:5x3", ".obj"}, {"@nurbs-sphere:4x4", ".obj"}, {"@nurbs-plane:4x5", ".obj"},
        {"@helix:6", ".obj"},    {"@subd-cube:1", ".obj"},      {"@particles:20", ".ply"}};
    for (const auto& [input, extension] : kinds) {
        SCOPED_TRACE(input);
        ScratchDirectory scratch;
        const std::string folder = scratch.file("");
        for (const std::string& output : {"deformed.#" + extension, std::string("moving.xml")})
            ASSERT_EQ(
                runApp({input, "--frames", "1:2", "--set", "phase=0.3", "--quiet", "-o", output}, folder).exitCode, 0);
        const AppRun back = runApp({input, "--input-cache", "moving.xml", "--envelope", "0", "--frames", "1:2",
                                    "--quiet", "-o", "back.#" + extension},
                                   folder);
        ASSERT_EQ(back.exitCode, 0) << back.err;
        for (const char* frame : {"1", "2"})
            EXPECT_EQ(readText(scratch.file(std::string("back.") + frame + extension)),
                      readText(scratch.file(std::string("deformed.") + frame + extension)))
                << "frame " << frame;
    }
}

// A broken cache: what the run printed, and whether it left the folder as
// it was.
class BadInputCacheTest : public AppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runs({"@plane:3x2", "--envelope", "0", "-o", "grid.obj", "--quiet"}));
        ASSERT_TRUE(runs({"@plane:3x2", "@plane:3x2", "@plane:3x2", "-o", "good.pc2", "good.mdd", "good.xml",
                          "--frames", "1:3", "--quiet"}));
        ASSERT_TRUE(runs({"@plane:3x2", "-o", "frames.xml", "--frames", "1:3", "--cache-per-frame", "--quiet"}));
    }

    // Runs the grid with the cache over frames 1 to 3; expects exit 2 with a
    // message that names the file and says `problem`, and nothing written.
    void expectRefused(const std::string& cache, const std::string& problem,
                       const std::vector<std::string>& frames = {"--frames", "1:3"})
    {
        expectRefusedNaming(cache, cache, problem, frames);
    }
    void expectRefusedNaming(const std::string& cache, const std::string& named, const std::string& problem,
                             const std::vector<std::string>& frames = {"--frames", "1:3"})
    {
        const std::vector<std::string> before = files();
        std::vector<std::string> arguments = {"grid.obj", "--input-cache", cache, "-o", "out.#.obj", "--quiet"};
        arguments.insert(arguments.end(), frames.begin(), frames.end());
        const AppRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_NE(result.err.find(problem), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("\"" + named + "\""), std::string::npos) << result.err;
        EXPECT_EQ(files(), before);
    }

    std::string bytes(const std::string& name) const { return readBytes(file(name)); }
    void write(const std::string& name, const std::string& content) const { writeBytes(file(name), content); }
};

TEST_F(BadInputCacheTest, Pc2AndMddFilesThatDisagreeWithTheirHeadersAreRefused)
{
    std::string pc2 = bytes("good.pc2");
    write("short.pc2", pc2.substr(0, pc2.size() - 1));
    expectRefused("short.pc2", "but its header (12 points, 3 frames) makes it");
    write("long.mdd", bytes("good.mdd") + "x");
    expectRefused("long.mdd", "but its header (12 points, 3 frames) makes it");
    write("tiny.pc2", pc2.substr(0, 20));
    expectRefused("tiny.pc2", "is too short");
    std::string tag = pc2;
    tag[0] = 'X';
    write("tag.pc2", tag);
    expectRefused("tag.pc2", "does not start with POINTCACHE2");
    std::string many = pc2;
    many.replace(16, 4, std::string("\x00\x00\x00\x70", 4));
    write("many.pc2", many);
    expectRefused("many.pc2", "points; a cache may hold 0 to 100000000");
    std::string start = pc2;
    start.replace(20, 4, std::string("\x00\x00\xc0\x7f", 4)); // NaN
    write("nan.pc2", start);
    expectRefused("nan.pc2", "must be finite");
    std::string time = bytes("good.mdd");
    time.replace(12, 4, std::string("\x7f\x80\x00\x00", 4)); // +inf
    write("inf.mdd", time);
    expectRefused("inf.mdd", "gives the time of frame 2 as inf");
}

TEST_F(BadInputCacheTest, BrokenGeometryCachesAreRefused)
{
    std::string data = bytes("good.mcx");
    write("cut.xml", bytes("good.xml"));
    write("cut.mcx", data.substr(0, data.size() - 8));
    expectRefusedNaming("cut.xml", "cut.mcx", "bytes cannot hold");
    std::string form = data;
    form.replace(0, 4, "FOR4");
    write("form.xml", bytes("good.xml"));
    write("form.mcx", form);
    expectRefusedNaming("form.xml", "form.mcx",
                        "where a FOR8 group should start (the description names the other format)");
    write("lost.xml", bytes("good.xml"));
    expectRefusedNaming("lost.xml", "lost.mcx", "no such file");
    const std::string xml = readText(file("good.xml"));
    write("bare.xml", xml.substr(0, xml.find("<channel0") + 10));
    expectRefused("bare.xml", "ends inside <channel0>");
    std::string floats = xml;
    floats.replace(floats.find("DoubleVectorArray"), 17, "FloatVectorArray");
    write("floats.xml", floats);
    write("floats.mcx", data);
    expectRefusedNaming("floats.xml", "floats.mcx", "in a DVCA block, but the description says FVCA");
    std::filesystem::remove(file("framesFrame2.mcx"));
    expectRefusedNaming("frames.xml", "framesFrame2.mcx", "no such file");
}

TEST_F(BadInputCacheTest, RangesAndPointCountsThatDoNotFitTheRunAreRefused)
{
    expectRefused("good.pc2", "has no sample at frame 4", {"--frames", "2:4"});
    expectRefused("good.mdd", "has no sample at frame 0", {"--frames", "0:1"});
    expectRefused("good.xml", "has no sample at frame 5", {"--frame", "5"});
    ASSERT_TRUE(runs({"@plane:3x2", "-o", "odd.pc2", "--frames", "1:5:2", "--quiet"}));
    expectRefused("odd.pc2", "has no sample at frame 2", {"--frames", "1:3"});
    ASSERT_TRUE(runs({"@plane:2x2", "-o", "small.xml", "--frames", "1:3", "--quiet"}));
    expectRefused("small.xml", "holds 9 points a frame, but \"grid.obj\" has 12");
    const AppRun result = run({"grid.obj", "--input-cache", "good.pc2", "-o", "good.pc2", "--frames", "1:3"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("would overwrite the input"), std::string::npos) << result.err;
}

} // namespace
} // namespace kavo::test
