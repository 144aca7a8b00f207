#include "support/ScratchDirectory.h"

#include "graph/Faults.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"
#include "session/Host.h"

#include <maya/MDGModifier.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using kavo::host::graph::Faults;
using kavo::host::graph::NodeTypeRegistry;
using kavo::host::graph::Scene;
using kavo::host::session::Host;
using kavo::host::session::PluginOutcome;

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Each case: a path, the status and a part of the message loading it gives.
struct Refusal
{
    std::string path;
    MStatus::MStatusCode status;
    std::string words;
};

void expectRefused(const Refusal& refusal)
{
    const PluginOutcome outcome = Host::loadPlugin(refusal.path);
    EXPECT_EQ(outcome.status, refusal.status) << refusal.path;
    EXPECT_TRUE(contains(outcome.message, refusal.words)) << outcome.message;
    EXPECT_FALSE(Host::isPluginLoaded(refusal.path));
}

TEST(PluginLoader, WhatIsNoPluginIsRefusedWithAReason)
{
    kavo::test::ScratchDirectory scratch;
    const std::string notes = scratch.file("notes.so");
    std::ofstream(notes) << "not a shared object\n";
    const Refusal refusals[] = {
        {"/nonexistent/KavoNothing.so", MStatus::kNotFound, "/nonexistent/KavoNothing.so"},
        {notes, MStatus::kFailure, "notes.so: "},
        {std::string(KAVO_BINARY_DIR) + "/bin/libFoundation.so", MStatus::kFailure, "does not export MApiVersion"},
#ifdef KAVO_LOADER_FIXTURE_DIR
        {std::string(KAVO_LOADER_FIXTURE_DIR) + "/VersionOnlyPlugin.so", MStatus::kFailure,
         "does not export initializePlugin"},
#endif
    };
    for (const Refusal& refusal : refusals)
        expectRefused(refusal);
    EXPECT_EQ(Host::unloadPlugin("/nonexistent/KavoNothing.so").status, MStatus::kInvalidParameter);
}

#ifdef KAVO_LOADER_FIXTURE_DIR

// Whether the library is mapped into this process.
bool mapped(const std::string& path)
{
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line))
        if (contains(line, path))
            return true;
    return false;
}

const std::string kTwoTypes = std::string(KAVO_LOADER_FIXTURE_DIR) + "/TwoTypePlugin.so";

// Whether the outcome has the status and its message says `words`; what it
// has instead otherwise.
::testing::AssertionResult failedWith(const PluginOutcome& outcome, MStatus::MStatusCode status,
                                      const std::string& words)
{
    if (outcome.status == status && contains(outcome.message, words))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "status " << outcome.status.statusCode() << " (expected " << status
                                         << "), message: " << outcome.message;
}

class PluginLoaderTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        Faults::clear();
        Host::resetScene();
        if (Host::isPluginLoaded(kTwoTypes))
            Host::unloadPlugin(kTwoTypes);
    }

    static bool registered(const char* type) { return NodeTypeRegistry::instance().find(type) != nullptr; }
};

TEST_F(PluginLoaderTest, LoadingRegistersAndUnloadingRemovesThePluginsTypes)
{
    const PluginOutcome loaded = Host::loadPlugin(kTwoTypes);
    ASSERT_TRUE(loaded.succeeded()) << loaded.message;
    EXPECT_TRUE(mapped(kTwoTypes));
    EXPECT_EQ(Host::pluginApiVersion(kTwoTypes), "201500");
    EXPECT_TRUE(registered("loaderFirstNode"));
    EXPECT_TRUE(registered("loaderSecondNode"));
    EXPECT_EQ(Host::loadPlugin(kTwoTypes).status, MStatus::kFailure) << "already loaded";

    const PluginOutcome unloaded = Host::unloadPlugin(kTwoTypes);
    ASSERT_TRUE(unloaded.succeeded()) << unloaded.message;
    EXPECT_FALSE(Host::isPluginLoaded(kTwoTypes));
    EXPECT_FALSE(mapped(kTwoTypes));
    EXPECT_EQ(Host::pluginApiVersion(kTwoTypes), "");
    EXPECT_FALSE(registered("loaderFirstNode"));
    EXPECT_FALSE(registered("loaderSecondNode"));

    ASSERT_TRUE(Host::loadPlugin(kTwoTypes).succeeded()) << "loads again after unloading";
}

