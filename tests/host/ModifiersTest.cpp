#include "graph/Faults.h"
#include "graph/Node.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"
#include "session/Host.h"

#include <maya/MDagModifier.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>
#include <maya/MPxNode.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using kavo::host::graph::Faults;
using kavo::host::graph::Node;
using kavo::host::graph::NodeTypeDefinition;
using kavo::host::graph::objectAs;
using kavo::host::graph::Scene;
using kavo::host::graph::TypeAnnouncement;
using kavo::host::session::Host;

// A shape type of the test's own, so that shape creation can be tested
// without any plug-in.
void* createProbeShape()
{
    return new MPxNode;
}

TypeAnnouncement probeShape{NodeTypeDefinition{"probeShape", "shape", MTypeId(0x7F0301), MPxNode::kDependNode,
                                               MFn::kLocator, createProbeShape, nullptr, true, true}};

class ModifiersTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        Faults::clear();
        Host::resetScene();
    }

    static Node* inScene(const std::string& name) { return Scene::instance().findNode(name); }

    static std::string nameOf(const MObject& node) { return MFnDependencyNode(node).name().asChar(); }

    static MObject transform(const std::string& name)
    {
        return Scene::instance().createNode("transform", name)->handle();
    }

    static MPlug plug(const MObject& node, const char* attribute)
    {
        return MFnDependencyNode(node).findPlug(attribute, false);
    }
};

TEST_F(ModifiersTest, EditsWaitForDoItAndUndoItRevertsThem)
{
    MObject source = transform("source");
    MDagModifier modifier;
    MStatus status;
    MObject node = modifier.createNode("transform", MObject::kNullObj, &status);
    ASSERT_EQ(status, MStatus::kSuccess);
    ASSERT_TRUE(node.hasFn(MFn::kTransform));
    ASSERT_EQ(modifier.renameNode(node, "moved"), MStatus::kSuccess);
    ASSERT_EQ(modifier.connect(plug(source, "translateX"), plug(node, "translateY")), MStatus::kSuccess);
    EXPECT_EQ(inScene("transform1"), nullptr);
    EXPECT_EQ(inScene("moved"), nullptr);

    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
    EXPECT_EQ(nameOf(node), "moved");
    ASSERT_EQ(inScene("moved"), objectAs<Node>(node).get());
    EXPECT_TRUE(plug(node, "translateY").isConnected());

    ASSERT_EQ(modifier.undoIt(), MStatus::kSuccess);
    EXPECT_EQ(inScene("moved"), nullptr);
    EXPECT_EQ(inScene("transform1"), nullptr);
    EXPECT_FALSE(plug(source, "translateX").isConnected());

    // Redone, the node comes back whole, behaviour object included.
    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
    ASSERT_NE(inScene("moved"), nullptr);
    EXPECT_NE(inScene("moved")->behaviour(), nullptr);
    EXPECT_TRUE(plug(node, "translateY").isConnected());
}

TEST_F(ModifiersTest, ATakenNameGetsTheNextNumber)
{
    MObject first = transform("noiseHandle1");
    MDagModifier modifier;
    MObject second = modifier.createNode("transform");
    modifier.renameNode(second, "noiseHandle1");
    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
    EXPECT_EQ(nameOf(first), "noiseHandle1");
    EXPECT_EQ(nameOf(second), "noiseHandle2");

    MDGModifier rename;
    rename.renameNode(first, "pivot");
    ASSERT_EQ(rename.doIt(), MStatus::kSuccess);
    EXPECT_EQ(nameOf(first), "pivot");
    ASSERT_EQ(rename.undoIt(), MStatus::kSuccess);
    EXPECT_EQ(nameOf(first), "noiseHandle1");

    EXPECT_EQ(rename.renameNode(MObject::kNullObj, "x"), MStatus::kInvalidParameter);
    EXPECT_EQ(rename.renameNode(first, ""), MStatus::kInvalidParameter);
}

TEST_F(ModifiersTest, AShapeWithoutParentComesUnderANewTransform)
{
    MDagModifier modifier;
    MObject first = modifier.createNode("probeShape");
    MObject second = modifier.createNode(MTypeId(0x7F0301));
    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);

    const std::pair<MObject, std::string> expected[] = {{first, "1"}, {second, "2"}};
    for (const auto& [object, number] : expected) {
        ASSERT_TRUE(object.hasFn(MFn::kTransform));
        Node* node = objectAs<Node>(object).get();
        EXPECT_EQ(node->name(), "probeShape" + number);
        ASSERT_EQ(node->dagChildren().size(), 1u);
        EXPECT_EQ(node->dagChildren()[0]->name(), "probeShapeShape" + number);
        EXPECT_EQ(node->dagChildren()[0]->type().name, "probeShape");
    }

    ASSERT_EQ(modifier.undoIt(), MStatus::kSuccess);
    EXPECT_TRUE(Scene::instance().nodes().empty());
}

TEST_F(ModifiersTest, EachModifierCreatesOnlyItsKindOfNode)
{
    MObject dependNode = Scene::instance().createNode("time", "clock")->handle();
    MDGModifier dg;
    MDagModifier dag;
    MStatus status;
    EXPECT_TRUE(dg.createNode("transform", &status).isNull());
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_TRUE(dag.createNode("time", MObject::kNullObj, &status).isNull());
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_TRUE(dag.createNode("noSuchType", MObject::kNullObj, &status).isNull());
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_TRUE(dag.createNode("probeShape", dependNode, &status).isNull());
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_FALSE(dg.createNode("time", &status).isNull());
    EXPECT_EQ(status, MStatus::kSuccess);

    // A shape given a parent is returned itself, under that parent.
    MObject parent = transform("holder");
    MObject shape = dag.createNode("probeShape", parent);
    ASSERT_EQ(dag.doIt(), MStatus::kSuccess);
    EXPECT_EQ(objectAs<Node>(shape)->type().name, "probeShape");
    EXPECT_EQ(objectAs<Node>(shape)->dagParent(), objectAs<Node>(parent).get());
}

