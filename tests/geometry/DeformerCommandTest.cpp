#include "GeometryDataBuilders.h"
#include "GeometryExpectations.h"
#include "TestDeformerTypes.h"
#include "TestMeshes.h"

#include "geometry/CopyOnWrite.h"
#include "graph/Faults.h"
#include "graph/Scene.h"
#include "session/DeformerCommand.h"
#include "session/GeometryShapes.h"
#include "session/Host.h"

#include <maya/MDagModifier.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnMesh.h>
#include <maya/MFnVectorArrayData.h>
#include <maya/MPlugArray.h>
#include <maya/MPxDeformerNode.h>

#include <gtest/gtest.h>

#include <string>

using namespace kavo::host::graph;
using namespace kavo::host::session;
using kavo::test::registerDeformerType;

namespace {

// Moves every point up by one.
class LiftDeformer : public MPxDeformerNode
{
public:
    static void* creator() { return new LiftDeformer; }
    static MStatus initialize() { return MStatus::kSuccess; }

    MStatus deform(MDataBlock&, MItGeometry& iterator, const MMatrix&, unsigned int) override
    {
        for (; !iterator.isDone(); iterator.next())
            iterator.setPosition(iterator.position() + MVector(0, 1, 0));
        return MStatus::kSuccess;
    }
};

// Moves every point up by its painted weight, and point 0 also by the
// weight painted at index `kBeyondPoints`, where no point is.
class WeightLiftDeformer : public MPxDeformerNode
{
public:
    static constexpr unsigned int kBeyondPoints = 1000;
    static void* creator() { return new WeightLiftDeformer; }
    static MStatus initialize() { return MStatus::kSuccess; }

    MStatus deform(MDataBlock& block, MItGeometry& iterator, const MMatrix&, unsigned int multiIndex) override
    {
        for (; !iterator.isDone(); iterator.next()) {
            const unsigned int index = static_cast<unsigned int>(iterator.index());
            double lift = weightValue(block, multiIndex, index);
            if (index == 0)
                lift += weightValue(block, multiIndex, kBeyondPoints);
            iterator.setPosition(iterator.position() + MVector(0, lift, 0));
        }
        return MStatus::kSuccess;
    }
};

// A lift deformer with a handle: a transform whose world matrix feeds its
// "handleMatrix". Its setup fails while `refuseSetup` is set.
class HandledLiftDeformer : public LiftDeformer
{
public:
    static MObject handleMatrix;
    static bool refuseSetup;

    static void* creator() { return new HandledLiftDeformer; }
    static MStatus initialize()
    {
        MFnMatrixAttribute matrix;
        handleMatrix = matrix.create("handleMatrix", "hm");
        return addAttribute(handleMatrix);
    }

    MObject& accessoryAttribute() const override { return handleMatrix; }
    MStatus accessoryNodeSetup(MDagModifier& edits) override
    {
        if (refuseSetup)
            return MStatus::kFailure;
        MObject handle = edits.createNode("transform");
        edits.renameNode(handle, "liftHandle1");
        return edits.connect(MPlug(handle, MFnDependencyNode(handle).attribute("worldMatrix")),
                             MPlug(thisMObject(), handleMatrix));
    }
};

MObject HandledLiftDeformer::handleMatrix;
bool HandledLiftDeformer::refuseSetup = false;

class DeformerCommandTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        registerDeformerType<LiftDeformer>("liftDeformer", 0x7f001);
        registerDeformerType<WeightLiftDeformer>("weightLiftDeformer", 0x7f003);
        registerDeformerType<HandledLiftDeformer>("handledLiftDeformer", 0x7f002);
    }

    void SetUp() override { Host::resetScene(); }
    void TearDown() override
    {
        Faults::clear();
        HandledLiftDeformer::refuseSetup = false;
        Host::resetScene();
    }

    static Node& node(const std::string& name)
    {
        Node* found = Scene::instance().findNode(name);
        EXPECT_NE(found, nullptr) << name;
        return *found;
    }

    // The name of the node feeding the attribute, empty when none does.
    static std::string sourceOf(const std::string& nodeName, const char* attribute)
    {
        MObject object = node(nodeName).handle();
        MPlugArray sources;
        MPlug(object, MFnDependencyNode(object).attribute(attribute)).connectedTo(sources, true, false);
        return sources.length() ? MFnDependencyNode(sources[0].node()).name().asChar() : std::string();
    }

    static MPointArray outputPoints(const std::string& shape, MSpace::Space space = MSpace::kObject)
    {
        MStatus status;
        MObject data = GeometryShapes::output(shape, &status);
        EXPECT_EQ(status, MStatus::kSuccess);
        MPointArray points;
        EXPECT_EQ(MFnMesh(data).getPoints(points, space), MStatus::kSuccess);
        return points;
    }
};

} // namespace

