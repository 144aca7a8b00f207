// The deform pass on a deformer set: handed some of the points of each kind
// of geometry, the batch path gives the literal path's bits, the points
// outside the set keep their input bits, and each member moves exactly as it
// does when every point is deformed.
#include "pass/PassPathsFixture.h"

#include <maya/MItGeometry.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using namespace kavo::test::pass;

// The second point, every third from the middle on and the last but one:
// neither a prefix nor evenly spread, so that the place of a point in the
// walk and its component index part ways.
std::vector<unsigned int> scatteredMembers(unsigned int count)
{
    std::set<unsigned int> members{1, count - 2};
    for (unsigned int k = count / 2; k < count; k += 3)
        members.insert(k);
    return {members.begin(), members.end()};
}

// Weights at every other member's component index, zero and negative among
// them, besides those the fixture paints on the first points.
void paintMembers(const MObject& deformer, const std::vector<unsigned int>& members)
{
    MPlug weights =
        MPlug(deformer, MPxDeformerNode::weightList).elementByLogicalIndex(0).child(MPxDeformerNode::weights);
    const float painted[] = {0.3f, 0.0f, 1.7f, -0.5f, 0.9f};
    for (size_t k = 0; k < members.size(); k += 2)
        weights.elementByLogicalIndex(members[k]).setValue(painted[(k / 2) % 5]);
}

// Along normals, as by default, and the handle's region with a falloff.
std::vector<Setting> setSettings()
{
    std::vector<Setting> chosen;
    for (const Setting& setting : everySetting())
        if (setting.name == "defaults" || setting.name == "region, cone, world")
            chosen.push_back(setting);
    return chosen;
}

TEST_F(DeformPassPathsTest, ADeformerSetMovesItsMembersAsAWholeRunDoesAndNothingElseOnBothPaths)
{
    using Path = NoiseDeformerNode::PassPath;
    const std::vector<Setting> settings = setSettings();
    ASSERT_EQ(settings.size(), 2u);
    // Members move under every setting and on every kind, if not under
    // every setting on every kind: the small kinds may lie outside the
    // region.
    std::vector<unsigned int> movedBySetting(settings.size(), 0);
    for (const Kind& kind : everyKind()) {
        unsigned int movedOfKind = 0;
        MPointArray input;
        MObject data = kind.data;
        MItGeometry(data).allPositions(input);
        const std::vector<unsigned int> members = scatteredMembers(input.length());
        for (size_t which = 0; which < settings.size(); ++which) {
            const Setting& setting = settings[which];
            const std::string context = std::string(kind.name) + ", " + setting.name;
            const MObject deformer = deformerWith(setting);
            paintMembers(deformer, members);
            connectInput(deformer, kind.data);

            const MPointArray whole = deform(deformer, kind.data, Path::literal);
            const MPointArray literal = deform(deformer, kind.data, Path::literal, &members);
            MPointArray batch;
            onThreads(7, [&] { batch = deform(deformer, kind.data, Path::batch, &members); });
            expectSameBits(literal, batch, context + ", batch against literal");

            MPointArray expected = input;
            for (unsigned int member : members)
                expected.set(whole[member], member);
            expectSameBits(expected, literal, context + ", members as in the whole run, the others as input");
            movedBySetting[which] += movedCount(input, literal);
            movedOfKind += movedCount(input, literal);
            kavo::host::session::Host::resetScene();
        }
        EXPECT_GT(movedOfKind, 0u) << kind.name;
    }
    for (size_t which = 0; which < settings.size(); ++which)
        EXPECT_GT(movedBySetting[which], 0u) << settings[which].name;
}

} // namespace
