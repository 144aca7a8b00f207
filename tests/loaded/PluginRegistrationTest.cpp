#include "DeformerFixture.h"

#include "graph/Faults.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Plugin.h"
#include "session/Host.h"
#include "session/PluginLoader.h"

// The test program is no plug-in: it must not define the version text.
#define MNoVersionString
#include <maya/MFnPlugin.h>

#include <maya/MPxNode.h>
#include <maya/MStatus.h>
#include <maya/MTypeId.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using kavo::host::graph::Faults;
using kavo::host::graph::NodeTypeRegistry;
using namespace kavo::host::session;
using kavo::test::contains;
using kavo::test::kPluginPath;

// Every test starts and ends with the plug-in unloaded.
class PluginRegistrationTest : public ::testing::Test
{
protected:
    void SetUp() override { unloadIfLoaded(); }

    void TearDown() override
    {
        Faults::clear();
        Host::resetScene();
        unloadIfLoaded();
    }

    static void unloadIfLoaded()
    {
        testing::internal::CaptureStderr();
        for (int attempt = 0; attempt < 2 && Host::isPluginLoaded(kPluginPath); ++attempt)
            Host::unloadPlugin(kPluginPath);
        testing::internal::GetCapturedStderr();
        ASSERT_FALSE(Host::isPluginLoaded(kPluginPath));
    }

    static bool registered(const char* name) { return NodeTypeRegistry::instance().find(name) != nullptr; }

    // Loads or unloads with stderr captured into `errors`.
    static PluginOutcome load(std::string& errors)
    {
        testing::internal::CaptureStderr();
        PluginOutcome outcome = Host::loadPlugin(kPluginPath);
        errors = testing::internal::GetCapturedStderr();
        return outcome;
    }

    static PluginOutcome unload(std::string& errors)
    {
        testing::internal::CaptureStderr();
        PluginOutcome outcome = Host::unloadPlugin(kPluginPath);
        errors = testing::internal::GetCapturedStderr();
        return outcome;
    }
};

TEST_F(PluginRegistrationTest, RegistersBothTypesUnderTheirIdsAndKindsAndRemovesThem)
{
    std::string errors;
    ASSERT_TRUE(load(errors).succeeded()) << errors;
    EXPECT_EQ(errors, "");
    EXPECT_EQ(Host::pluginApiVersion(kPluginPath), "201500");

    auto deformer = NodeTypeRegistry::instance().find("noiseDeformer");
    auto locator = NodeTypeRegistry::instance().find("noiseLocator");
    ASSERT_TRUE(deformer && locator);
    EXPECT_EQ(deformer->id, MTypeId(0x114F60));
    EXPECT_EQ(deformer->kind, MPxNode::kDeformerNode);
    EXPECT_EQ(locator->id, MTypeId(0x114F61));
    EXPECT_EQ(locator->kind, MPxNode::kLocatorNode);

    ASSERT_TRUE(unload(errors).succeeded()) << errors;
    EXPECT_FALSE(registered("noiseDeformer"));
    EXPECT_FALSE(registered("noiseLocator"));
}

TEST_F(PluginRegistrationTest, ADeformerThatCannotRegisterStopsTheLoadBeforeTheLocator)
{
    Faults::failOn("registerNode", 1, MStatus::kInsufficientMemory);
    std::string errors;
    const PluginOutcome outcome = load(errors);

    EXPECT_EQ(outcome.status, MStatus::kInsufficientMemory);
    EXPECT_TRUE(contains(errors, "registerNode NoiseDeformerNode")) << errors;
    EXPECT_FALSE(contains(errors, "registerNode NoiseLocatorNode")) << errors;
    EXPECT_FALSE(registered("noiseDeformer"));
    EXPECT_FALSE(registered("noiseLocator"));
}

TEST_F(PluginRegistrationTest, ALocatorThatCannotRegisterLeavesTheDeformerRegistered)
{
    Faults::failOn("registerNode", 2, MStatus::kInvalidParameter);
    std::string errors;
    const PluginOutcome outcome = load(errors);

    EXPECT_EQ(outcome.status, MStatus::kInvalidParameter);
    EXPECT_TRUE(contains(errors, "registerNode NoiseLocatorNode")) << errors;
    EXPECT_FALSE(contains(errors, "registerNode NoiseDeformerNode")) << errors;
    EXPECT_TRUE(registered("noiseDeformer"));
    EXPECT_FALSE(registered("noiseLocator"));
}

TEST_F(PluginRegistrationTest, ADeformerThatCannotDeregisterLeavesBothTypes)
{
    std::string errors;
    ASSERT_TRUE(load(errors).succeeded()) << errors;
    Faults::failOn("deregisterNode", 1, MStatus::kNotImplemented);
    const PluginOutcome outcome = unload(errors);

    EXPECT_EQ(outcome.status, MStatus::kNotImplemented);
    EXPECT_TRUE(contains(errors, "deregisterNode NoiseDeformerNode")) << errors;
    EXPECT_FALSE(contains(errors, "deregisterNode NoiseLocatorNode")) << errors;
    EXPECT_TRUE(registered("noiseDeformer"));
    EXPECT_TRUE(registered("noiseLocator"));
}

TEST_F(PluginRegistrationTest, ALocatorThatCannotDeregisterStaysAfterTheDeformerWent)
{
    std::string errors;
    ASSERT_TRUE(load(errors).succeeded()) << errors;
    Faults::failOn("deregisterNode", 2, MStatus::kFailure);
    const PluginOutcome outcome = unload(errors);

    EXPECT_EQ(outcome.status, MStatus::kFailure);
    EXPECT_TRUE(contains(errors, "deregisterNode NoiseLocatorNode")) << errors;
    EXPECT_FALSE(registered("noiseDeformer"));
    EXPECT_TRUE(registered("noiseLocator"));

    // From here on the plug-in cannot unload itself: its first step, the
    // deformer's deregistration, keeps failing. The host removes the locator
    // type on its behalf, and the library can go.
    const LoadedPlugin* loaded = PluginLoader::instance().find(kPluginPath);
    ASSERT_NE(loaded, nullptr);
    MObject pluginObject(loaded->plugin);
    EXPECT_EQ(MFnPlugin(pluginObject).deregisterNode(MTypeId(0x114F61)), MStatus::kSuccess);
}

} // namespace