TEST_F(ModifiersTest, DoItStopsAtTheFirstFailingEditAndUndoItRevertsWhatWasDone)
{
    MObject a = transform("a");
    MObject b = transform("b");
    MObject c = transform("c");
    MDGModifier modifier;
    modifier.connect(plug(a, "translateX"), plug(c, "translateX"));
    modifier.connect(plug(b, "translateX"), plug(c, "translateX")); // c.translateX has a source by then
    modifier.renameNode(c, "never");

    EXPECT_NE(modifier.doIt(), MStatus::kSuccess);
    EXPECT_TRUE(plug(a, "translateX").isConnected());
    EXPECT_FALSE(plug(b, "translateX").isConnected());
    EXPECT_EQ(nameOf(c), "c");

    EXPECT_EQ(modifier.undoIt(), MStatus::kSuccess);
    EXPECT_FALSE(plug(c, "translateX").isConnected());

    // Undoing a disconnection connects again.
    MDGModifier connect;
    connect.connect(plug(a, "translateX"), plug(b, "translateX"));
    ASSERT_EQ(connect.doIt(), MStatus::kSuccess);
    MDGModifier disconnect;
    disconnect.disconnect(plug(a, "translateX"), plug(b, "translateX"));
    ASSERT_EQ(disconnect.doIt(), MStatus::kSuccess);
    EXPECT_FALSE(plug(b, "translateX").isConnected());
    ASSERT_EQ(disconnect.undoIt(), MStatus::kSuccess);
    EXPECT_TRUE(plug(b, "translateX").isConnected());
}

TEST_F(ModifiersTest, ADeletedNodeComesBackWithItsChildrenAndConnections)
{
    MObject a = transform("a");
    MDagModifier build;
    MObject parent = build.createNode("probeShape");
    build.connect(plug(a, "translateX"), plug(parent, "translateX"));
    ASSERT_EQ(build.doIt(), MStatus::kSuccess);

    MDGModifier remove;
    remove.deleteNode(parent);
    ASSERT_EQ(remove.doIt(), MStatus::kSuccess);
    EXPECT_EQ(inScene("probeShape1"), nullptr);
    EXPECT_EQ(inScene("probeShapeShape1"), nullptr);
    EXPECT_FALSE(plug(a, "translateX").isConnected());

    ASSERT_EQ(remove.undoIt(), MStatus::kSuccess);
    Node* restored = inScene("probeShape1");
    ASSERT_NE(restored, nullptr);
    ASSERT_EQ(restored->dagChildren().size(), 1u);
    EXPECT_EQ(restored->dagChildren()[0], inScene("probeShapeShape1"));
    EXPECT_TRUE(plug(parent, "translateX").isConnected());
}

TEST_F(ModifiersTest, ANodeCannotBeMovedBelowItself)
{
    MObject top = transform("top");
    MObject below = transform("below");
    MDagModifier modifier;
    modifier.reparentNode(below, top);
    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
    EXPECT_EQ(objectAs<Node>(below)->dagParent(), objectAs<Node>(top).get());

    MDagModifier cycle;
    cycle.reparentNode(top, below);
    EXPECT_EQ(cycle.doIt(), MStatus::kInvalidParameter);
    EXPECT_EQ(objectAs<Node>(top)->dagParent(), nullptr);

    ASSERT_EQ(modifier.undoIt(), MStatus::kSuccess);
    EXPECT_EQ(objectAs<Node>(below)->dagParent(), nullptr);
}

TEST_F(ModifiersTest, RefusedEditsAreNotRecorded)
{
    MObject a = transform("a");
    MObject b = transform("b");
    MObject clock = Scene::instance().createNode("time", "clock")->handle();
    MObject translateX = MFnDependencyNode(a).attribute("translateX");
    MObject outTime = MFnDependencyNode(clock).attribute("outTime");
    MDagModifier modifier;

    EXPECT_EQ(modifier.connect(MObject::kNullObj, translateX, a, translateX), MStatus::kInvalidParameter);
    EXPECT_EQ(modifier.connect(a, translateX, a, MObject::kNullObj), MStatus::kInvalidParameter);
    EXPECT_EQ(modifier.connect(a, outTime, b, translateX), MStatus::kInvalidParameter) << "not a's attribute";
    EXPECT_EQ(modifier.connect(MPlug(), plug(b, "translateY")), MStatus::kInvalidParameter);
    EXPECT_EQ(modifier.disconnect(a, outTime, b, translateX), MStatus::kInvalidParameter);

    Faults::failOn("MDagModifier::createNode", 1, MStatus::kInsufficientMemory);
    MStatus status;
    EXPECT_TRUE(modifier.createNode("probeShape", MObject::kNullObj, &status).isNull());
    EXPECT_EQ(status, MStatus::kInsufficientMemory);
    Faults::failOn("MDGModifier::connect", 1);
    EXPECT_EQ(modifier.connect(plug(a, "translateX"), plug(b, "translateX")), MStatus::kFailure);

    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
    EXPECT_EQ(Scene::instance().nodes().size(), 3u);
    EXPECT_FALSE(plug(b, "translateX").isConnected());
}

} // namespace
