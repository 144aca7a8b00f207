// What a user gets wrong: a clear message, exit status 2, no output file
// (not even a partial one), and the inputs untouched.

#include "app/AppTest.h"

#include <filesystem>

namespace kavo::test {
namespace {

const char* kTriangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";

class BadInputTest : public AppTest
{
protected:
    void SetUp() override { writeText(file("in.obj"), kTriangle); }

    // Runs, expects exit status 2 with `words` in the message and nothing
    // written besides the inputs; answers the run.
    AppRun expectRefused(const std::vector<std::string>& arguments, const std::string& words)
    {
        const std::vector<std::string> before = files();
        const AppRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_NE(result.err.find(words), std::string::npos) << result.err;
        EXPECT_EQ(files(), before);
        EXPECT_EQ(readText(file("in.obj")), kTriangle);
        return result;
    }

    // The same for in.obj deformed to out.obj with the options given.
    AppRun expectOptionsRefused(const std::vector<std::string>& options, const std::string& words)
    {
        std::vector<std::string> arguments = {"in.obj", "-o", "out.obj"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return expectRefused(arguments, words);
    }
};

TEST_F(BadInputTest, MissingOrMalformedInputNamesTheFileAndLine)
{
    expectRefused({"nothere.obj", "-o", "out.obj"}, "nothere.obj");
    expectRefused({"@cone", "-o", "out.obj"}, "@plane");
    expectRefused({"@plane:0x2", "-o", "out.obj"}, "@plane:0x2");

    writeText(file("word.obj"), "v 0 0 0\nv 1 two 0\nv 0 1 0\nf 1 2 3\n");
    expectRefused({"word.obj", "-o", "out.obj"}, "word.obj:2:");
    writeText(file("index.obj"), "v 0 0 0\nv 1 0 0\nv 0 1 0\n\nf 1 2 4\n");
    expectRefused({"index.obj", "-o", "out.obj"}, "index.obj:5:");
    writeText(file("edge.obj"), "v 0 0 0\nv 1 0 0\nf 1 2\n");
    expectRefused({"edge.obj", "-o", "out.obj"}, "edge.obj:3:");
    writeText(file("points.obj"), "v 0 0 0\nv 1 0 0\n");
    expectRefused({"points.obj", "-o", "out.obj"}, "no faces");

    writeText(file("weights.txt"), "1 1\n0.5 heavy\n");
    expectRefused({"in.obj", "-o", "out.obj", "--weights", "weights.txt"}, "weights.txt:2:");
    writeText(file("few.txt"), "1 1\n");
    expectRefused({"in.obj", "-o", "out.obj", "--weights", "few.txt"}, "2 weights for 3 points");
}

TEST_F(BadInputTest, UnknownAttributeListsTheValidNames)
{
    expectOptionsRefused({"--set", "wobble=1"}, "amplitude (amp)");
}

TEST_F(BadInputTest, ValuesThatDoNotParse)
{
    expectOptionsRefused({"--set", "amp=loud"}, "loud");
    expectOptionsRefused({"--set", "seed=1.5"}, "whole number");
    expectOptionsRefused({"--set", "nt=Fractal"}, "Sine Absolute Value (3)");
    expectOptionsRefused({"--set", "aln=maybe"}, "on, off");
    expectOptionsRefused({"--set", "disp=1,0"}, "R,G,B");
    expectOptionsRefused({"--set", "amp"}, "NAME=VALUE");
    expectOptionsRefused({"--handle-translate", "1,2"}, "X,Y,Z");
    expectOptionsRefused({"--frames", "1:x"}, "1:x");
    expectOptionsRefused({"--frames", "1:3"}, "#");
    expectOptionsRefused({"--envelope", "full"}, "full");
    expectOptionsRefused({"--frames", ""}, "frame range");
}

// Each message names what the user wrote and the bound it broke.
TEST_F(BadInputTest, ValuesOutOfRangeNameTheRealLimit)
{
    expectOptionsRefused({"--frame", "99999999999999999999"}, "1000000000");
    expectOptionsRefused({"--frame", "99999999999999999999"}, "\"99999999999999999999\"");
    expectOptionsRefused({"--set", "seed=2147483648"}, "from -2147483648 to 2147483647");
    expectOptionsRefused({"--set", "disp=0,0,1e300"}, "for displacement:");
    expectOptionsRefused({"--set", "amplitude=1e300"}, "3.40282347e+38");
    expectRefused({"@plane:3000x3000", "-o", "out.obj"}, "at most 4000000");
    expectOptionsRefused({"--preview", "view.gif"}, ".png, .jpg");
}

// Member lists are read strictly, with the whole list and the fault on one
// line; the points are counted over all the inputs (3 + 9 here).
TEST_F(BadInputTest, MemberListsThatDoNotParseOrNameNoPoint)
{
    const std::vector<std::pair<std::string, std::string>> lists = {
        {"", "is empty"},
        {"1,,2", "an item is empty"},
        {"2,", "an item is empty"},
        {"3:1", "runs backwards"},
        {"two", "\"two\" is neither"},
        {"-1", "\"-1\" is neither"},
        {"+1", "\"+1\" is neither"},
        {" 1", "\" 1\" is neither"},
        {"1:2:3", "\"1:2:3\" is neither"},
        {"4:", "\"4:\" is neither"},
        {"99999999999999999999", "too large"},
        {"0,5:12", "no point 12: the inputs have 12"},
    };
    for (const auto& [list, words] : lists) {
        const AppRun result =
            expectRefused({"in.obj", "@plane:2x2", "-o", "out.obj", "plane.obj", "--members", list}, words);
        EXPECT_NE(result.err.find("--members"), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
}

TEST_F(BadInputTest, PluginThatDoesNotLoadOrRegister)
{
    writeText(file("fake.so"), "not a library");
    expectRefused({"in.obj", "-o", "out.obj", "--plugin", file("fake.so")}, "fake.so");

    // A real plug-in, but not this one: it registers no "noiseDeformer".
    const std::string other = std::string(KAVO_BINARY_DIR) + "/bin/loader-plugins/TwoTypePlugin.so";
    if (!std::filesystem::exists(other))
        GTEST_SKIP() << "the loader tests' plug-ins are not built";
    expectRefused({"in.obj", "-o", "out.obj", "--plugin", other}, "noiseDeformer");
}

TEST_F(BadInputTest, OutputsNeverOverwriteInputsOrEachOther)
{
    expectRefused({"in.obj", "-o", "in.obj"}, "overwrite");
    std::filesystem::create_directory(file("sub"));
    expectRefused({"in.obj", "-o", "sub/../in.obj"}, "overwrite");
    expectRefused({"in.obj", "@plane", "-o", "same.obj", "same.obj"}, "twice");
    expectRefused({"in.obj", "-o", "out.ply"}, ".obj");
    expectRefused({"in.obj", "-o", "missing/out.obj"}, "missing");
}

} // namespace
} // namespace kavo::test
