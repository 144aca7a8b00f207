// --members: the points listed, numbered over the inputs one after another,
// move exactly as in a run on every point; every other point, and an input
// with no point listed, is written as it came in.

#include "app/AppTest.h"

#include <set>
#include <sstream>

namespace kavo::test {
namespace {

using MembersOptionTest = AppTest;

// The text of every vertex line, in order.
std::vector<std::string> vertexLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream text(readText(path));
    for (std::string line; std::getline(text, line);)
        if (line.rfind("v ", 0) == 0)
            lines.push_back(line);
    return lines;
}

TEST_F(MembersOptionTest, MembersMoveAsInAFullRunAndEveryOtherPointKeepsItsInputBits)
{
    // 441 plane vertices (points 0 to 440), 32 helix CVs (441 to 472), 20
    // particles (473 to 492). A range inside another, one across the two
    // first inputs, and nothing of the particles.
    const auto runWith = [&](const std::string& name, const std::vector<std::string>& options) {
        std::vector<std::string> arguments = {"@plane:20x20",      "@helix:32",         "@particles:20",        "-o",
                                              name + "-plane.obj", name + "-helix.obj", name + "-particles.ply"};
        arguments.insert(arguments.end(), options.begin(), options.end());
        return runs(arguments);
    };
    ASSERT_TRUE(runWith("full", {}));
    ASSERT_TRUE(runWith("rest", {"--envelope", "0"}));
    ASSERT_TRUE(runWith("some", {"--members", "3,100:130,120:125,438:444,460,3"}));

    std::set<size_t> members = {3, 438, 439, 440, 441, 442, 443, 444, 460};
    for (size_t point = 100; point <= 130; ++point)
        members.insert(point);
    size_t first = 0;
    for (const char* shape : {"plane", "helix"}) {
        const std::vector<std::string> full = vertexLines(file(std::string("full-") + shape + ".obj"));
        const std::vector<std::string> rest = vertexLines(file(std::string("rest-") + shape + ".obj"));
        const std::vector<std::string> some = vertexLines(file(std::string("some-") + shape + ".obj"));
        ASSERT_EQ(some.size(), rest.size()) << shape;
        ASSERT_EQ(full.size(), rest.size()) << shape;
        size_t moved = 0;
        for (size_t k = 0; k < some.size(); ++k) {
            const bool member = members.count(first + k) != 0;
            EXPECT_EQ(some[k], member ? full[k] : rest[k]) << shape << " point " << k;
            moved += member && full[k] != rest[k] ? 1 : 0;
        }
        EXPECT_GT(moved, 0u) << shape;
        first += some.size();
    }
    EXPECT_EQ(first, 473u);
    EXPECT_EQ(readText(file("some-particles.ply")), readText(file("rest-particles.ply")));
    EXPECT_NE(readText(file("full-particles.ply")), readText(file("rest-particles.ply")));
}

} // namespace
} // namespace kavo::test
