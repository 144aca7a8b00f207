// The deform pass's reports for adapter queries that fail. No adapter of the
// plug-in ever fails a query, so the pass is run here, in process, with a
// failing adapter put in its cache where the bound one was.
#include "IGeomNoiseWrapper.h"
#include "NoiseDeformerNode.h"

#include "graph/Plugin.h"

#include <maya/MDGModifier.h>
#include <maya/MFloatPointArray.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MFnMeshData.h>

// The plug-in's own entry file defines the version text in this program.
#define MNoVersionString
#include <maya/MFnPlugin.h>
#include <maya/MIntArray.h>
#include <maya/MPlug.h>
#include <maya/MTypeId.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr MStatus::MStatusCode kQueryFailure = MStatus::kNotFound;

// Answers every point query with a failure, the normal with (0, 1, 0).
class FailingQueries : public IGeomNoiseWrapper
{
public:
    MStatus setGeometry(MObject&, MDataHandle&, MSpace::Space) override { return MStatus::kSuccess; }
    int numPoints(MStatus&) override { return 0; }
    MStatus getPoints(MPointArray& points, MSpace::Space) override
    {
        points.clear();
        return kQueryFailure;
    }
    MStatus getNormal(int, MVector& normal, MSpace::Space) override
    {
        normal = MVector(0.0, 1.0, 0.0);
        return kQueryFailure;
    }
    MStatus getUVs(MFloatArray&, MFloatArray&) override { return MStatus::kSuccess; }
};

// The deformer with its adapter cache open to the test.
class OpenCacheDeformer : public NoiseDeformerNode
{
public:
    static void* creator() { return new OpenCacheDeformer(); }
    void replaceAdapter(int index, std::shared_ptr<IGeomNoiseWrapper> adapter)
    {
        m_geometryWrappers[index] = std::move(adapter);
    }
};

// One quad in the plane y = 0, inside the handle's cube.
MObject quadData()
{
    MFloatPointArray points;
    for (const float x : {-0.25f, 0.25f})
        for (const float z : {-0.25f, 0.25f})
            points.append(x, 0.0f, z);
    const int connectValues[] = {0, 1, 3, 2};
    MObject data = MFnMeshData().create();
    MStatus status;
    MFnMesh().create(4, 1, points, MIntArray(1, 4), MIntArray(connectValues, 4), data, &status);
    EXPECT_EQ(status, MStatus::kSuccess);
    return data;
}

std::string hostReport(MStatus::MStatusCode code)
{
    testing::internal::CaptureStderr();
    MStatus(code).perror("");
    return testing::internal::GetCapturedStderr();
}

std::string checkedReport(const std::string& message)
{
    return hostReport(kQueryFailure) + "," + message + "\n";
}

TEST(DeformPassAdapterFailure, FailedPointsAndNormalsAreReportedAndSoIsEveryPoint)
{
    // The deformer type registered in process, under a name of its own.
    MObject plugin(std::make_shared<kavo::host::graph::Plugin>("in-process"));
    MFnPlugin fnPlugin(plugin, "Kavo Studio, Inc.", "1.2", "Any");
    const MTypeId typeId(0x114F6F);
    ASSERT_EQ(fnPlugin.registerNode("openCacheDeformer", typeId, OpenCacheDeformer::creator,
                                    NoiseDeformerNode::initialize, MPxNode::kDeformerNode),
              MStatus::kSuccess);

    MDGModifier modifier;
    const MObject node = modifier.createNode("openCacheDeformer");
    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
    MFnDependencyNode fnNode(node);
    fnNode.findPlug("amplitude").setValue(1.0);
    MPlug input = MPlug(node, MPxDeformerNode::input).elementByLogicalIndex(0).child(MPxDeformerNode::inputGeom);
    MObject quad = quadData();
    ASSERT_EQ(input.setValue(quad), MStatus::kSuccess);
    const MPlug output = MPlug(node, MPxDeformerNode::outputGeom).elementByLogicalIndex(0);
    MObject result;
    ASSERT_EQ(output.getValue(result), MStatus::kSuccess);

    // Bound; only an attribute changes, so the next pass uses the cache.
    static_cast<OpenCacheDeformer*>(fnNode.userNode())->replaceAdapter(0, std::make_shared<FailingQueries>());
    fnNode.findPlug("amplitude").setValue(0.5);
    testing::internal::CaptureStderr();
    ASSERT_EQ(output.getValue(result), MStatus::kSuccess);
    const std::string errors = testing::internal::GetCapturedStderr();

    // At every point the running status is the failed normal query, so the
    // point's own report follows.
    std::string expected = checkedReport("ERROR NoiseDeformerNode getting points.\n");
    for (int point = 0; point < 4; ++point)
        expected += checkedReport("ERROR NoiseDeformerNode getting normal.\n") +
                    checkedReport("ERROR NoiseDeformerNode deforming point.\n");
    EXPECT_EQ(errors, expected);
}

} // namespace
