// The one test source that includes MFnPlugin.h without MNoVersionString, so
// the exported version text is defined here as in a plug-in.
#include <maya/MFnPlugin.h>

#include "graph/Faults.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Plugin.h"
#include "graph/Scene.h"
#include "session/Host.h"

#include <maya/MDGModifier.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MPxNode.h>

#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

namespace {

using kavo::host::graph::Faults;
using kavo::host::graph::NodeTypeRegistry;
using kavo::host::graph::objectAs;
using kavo::host::graph::Plugin;
using kavo::host::graph::Scene;
using kavo::host::session::Host;

// A plug-in node with two numeric attributes, one affecting the other.
class GainNode : public MPxNode
{
public:
    static void* creator() { return new GainNode; }

    static MStatus initialize()
    {
        MFnNumericAttribute numeric;
        input = numeric.create("input", "in", MFnNumericData::kDouble, 1.0);
        output = numeric.create("output", "out", MFnNumericData::kDouble, 0.0);
        numeric.setWritable(false);
        addAttribute(input);
        addAttribute(output);
        return attributeAffects(input, output);
    }

    static MObject input;
    static MObject output;
};

MObject GainNode::input;
MObject GainNode::output;

const MTypeId kGainId(0x7F0101);
const MTypeId kOtherId(0x7F0102);

class RegistrationTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        Faults::clear();
        Host::resetScene();
        for (const MTypeId& id : std::vector<MTypeId>(plugin()->registeredTypes()))
            fnPlugin.deregisterNode(id);
    }

    std::shared_ptr<Plugin> plugin() const { return objectAs<Plugin>(pluginObject); }

    MObject pluginObject{std::make_shared<Plugin>("registration-test.so")};
    MFnPlugin fnPlugin{pluginObject, "Kavo Test", "0.1", "Any"};
};

TEST(PluginInterface, VersionTextAndBindingRules)
{
    EXPECT_STREQ(MApiVersion, "201500");
    EXPECT_EQ(sizeof(MApiVersion), 7u);
    static_assert(std::is_constructible_v<MFnPlugin, MObject&>);
    static_assert(!std::is_constructible_v<MFnPlugin, const MObject&>, "binding a const object is refused");
    static_assert(!std::is_copy_constructible_v<MFnPlugin>);
}

TEST_F(RegistrationTest, ARegisteredTypeIsCreatedByNameAndById)
{
    ASSERT_EQ(fnPlugin.registerNode("kavoGain", kGainId, GainNode::creator, GainNode::initialize), MStatus::kSuccess);
    EXPECT_EQ(NodeTypeRegistry::instance().find("kavoGain"), NodeTypeRegistry::instance().find(kGainId));
    EXPECT_EQ(plugin()->registeredTypes(), std::vector<MTypeId>{kGainId});

    MDGModifier modifier;
    MStatus status;
    MObject byId = modifier.createNode(kGainId, &status);
    ASSERT_EQ(status, MStatus::kSuccess);
    MObject byName = modifier.createNode("kavoGain", &status);
    ASSERT_EQ(status, MStatus::kSuccess);
    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);

    for (const MObject& node : {byId, byName}) {
        MFnDependencyNode fn(node);
        EXPECT_EQ(fn.typeName(), "kavoGain");
        EXPECT_NE(dynamic_cast<GainNode*>(fn.userNode()), nullptr);
        EXPECT_FALSE(fn.attribute("input").isNull());
    }
    EXPECT_NE(MFnDependencyNode(byId).name(), MFnDependencyNode(byName).name());
}

TEST_F(RegistrationTest, ATakenNameOrIdIsRefused)
{
    ASSERT_EQ(fnPlugin.registerNode("kavoGain", kGainId, GainNode::creator, GainNode::initialize), MStatus::kSuccess);

    EXPECT_NE(fnPlugin.registerNode("kavoGain", kOtherId, GainNode::creator, GainNode::initialize), MStatus::kSuccess);
    EXPECT_EQ(NodeTypeRegistry::instance().find(kOtherId), nullptr);

    EXPECT_NE(fnPlugin.registerNode("kavoOther", kGainId, GainNode::creator, GainNode::initialize), MStatus::kSuccess);
    EXPECT_EQ(NodeTypeRegistry::instance().find("kavoOther"), nullptr);

    EXPECT_EQ(plugin()->registeredTypes(), std::vector<MTypeId>{kGainId});
}

TEST_F(RegistrationTest, APluginDeregistersOnlyTheTypesItRegistered)
{
    ASSERT_EQ(fnPlugin.registerNode("kavoGain", kGainId, GainNode::creator, GainNode::initialize), MStatus::kSuccess);

    EXPECT_NE(fnPlugin.deregisterNode(kOtherId), MStatus::kSuccess);
    MObject strangerObject(std::make_shared<Plugin>("stranger.so"));
    MFnPlugin stranger(strangerObject);
    EXPECT_NE(stranger.deregisterNode(kGainId), MStatus::kSuccess);
    EXPECT_NE(NodeTypeRegistry::instance().find(kGainId), nullptr);

    EXPECT_EQ(fnPlugin.deregisterNode(kGainId), MStatus::kSuccess);
    EXPECT_EQ(NodeTypeRegistry::instance().find("kavoGain"), nullptr);
    EXPECT_TRUE(plugin()->registeredTypes().empty());
    EXPECT_NE(fnPlugin.deregisterNode(kGainId), MStatus::kSuccess);
}

TEST_F(RegistrationTest, ArmedFaultsFailTheNthCallWithTheirStatus)
{
    Faults::failOn("registerNode", 2, MStatus::kInsufficientMemory);
    EXPECT_EQ(fnPlugin.registerNode("kavoGain", kGainId, GainNode::creator, GainNode::initialize), MStatus::kSuccess);
    EXPECT_EQ(fnPlugin.registerNode("kavoOther", kOtherId, GainNode::creator, GainNode::initialize),
              MStatus::kInsufficientMemory);
    EXPECT_EQ(NodeTypeRegistry::instance().find("kavoOther"), nullptr);

    Faults::failOn("deregisterNode", 1);
    EXPECT_EQ(fnPlugin.deregisterNode(kGainId), MStatus::kFailure);
    EXPECT_NE(NodeTypeRegistry::instance().find(kGainId), nullptr);
    EXPECT_EQ(fnPlugin.deregisterNode(kGainId), MStatus::kSuccess);
}

TEST_F(RegistrationTest, OnlyPluginObjectsAreBoundAndTheFirstIdentityStays)
{
    MFnPlugin unloading(pluginObject);
    EXPECT_EQ(plugin()->vendor(), "Kavo Test");
    EXPECT_EQ(plugin()->version(), "0.1");

    MObject node = Scene::instance().createNode("transform")->handle();
    for (MObject* object : {&node, &MObject::kNullObj}) {
        MStatus status;
        MFnPlugin fn(*object, "Kavo Test", "0.1", "Any", &status);
        EXPECT_EQ(status, MStatus::kInvalidParameter);
        EXPECT_NE(fn.registerNode("kavoGain", kGainId, GainNode::creator, GainNode::initialize), MStatus::kSuccess);
    }
    EXPECT_EQ(NodeTypeRegistry::instance().find("kavoGain"), nullptr);
}

} // namespace
