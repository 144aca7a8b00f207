// Point cache outputs (.xml with its .mcx/.mcc data, .pc2, .mdd): read back
// by the tests' own readers, every kind of geometry's points equal, bit for
// bit, what the OBJ and PLY outputs of the same run carry (or its float32
// rounding), and the headers say the range.

#include "app/AppTest.h"
#include "app/CacheFiles.h"
#include "support/SameBits.h"

#include <functional>
#include <sstream>

namespace kavo::test {
namespace {

const std::vector<std::string> kInputs = {"@plane:3x2", "@nurbs-sphere:4x4", "@helix:6", "@subd-cube:1",
                                          "@particles:20"};
const std::vector<std::string> kFileOutputs = {"plane.#.obj", "nsphere.#.obj", "helix.#.obj", "cube.#.obj",
                                               "particles.#.ply"};
const std::vector<std::string> kNames = {"plane", "nsphere", "helix", "cube", "particles"};
const std::vector<long long> kFrames = {2, 4, 6};
const std::vector<std::string> kJob = {"--frames", "2:6:2", "--set", "phase=0.3", "--quiet"};

// x y z per point of a frame's OBJ or PLY output.
std::vector<double> writtenPoints(const std::string& path)
{
    std::vector<double> xyz;
    if (path.size() > 4 && path.substr(path.size() - 4) == ".ply") {
        const std::string text = readText(path);
        std::istringstream lines(text.substr(text.find("end_header\n") + 11));
        for (double value; lines >> value;)
            xyz.push_back(value);
        return xyz;
    }
    for (const std::vector<double>& vertex : ObjText::read(path).vertices)
        xyz.insert(xyz.end(), vertex.begin(), vertex.begin() + 3);
    return xyz;
}

struct CacheFormat
{
    const char* name;
    std::vector<std::string> options;
    const char* extension; // of the output
    bool doubles;
    // Each frame's x y z per point, as the cache holds them.
    std::function<std::vector<std::vector<double>>(const std::string& base)> read;
};

std::vector<std::vector<double>> geometryCacheFrames(const std::string& dataFile)
{
    std::vector<std::vector<double>> frames;
    for (const ChannelSample& sample : readGeometryCacheData(dataFile).samples)
        frames.push_back(sample.values);
    return frames;
}

std::vector<std::vector<double>> perFrameCacheFrames(const std::string& base, const char* extension)
{
    std::vector<std::vector<double>> frames;
    for (long long frame : kFrames)
        frames.push_back(geometryCacheFrames(base + "Frame" + std::to_string(frame) + extension).at(0));
    return frames;
}

const CacheFormat kFormats[] = {
    {"pc2", {}, ".pc2", false, [](const std::string& base) { return readPc2(base + ".pc2").values; }},
    {"mdd", {}, ".mdd", false, [](const std::string& base) { return readMdd(base + ".mdd").values; }},
    {"mcx", {}, ".xml", true, [](const std::string& base) { return geometryCacheFrames(base + ".mcx"); }},
    {"mcxFloat",
     {"--cache-float"},
     ".xml",
     false,
     [](const std::string& base) { return geometryCacheFrames(base + ".mcx"); }},
    {"mccPerFrame",
     {"--cache-format", "mcc", "--cache-per-frame"},
     ".xml",
     true,
     [](const std::string& base) { return perFrameCacheFrames(base, ".mcc"); }},
    {"mcxFloatPerFrame",
     {"--cache-float", "--cache-per-frame"},
     ".xml",
     false,
     [](const std::string& base) { return perFrameCacheFrames(base, ".mcx"); }},
};

void PrintTo(const CacheFormat& format, std::ostream* out)
{
    *out << format.name;
}

class CacheOutputsTest : public AppTest, public ::testing::WithParamInterface<CacheFormat>
{};

TEST_P(CacheOutputsTest, EveryKindHoldsThePointsTheObjAndPlyOutputsWrite)
{
    const CacheFormat& format = GetParam();
    std::vector<std::string> files = kInputs;
    files.push_back("-o");
    files.insert(files.end(), kFileOutputs.begin(), kFileOutputs.end());
    files.insert(files.end(), kJob.begin(), kJob.end());
    ASSERT_TRUE(runs(files));
    std::vector<std::string> caches = kInputs;
    caches.push_back("-o");
    for (const std::string& name : kNames)
        caches.push_back(name + format.extension);
    caches.insert(caches.end(), kJob.begin(), kJob.end());
    caches.insert(caches.end(), format.options.begin(), format.options.end());
    ASSERT_TRUE(runs(caches));

    for (size_t input = 0; input < kInputs.size(); ++input) {
        SCOPED_TRACE(kInputs[input]);
        const std::vector<std::vector<double>> cached = format.read(file(kNames[input]));
        ASSERT_EQ(cached.size(), kFrames.size());
        for (size_t k = 0; k < kFrames.size(); ++k) {
            std::string written = kFileOutputs[input];
            written.replace(written.find('#'), 1, std::to_string(kFrames[k]));
            const std::vector<double> expected = writtenPoints(file(written));
            ASSERT_EQ(cached[k].size(), expected.size()) << "frame " << kFrames[k];
            for (size_t v = 0; v < expected.size(); ++v) {
                const double value = format.doubles ? expected[v] : double(static_cast<float>(expected[v]));
                ASSERT_TRUE(sameBits(cached[k][v], value))
                    << "frame " << kFrames[k] << " value " << v << ": " << cached[k][v] << " for " << value;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, CacheOutputsTest, ::testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.name); });

class CacheHeadersTest : public AppTest
{};

TEST_F(CacheHeadersTest, Pc2AndMddGiveTheRangeAndPointCount)
{
    ASSERT_TRUE(runs({"@plane:3x2", "@plane:2x2", "-o", "a.pc2", "b.mdd", "--frames", "-3:5:4", "--quiet"}));
    const CacheSamples pc2 = readPc2(file("a.pc2"));
    EXPECT_EQ(pc2.pointCount, 12);
    EXPECT_EQ(pc2.firstFrame, -3.0);
    EXPECT_EQ(pc2.frameStep, 4.0);
    EXPECT_EQ(pc2.times, (std::vector<double>{-3.0, 1.0, 5.0}));
    const CacheSamples mdd = readMdd(file("b.mdd"));
    EXPECT_EQ(mdd.pointCount, 9);
    EXPECT_EQ(mdd.times, (std::vector<double>{float(-3 / 24.0), float(1 / 24.0), float(5 / 24.0)}));
}

TEST_F(CacheHeadersTest, GeometryCacheDescribesItsRangeInTicksAndNamesTheShape)
{
    ASSERT_TRUE(runs({"@plane:3x2", "-o", "c.xml", "--frames", "2:6:2", "--quiet"}));
    EXPECT_EQ(readText(file("c.xml")),
              "<?xml version=\"1.0\"?>\n"
              "<geometryCache>\n"
              "  <cacheType Type=\"OneFile\" Format=\"mcx\"/>\n"
              "  <time Range=\"500-1500\"/>\n"
              "  <cacheTimePerFrame TimePerFrame=\"250\"/>\n"
              "  <cacheVersion Version=\"2.0\"/>\n"
              "  <extra>kavo-deform deformed positions</extra>\n"
              "  <Channels>\n"
              "    <channel0 ChannelName=\"planeShape\" ChannelType=\"DoubleVectorArray\" "
              "ChannelInterpretation=\"positions\" SamplingType=\"Regular\" SamplingRate=\"500\" StartTime=\"500\" "
              "EndTime=\"1500\"/>\n"
              "  </Channels>\n"
              "</geometryCache>\n");
    const GeometryCacheData data = readGeometryCacheData(file("c.mcx"));
    EXPECT_TRUE(data.wide);
    EXPECT_EQ(data.version, std::string("0.1", 4));
    EXPECT_EQ(data.startTime, 500);
    EXPECT_EQ(data.endTime, 1500);
    ASSERT_EQ(data.samples.size(), 3u);
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(data.samples[k].time, 500 * (long long)(k + 1));
        EXPECT_EQ(data.samples[k].channel, "planeShape");
        EXPECT_EQ(data.samples[k].size, 12u);
        EXPECT_EQ(data.samples[k].type, "DVCA");
    }
}

TEST_F(CacheHeadersTest, PerFrameDataFilesHoldOneTimeEachWithoutTimeBlocks)
{
    ASSERT_TRUE(runs({"@helix:6", "-o", "h.xml", "--frames", "-1:1", "--cache-per-frame", "--cache-format", "mcc",
                      "--cache-float", "--quiet"}));
    EXPECT_EQ(files(), (std::vector<std::string>{"h.xml", "hFrame-1.mcc", "hFrame0.mcc", "hFrame1.mcc"}));
    EXPECT_NE(readText(file("h.xml")).find("<cacheType Type=\"OneFilePerFrame\" Format=\"mcc\"/>"), std::string::npos);
    for (long long frame = -1; frame <= 1; ++frame) {
        const GeometryCacheData data = readGeometryCacheData(file("hFrame" + std::to_string(frame) + ".mcc"));
        EXPECT_FALSE(data.wide);
        EXPECT_EQ(data.startTime, 250 * frame);
        EXPECT_EQ(data.endTime, 250 * frame);
        ASSERT_EQ(data.samples.size(), 1u);
        EXPECT_EQ(data.samples[0].time, -1);
        EXPECT_EQ(data.samples[0].type, "FVCA");
    }
}

} // namespace
} // namespace kavo::test