TEST_F(DeformerCommandTest, DeformsTheShapeFromAnIntermediateCopyOfItsGeometry)
{
    MObject cube = meshDataFrom(unitCubeMesh());
    ASSERT_FALSE(GeometryShapes::create("mesh", "pCube1", cube).isNull());
    Scene::instance().setValue(node("pCube1"), PlugPath{node("pCube1").type().findAttribute("translateZ"), {}}, 5.0);

    const DeformerOutcome outcome = DeformerCommand::run("liftDeformer", {"pCube1"});
    ASSERT_TRUE(outcome.succeeded()) << outcome.message;
    ASSERT_EQ(outcome.originalShapes, std::vector<std::string>{"pCube1ShapeOrig"});
    const std::string deformer = MFnDependencyNode(outcome.deformer).name().asChar();

    Node& original = node("pCube1ShapeOrig");
    EXPECT_EQ(original.dagParent(), &node("pCube1"));
    EXPECT_TRUE(GeometryShapes::isIntermediate(original));
    EXPECT_FALSE(GeometryShapes::isIntermediate(node("pCube1Shape")));
    EXPECT_EQ(sourceOf("pCube1Shape", "inMesh"), deformer);
    EXPECT_EQ(GeometryShapes::find("pCube1"), &node("pCube1Shape"));

    const MPointArray deformed = outputPoints("pCube1");
    const MPointArray world = outputPoints("pCube1", MSpace::kWorld);
    const MPointArray untouched = outputPoints("pCube1ShapeOrig");
    ASSERT_EQ(deformed.length(), 8u);
    for (unsigned int k = 0; k < 8; ++k) {
        EXPECT_TRUE(isNear(deformed[k], unitCubeMesh().points[k] + MVector(0, 1, 0), 1e-12));
        EXPECT_TRUE(isNear(world[k], unitCubeMesh().points[k] + MVector(0, 1, 5), 1e-12));
        EXPECT_TRUE(isNear(untouched[k], unitCubeMesh().points[k], 0.0));
    }
    MPointArray given;
    MFnMesh(cube).getPoints(given);
    EXPECT_TRUE(isNear(given[0], unitCubeMesh().points[0], 0.0));
}

TEST_F(DeformerCommandTest, OneDeformerTakesGeometriesOfDifferentKindsInOrder)
{
    GeometryShapes::create("mesh", "pPlane1", meshDataFrom(planeGridMesh(1)));
    MVectorArray positions(3, MVector(1, 2, 3));
    GeometryShapes::create("vectorArrayShape", "particles1", MFnVectorArrayData().create(positions));

    const DeformerOutcome outcome = DeformerCommand::run("liftDeformer", {"pPlane1Shape", "particles1"});
    ASSERT_TRUE(outcome.succeeded()) << outcome.message;
    EXPECT_EQ(outcome.originalShapes, (std::vector<std::string>{"pPlane1ShapeOrig", "particles1ShapeOrig"}));
    EXPECT_EQ(outputPoints("pPlane1")[3].y, 2.0);
    const MVectorArray lifted = MFnVectorArrayData(GeometryShapes::output("particles1")).array();
    ASSERT_EQ(lifted.length(), 3u);
    EXPECT_TRUE(isNear(lifted[2], MVector(1, 3, 3), 1e-12));
}

TEST_F(DeformerCommandTest, WhatFedTheShapeNowFeedsItsOrig)
{
    GeometryShapes::create("mesh", "source", meshDataFrom(unitCubeMesh()));
    GeometryShapes::create("mesh", "target", meshDataFrom(planeGridMesh(1)));
    Node& source = node("sourceShape");
    Node& target = node("targetShape");
    ASSERT_EQ(Scene::instance().connect(source, PlugPath{source.type().findAttribute("outMesh"), {}}, target,
                                        PlugPath{target.type().findAttribute("inMesh"), {}}),
              MStatus::kSuccess);

    ASSERT_TRUE(DeformerCommand::run("liftDeformer", {"target"}).succeeded());
    EXPECT_EQ(sourceOf("targetShapeOrig", "inMesh"), "sourceShape");
    const MPointArray deformed = outputPoints("target");
    ASSERT_EQ(deformed.length(), 8u);
    EXPECT_TRUE(isNear(deformed[6], MPoint(1, 2, 1), 1e-12));
}

TEST_F(DeformerCommandTest, AccessoryNodesAreSetUp)
{
    GeometryShapes::create("mesh", "pCube1", meshDataFrom(unitCubeMesh()));
    const DeformerOutcome outcome = DeformerCommand::run("handledLiftDeformer", {"pCube1"});
    ASSERT_TRUE(outcome.succeeded()) << outcome.message;
    EXPECT_EQ(sourceOf(MFnDependencyNode(outcome.deformer).name().asChar(), "handleMatrix"), "liftHandle1");
}

