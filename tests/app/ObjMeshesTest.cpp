// OBJ meshes go through as the file describes them: vertex order, faces,
// UVs, exact positions, and the file's own normals as the directions the
// deformer moves along.

#include "app/AppTest.h"

#include <array>
#include <cmath>

namespace kavo::test {
namespace {

// A 3 x 3 vertex grid in the XY plane (geometric normal +Z) with a UV per
// vertex, positions that need all 17 digits, two quads, a quad and two
// triangles. With normals, every corner's normal is +X.
std::string grid(bool withNormals)
{
    std::string text = "# grid\n";
    for (const char* y : {"-1", "0.33333333333333331", "1"})
        for (const char* x : {"-1", "0.1", "1"})
            text += std::string("v ") + x + " " + y + " 0\n";
    for (const char* v : {"0", "0.5", "1"})
        for (const char* u : {"0", "0.5", "1"})
            text += std::string("vt ") + u + " " + v + "\n";
    if (withNormals)
        text += "vn 1 0 0\n";
    for (const std::vector<int>& face :
         {std::vector<int>{1, 2, 5, 4}, {2, 3, 6, 5}, {4, 5, 8, 7}, {5, 6, 9}, {9, 8, 5}}) {
        text += "f";
        for (int corner : face)
            text += " " + std::to_string(corner) + "/" + std::to_string(corner) + (withNormals ? "/1" : "");
        text += "\n";
    }
    return text;
}

using Vector = std::array<double, 3>;

Vector unitNormal(const std::vector<double>& a, const std::vector<double>& b, const std::vector<double>& c)
{
    const Vector u = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const Vector v = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const Vector n = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    return {n[0] / length, n[1] / length, n[2] / length};
}

class ObjMeshesTest : public AppTest
{
protected:
    void SetUp() override
    {
        writeText(file("tilted.obj"), grid(true));
        writeText(file("plain.obj"), grid(false));
    }
};

TEST_F(ObjMeshesTest, PointsMoveAlongTheFilesNormals)
{
    ASSERT_TRUE(runs({"tilted.obj", "plain.obj", "-o", "tilted-out.obj", "plain-out.obj", "--set", "amp=0.5"}));
    const ObjText input = obj("tilted.obj");
    const ObjText tilted = obj("tilted-out.obj");
    const ObjText plain = obj("plain-out.obj");
    ASSERT_EQ(tilted.vertices.size(), input.vertices.size());
    ASSERT_EQ(plain.vertices.size(), input.vertices.size());
    bool tiltedMoved = false;
    bool plainMoved = false;
    for (size_t k = 0; k < input.vertices.size(); ++k) {
        SCOPED_TRACE("vertex " + std::to_string(k + 1));
        // Given +X normals, points move along X only ...
        EXPECT_EQ(tilted.vertices[k][1], input.vertices[k][1]);
        EXPECT_EQ(tilted.vertices[k][2], input.vertices[k][2]);
        tiltedMoved = tiltedMoved || tilted.vertices[k][0] != input.vertices[k][0];
        // ... and without normals along the smooth normals of the flat grid, Z.
        EXPECT_EQ(plain.vertices[k][0], input.vertices[k][0]);
        EXPECT_EQ(plain.vertices[k][1], input.vertices[k][1]);
        plainMoved = plainMoved || plain.vertices[k][2] != input.vertices[k][2];
    }
    EXPECT_TRUE(tiltedMoved);
    EXPECT_TRUE(plainMoved);
}

TEST_F(ObjMeshesTest, StructureAndUvsAreKeptAndPositionsRoundTripExactly)
{
    ASSERT_TRUE(runs({"tilted.obj", "-o", "out.obj", "--envelope", "0"}));
    const ObjText input = obj("tilted.obj");
    const ObjText output = obj("out.obj");
    EXPECT_EQ(output.vertices, input.vertices);
    EXPECT_EQ(output.uvs, input.uvs);
    ASSERT_EQ(output.faces.size(), input.faces.size());
    for (size_t f = 0; f < input.faces.size(); ++f) {
        ASSERT_EQ(output.faces[f].size(), input.faces[f].size());
        for (size_t k = 0; k < input.faces[f].size(); ++k) {
            EXPECT_EQ(output.faces[f][k].vertex, input.faces[f][k].vertex);
            EXPECT_EQ(output.uvs.at(output.faces[f][k].uv - 1), input.uvs.at(input.faces[f][k].uv - 1));
        }
    }
    // Flat as it stands, the grid's written normals are the plane's, not
    // the file's +X.
    for (const auto& normal : output.normals)
        EXPECT_NEAR(std::abs(normal[2]), 1.0, 1e-12);
}

TEST_F(ObjMeshesTest, NormalsAreRecomputedFromTheDeformedPoints)
{
    ASSERT_TRUE(runs({"plain.obj", "-o", "out.obj", "--set", "amp=0.5"}));
    const ObjText bent = obj("out.obj");
    const auto point = [&](int index) { return bent.vertices.at(index - 1); };
    // Vertex 9 lies on the two triangles only: its normal is the normalised
    // sum of their unit normals as they now stand.
    const Vector first = unitNormal(point(5), point(6), point(9));
    const Vector second = unitNormal(point(9), point(8), point(5));
    Vector expected = {first[0] + second[0], first[1] + second[1], first[2] + second[2]};
    const double length = std::sqrt(expected[0] * expected[0] + expected[1] * expected[1] + expected[2] * expected[2]);
    ASSERT_EQ(bent.faces.at(3).at(2).vertex, 9);
    const auto& written = bent.normals.at(bent.faces[3][2].normal - 1);
    EXPECT_GT(std::abs(written[0]) + std::abs(written[1]), 1e-6) << "the deformation should have tilted this normal";
    for (int axis = 0; axis < 3; ++axis)
        EXPECT_NEAR(written[axis], expected[axis] / length, 1e-9);
}

} // namespace
} // namespace kavo::test