TEST_F(PluginLoaderTest, UnloadingWaitsUntilNoNodeOfItsTypesIsLeft)
{
    ASSERT_TRUE(Host::loadPlugin(kTwoTypes).succeeded());
    Scene::instance().createNode("loaderSecondNode");

    PluginOutcome refused = Host::unloadPlugin(kTwoTypes);
    EXPECT_TRUE(failedWith(refused, MStatus::kFailure, "loaderSecondNode"));
    EXPECT_TRUE(registered("loaderFirstNode")) << "refused before uninitializePlugin ran";
    Host::resetScene();

    MDGModifier undone;
    undone.createNode("loaderFirstNode");
    ASSERT_EQ(undone.doIt(), MStatus::kSuccess);
    ASSERT_EQ(undone.undoIt(), MStatus::kSuccess);
    {
        MDGModifier pending;
        pending.createNode("loaderFirstNode");
        refused = Host::unloadPlugin(kTwoTypes);
        EXPECT_TRUE(failedWith(refused, MStatus::kFailure, "held by a modifier"));
    }
    EXPECT_TRUE(Host::unloadPlugin(kTwoTypes).succeeded());
    EXPECT_EQ(undone.doIt(), MStatus::kFailure) << "the node's type went with the plug-in";
}

TEST_F(PluginLoaderTest, AFailedInitializationWithNothingRegisteredClosesTheLibrary)
{
    Faults::failOn("registerNode", 1, MStatus::kInsufficientMemory);
    const PluginOutcome outcome = Host::loadPlugin(kTwoTypes);
    EXPECT_TRUE(failedWith(outcome, MStatus::kInsufficientMemory, "initializePlugin"));
    EXPECT_FALSE(Host::isPluginLoaded(kTwoTypes));
    EXPECT_FALSE(mapped(kTwoTypes));
    EXPECT_FALSE(registered("loaderFirstNode"));
}

TEST_F(PluginLoaderTest, TypesLeftByAFailedInitializationKeepTheLibraryOpenUntilUnloaded)
{
    Faults::failOn("registerNode", 2);
    const PluginOutcome outcome = Host::loadPlugin(kTwoTypes);
    EXPECT_TRUE(failedWith(outcome, MStatus::kFailure, "loaderFirstNode"));
    EXPECT_TRUE(Host::isPluginLoaded(kTwoTypes));
    ASSERT_TRUE(registered("loaderFirstNode"));
    EXPECT_FALSE(registered("loaderSecondNode"));
    EXPECT_NE(Scene::instance().createNode("loaderFirstNode"), nullptr) << "its code is still there";
    Host::resetScene();

    // uninitializePlugin fails on the type that never came, but nothing of
    // the plug-in is left registered, so the library closes.
    const PluginOutcome unloaded = Host::unloadPlugin(kTwoTypes);
    EXPECT_TRUE(failedWith(unloaded, MStatus::kInvalidParameter, "closed"));
    EXPECT_FALSE(Host::isPluginLoaded(kTwoTypes));
    EXPECT_FALSE(registered("loaderFirstNode"));
}

TEST_F(PluginLoaderTest, AFailedUninitializationKeepsThePluginLoaded)
{
    ASSERT_TRUE(Host::loadPlugin(kTwoTypes).succeeded());
    Faults::failOn("deregisterNode", 1);
    const PluginOutcome refused = Host::unloadPlugin(kTwoTypes);
    EXPECT_TRUE(failedWith(refused, MStatus::kFailure, "stays loaded"));
    EXPECT_TRUE(Host::isPluginLoaded(kTwoTypes));
    EXPECT_TRUE(registered("loaderFirstNode"));

    EXPECT_TRUE(Host::unloadPlugin(kTwoTypes).succeeded());
}

#endif

} // namespace