TEST_F(DeformerCommandTest, FailuresLeaveTheSceneAsItWas)
{
    GeometryShapes::create("mesh", "pCube1", meshDataFrom(unitCubeMesh()));
    Scene::instance().createNode("transform", "empty1");
    GeometryShapes::create("mesh", "fed", meshDataFrom(unitCubeMesh()));
    Node& source = node("pCube1Shape");
    Node& fed = node("fedShape");
    ASSERT_EQ(Scene::instance().connect(source, PlugPath{source.type().findAttribute("outMesh"), {}}, fed,
                                        PlugPath{fed.type().findAttribute("inMesh"), {}}),
              MStatus::kSuccess);
    const size_t nodeCount = Scene::instance().nodes().size();
    auto expectUnchanged = [&](const DeformerOutcome& outcome) {
        EXPECT_FALSE(outcome.succeeded());
        EXPECT_FALSE(outcome.message.empty());
        EXPECT_TRUE(outcome.deformer.isNull());
        EXPECT_EQ(Scene::instance().nodes().size(), nodeCount) << outcome.message;
        EXPECT_EQ(sourceOf("pCube1Shape", "inMesh"), "") << outcome.message;
        EXPECT_TRUE(isNear(outputPoints("pCube1")[0], unitCubeMesh().points[0], 0.0)) << outcome.message;
    };

    expectUnchanged(DeformerCommand::run("noSuchDeformer", {"pCube1"}));
    expectUnchanged(DeformerCommand::run("transform", {"pCube1"}));
    expectUnchanged(DeformerCommand::run("liftDeformer", {}));
    expectUnchanged(DeformerCommand::run("liftDeformer", {"pCube1", "empty1"}));
    expectUnchanged(DeformerCommand::run("liftDeformer", {"pCube1", "pCube1"}));
    using Points = std::vector<unsigned int>;
    expectUnchanged(DeformerCommand::run("liftDeformer", {"pCube1"}, {Points{3, 8}}));
    expectUnchanged(DeformerCommand::run("liftDeformer", {"pCube1"}, {Points{0}, Points{1}}));
    expectUnchanged(DeformerCommand::run("liftDeformer", {"fed"}, {Points{0}}));
    HandledLiftDeformer::refuseSetup = true;
    expectUnchanged(DeformerCommand::run("handledLiftDeformer", {"pCube1"}));
    HandledLiftDeformer::refuseSetup = false;
    Faults::failOn("MDGModifier::connect", 2);
    expectUnchanged(DeformerCommand::run("liftDeformer", {"pCube1"}));
}

TEST_F(DeformerCommandTest, EachEvaluationOfADeformedShapeCopiesItsGeometryOnce)
{
    ASSERT_FALSE(GeometryShapes::create("mesh", "pPlane1", meshDataFrom(planeGridMesh(2))).isNull());
    const DeformerOutcome outcome = DeformerCommand::run("liftDeformer", {"pPlane1"});
    ASSERT_TRUE(outcome.succeeded()) << outcome.message;
    MPlug envelope = MFnDependencyNode(outcome.deformer).findPlug("envelope");

    const unsigned long long before = kavo::host::geometry::sharedStorageCopies();
    for (double value : {0.5, 0.75, 1.0}) {
        ASSERT_EQ(envelope.setValue(value), MStatus::kSuccess);
        EXPECT_EQ(outputPoints("pPlane1")[0], planeGridMesh(2).points[0] + MVector(0, 1, 0));
    }
    EXPECT_EQ(kavo::host::geometry::sharedStorageCopies() - before, 3u);

    // Read again with nothing changed: no evaluation, no copy.
    outputPoints("pPlane1");
    EXPECT_EQ(kavo::host::geometry::sharedStorageCopies() - before, 3u);
}

TEST_F(DeformerCommandTest, PaintedWeightsReachTheirPointsAndUnpaintedOnesAreOne)
{
    GeometryShapes::create("mesh", "pPlane1", meshDataFrom(planeGridMesh(1)));
    GeometryShapes::create("mesh", "pPlane2", meshDataFrom(planeGridMesh(1)));
    const DeformerOutcome outcome = DeformerCommand::run("weightLiftDeformer", {"pPlane1", "pPlane2"});
    ASSERT_TRUE(outcome.succeeded()) << outcome.message;
    const MPlug second = MPlug(outcome.deformer, MPxDeformerNode::weightList).elementByLogicalIndex(1);
    ASSERT_EQ(second.child(MPxDeformerNode::weights).elementByLogicalIndex(2).setValue(0.25), MStatus::kSuccess);
    ASSERT_EQ(
        second.child(MPxDeformerNode::weights).elementByLogicalIndex(WeightLiftDeformer::kBeyondPoints).setValue(0.5),
        MStatus::kSuccess);

    const MPointArray first = outputPoints("pPlane1");
    const MPointArray painted = outputPoints("pPlane2");
    const std::vector<double> firstLifts = {2.0, 1.0, 1.0, 1.0};
    const std::vector<double> paintedLifts = {1.5, 1.0, 0.25, 1.0};
    ASSERT_EQ(painted.length(), 4u);
    for (unsigned int k = 0; k < 4; ++k) {
        EXPECT_EQ(first[k].y, planeGridMesh(1).points[k].y + firstLifts[k]) << k;
        EXPECT_EQ(painted[k].y, planeGridMesh(1).points[k].y + paintedLifts[k]) << k;
    }
}
