// Every built-in kind end to end, all on one deformer in one run: the files
// have the geometry's structure, and the deformer moved their points.

#include "app/AppTest.h"

#include <sstream>

namespace kavo::test {
namespace {

const std::vector<std::string> kInputs = {"@plane:3x2",        "@sphere:5x3", "@torus:5x3",   "@nurbs-plane:4x5",
                                          "@nurbs-sphere:4x4", "@helix:6",    "@subd-cube:2", "@particles:20"};
const std::vector<std::string> kOutputs = {"plane.obj",   "sphere.obj", "torus.obj", "nplane.obj",
                                           "nsphere.obj", "helix.obj",  "cube.obj",  "particles.ply"};

std::vector<std::string> arguments(const std::string& folder, const std::vector<std::string>& extra)
{
    std::vector<std::string> words = kInputs;
    words.push_back("-o");
    for (const std::string& output : kOutputs)
        words.push_back(folder + output);
    words.insert(words.end(), extra.begin(), extra.end());
    return words;
}

std::vector<std::vector<double>> plyPoints(const std::string& text)
{
    std::istringstream lines(text.substr(text.find("end_header\n") + 11));
    std::vector<std::vector<double>> points;
    for (double x, y, z; lines >> x >> y >> z;)
        points.push_back({x, y, z});
    return points;
}

class BuiltInKindsTest : public AppTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runs(arguments(file("deformed-"), {})));
        ASSERT_TRUE(runs(arguments(file("rest-"), {"--envelope", "0"})));
    }

    ObjText deformed(const std::string& name) const { return obj("deformed-" + name); }
    ObjText rest(const std::string& name) const { return obj("rest-" + name); }
};

TEST_F(BuiltInKindsTest, MeshesKeepTheirStructureAndMove)
{
    struct Expected
    {
        const char* name;
        size_t vertices;
        size_t faces;
    };
    for (const Expected& expected : {Expected{"plane.obj", 12, 6}, Expected{"sphere.obj", 12, 15},
                                     Expected{"torus.obj", 15, 15}, Expected{"cube.obj", 26, 24}}) {
        SCOPED_TRACE(expected.name);
        const ObjText moved = deformed(expected.name);
        const ObjText still = rest(expected.name);
        EXPECT_EQ(moved.vertices.size(), expected.vertices);
        EXPECT_EQ(moved.faces.size(), expected.faces);
        EXPECT_NE(moved.vertices, still.vertices);
        for (const auto& face : moved.faces)
            for (const ObjCorner& corner : face)
                EXPECT_TRUE(corner.normal >= 1 && corner.normal <= static_cast<int>(moved.normals.size()));
    }
    EXPECT_EQ(deformed("plane.obj").uvs.size(), 12u);
}

TEST_F(BuiltInKindsTest, NurbsAreWrittenAsFreeFormGeometry)
{
    const ObjText surface = deformed("nplane.obj");
    EXPECT_EQ(surface.vertices.size(), 20u);
    ASSERT_EQ(surface.statements.at("surf").size(), 1u);
    EXPECT_EQ(surface.statements.at("surf")[0].size(), 4u + 20u);
    EXPECT_EQ(surface.statements.at("deg")[0], (std::vector<std::string>{"3", "3"}));
    // Textbook knot vectors: CVs + degree + 1.
    EXPECT_EQ(surface.statements.at("parm")[0].size(), 1u + 4u + 4u);
    EXPECT_EQ(surface.statements.at("parm")[1].size(), 1u + 5u + 4u);
    EXPECT_NE(surface.vertices, rest("nplane.obj").vertices);

    // The periodic direction's closing CVs are named again, not repeated.
    const ObjText sphere = deformed("nsphere.obj");
    EXPECT_EQ(sphere.vertices.size(), 16u);
    EXPECT_EQ(sphere.statements.at("surf")[0].size(), 4u + 7u * 4u);
    EXPECT_EQ(sphere.statements.at("parm")[0].size(), 1u + 7u + 4u);

    const ObjText helix = deformed("helix.obj");
    EXPECT_EQ(helix.vertices.size(), 6u);
    EXPECT_EQ(helix.statements.at("cstype")[0], (std::vector<std::string>{"bspline"}));
    EXPECT_EQ(helix.statements.at("curv")[0].size(), 2u + 6u);
    EXPECT_EQ(helix.statements.at("parm")[0].size(), 1u + 6u + 4u);
    EXPECT_NE(helix.vertices, rest("helix.obj").vertices);
}

TEST_F(BuiltInKindsTest, ParticlesAreWrittenAsPly)
{
    const std::string text = readText(file("deformed-particles.ply"));
    EXPECT_EQ(text.rfind("ply\nformat ascii 1.0\n", 0), 0u);
    EXPECT_NE(text.find("element vertex 20\n"), std::string::npos);
    const auto moved = plyPoints(text);
    EXPECT_EQ(moved.size(), 20u);
    EXPECT_NE(moved, plyPoints(readText(file("rest-particles.ply"))));
}

} // namespace
} // namespace kavo::test
