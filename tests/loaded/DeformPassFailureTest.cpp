// What the deform pass writes and returns when a host call fails: the exact
// report texts, in order, after the host's own description of the status.
// The pass is called directly, as the host's compute would, with the fault
// armed only around it, so the host's own reads and writes use none of it.
#include "DeformerFixture.h"
#include "FlatPatch.h"

#include "graph/Data.h"
#include "graph/Faults.h"
#include "graph/Node.h"

#include <maya/MDGModifier.h>
#include <maya/MDataBlock.h>
#include <maya/MDoubleArray.h>
#include <maya/MFn.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MFnNurbsSurfaceData.h>
#include <maya/MItGeometry.h>
#include <maya/MMatrix.h>
#include <maya/MPointArray.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using namespace kavo::host::graph;
using namespace kavo::test;

// The status the faults fail with: not the generic failure, so that a pass
// returning the generic failure is told apart from one passing it on.
constexpr MStatus::MStatusCode kFaultCode = MStatus::kNotFound;

// The host's own line for the fault's status, as MStatus::perror writes it.
std::string hostReport()
{
    testing::internal::CaptureStderr();
    MStatus(kFaultCode).perror("");
    return testing::internal::GetCapturedStderr();
}

// A report through the shared status check: the host's line, a comma, the
// message and a line break.
std::string checkedReport(const std::string& message)
{
    return hostReport() + "," + message + "\n";
}

bool samePoints(const MPointArray& a, const MPointArray& b)
{
    if (a.length() != b.length())
        return false;
    for (unsigned int i = 0; i < a.length(); ++i)
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].z != b[i].z || a[i].w != b[i].w)
            return false;
    return true;
}

int occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (std::string::size_type at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

struct PassOutcome
{
    MStatus status;
    MPointArray points;
    std::string errors;
};

class DeformPassFailureTest : public LoadedPluginTest
{
protected:
    MObject deformerOn(MObject data)
    {
        const MObject deformer = createDeformer();
        plug(deformer, "amplitude").setValue(1.0);
        MPlug input =
            MPlug(deformer, MPxDeformerNode::input).elementByLogicalIndex(0).child(MPxDeformerNode::inputGeom);
        EXPECT_EQ(input.setValue(data), MStatus::kSuccess);
        return deformer;
    }

    // One pass over a copy of data, with arm() called just before it.
    static PassOutcome deform(const MObject& deformer, const MObject& data, const std::function<void()>& arm)
    {
        Node* node = objectAs<Node>(deformer).get();
        MDataBlock block(node);
        MDataHandle output = block.outputValue(MPlug(deformer, MPxDeformerNode::outputGeom).elementByLogicalIndex(0));
        output.set(MObject(objectAs<Data>(data)->clone()));
        MItGeometry iterator(output, 0u, false);

        PassOutcome outcome;
        arm();
        testing::internal::CaptureStderr();
        outcome.status = deformerOf(deformer)->deform(block, iterator, MMatrix::identity, 0);
        outcome.errors = testing::internal::GetCapturedStderr();
        Faults::clear();
        iterator.allPositions(outcome.points);
        return outcome;
    }
};

TEST_F(DeformPassFailureTest, EachFailedReadIsNamedAndEndsThePassWithTheGenericFailureLeavingThePoints)
{
    // The pass's reads in their order; the displacement's value is read
    // without a status between "phase" and "time" and is checked apart.
    const char* const reads[] = {
        "envelope",     "noiseType",        "space",      "seed",           "scaleX",    "scaleY",     "scaleZ",
        "fractalState", "roughness",        "iterations", "alongNormals",   "amplitude", "amplitudeX", "amplitudeY",
        "amplitudeZ",   "boundingBoxState", "falloff",    "animationState", "frequency", "phase",      nullptr,
        "time",         "handleSpace"};
    const MObject data = flatPatchData();
    const MObject deformer = deformerOn(data);
    const MPointArray input = pointsOf(data);

    int call = 0;
    for (const char* name : reads) {
        ++call;
        const PassOutcome outcome =
            deform(deformer, data, [call] { Faults::failOn("MDataBlock::inputValue", call, kFaultCode); });
        if (name == nullptr) {
            EXPECT_EQ(outcome.status, MStatus::kSuccess);
            EXPECT_EQ(outcome.errors, "");
            EXPECT_FALSE(samePoints(outcome.points, input));
            continue;
        }
        EXPECT_EQ(outcome.status.statusCode(), MStatus::kFailure) << name;
        EXPECT_EQ(outcome.errors,
                  checkedReport(std::string("ERROR NoiseDeformerNode getting ") + name + " data handle\n"));
        EXPECT_TRUE(samePoints(outcome.points, input)) << name;
    }
}

TEST_F(DeformPassFailureTest, AHandleScaleThatCannotBeSetIsReportedAndThePassCarriesOn)
{
    const MObject data = flatPatchData();
    const MObject deformer = deformerOn(data);
    const PassOutcome outcome = deform(deformer, data, [] { Faults::failOn("setScale", 1, kFaultCode); });
    EXPECT_EQ(outcome.status, MStatus::kSuccess);
    // This one message carries no line break of its own.
    EXPECT_EQ(outcome.errors, checkedReport("ERROR NoiseDeformerNode setting scale for handle matrix"));
    EXPECT_FALSE(samePoints(outcome.points, pointsOf(data)));
}

TEST_F(DeformPassFailureTest, AScaleMatrixThatCannotBeBuiltIsReportedByBothAndPassesTheHostStatusOn)
{
    const MObject data = flatPatchData();
    const MObject deformer = deformerOn(data);
    // The second scale set in a pass is the scale matrix's.
    const PassOutcome outcome = deform(deformer, data, [] { Faults::failOn("setScale", 2, kFaultCode); });
    EXPECT_EQ(outcome.status, MStatus::kSuccess);
    EXPECT_EQ(outcome.errors, checkedReport("ERROR IGeomNoiseWrapper makeScaleMatrixHelper; setting scale.\n") +
                                  checkedReport("ERROR NoiseDeformerNode creating scale matrix.\n"));
    EXPECT_FALSE(samePoints(outcome.points, pointsOf(data)));
}

TEST_F(DeformPassFailureTest, ForeignGeometryAfterAFailedOutputHandleIsReportedAsUnboundToo)
{
    const MObject foreign(std::make_shared<ForeignData>());
    const MObject deformer = deformerOn(foreign);
    const PassOutcome outcome =
        deform(deformer, foreign, [] { Faults::failOn("MDataBlock::outputValue", 1, kFaultCode); });

    EXPECT_EQ(outcome.status, MStatus::kFailure);
    const std::string located = "\nAPI error detected in src/NoiseDeformerNode.cpp at line ";
    const std::string neither =
        "ERROR NoiseDeformerNode geometry is neither polygon, nurbs surfaces, nurbs curve, subdiv, or particle.\n";
    const std::string unbound = checkedReport("ERROR NoiseDeformerNode setting geometry.\n");
    ASSERT_EQ(outcome.errors.rfind(located, 0), 0u) << outcome.errors;
    const std::string::size_type afterLocated = outcome.errors.find('\n', located.size()) + 1;
    EXPECT_EQ(outcome.errors.substr(afterLocated), hostReport() + neither + unbound);
}

TEST_F(DeformPassFailureTest, AFailedSamplingIsReportedAtEveryPointMovedAlongTheAxesOnly)
{
    const MObject data = flatPatchData();
    const MObject deformer = deformerOn(data);
    plug(deformer, "noiseType").setValue(4);
    // Something that is no shading network feeds the colour: sampling fails.
    const MObject notATexture = createDeformer();
    MDGModifier modifier;
    modifier.connect(plug(notATexture, "displacement"), plug(deformer, "displacement"));
    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
    const std::string perPoint = ",ERROR NoiseDeformerNode deforming point.\n";

    PassOutcome outcome = deform(deformer, data, [] {});
    EXPECT_EQ(outcome.status, MStatus::kSuccess);
    EXPECT_EQ(occurrences(outcome.errors, perPoint), 0) << outcome.errors;

    // Along the axes, the sampling's status is still the pass's at each point.
    plug(deformer, "alongNormals").setValue(false);
    outcome = deform(deformer, data, [] {});
    EXPECT_EQ(outcome.status, MStatus::kSuccess);
    EXPECT_EQ(occurrences(outcome.errors, perPoint), 16) << outcome.errors;
    EXPECT_FALSE(samePoints(outcome.points, pointsOf(data)));
}

} // namespace
