#include "DeformerFixture.h"

#include "graph/AttributeCallbacks.h"
#include "graph/EvaluationManager.h"
#include "graph/Faults.h"
#include "graph/IdleQueue.h"
#include "graph/Node.h"
#include "graph/Scene.h"
#include "session/Host.h"
#include "session/PluginLoader.h"

#include <maya/MDGModifier.h>
#include <maya/MDagModifier.h>
#include <maya/MDataBlock.h>
#include <maya/MFnAttribute.h>
#include <maya/MMatrix.h>
#include <maya/MPlugArray.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>

namespace {

using namespace kavo::host::graph;
using kavo::host::session::Host;
using kavo::test::contains;
using kavo::test::LoadedPluginTest;

class DeformerHooksTest : public LoadedPluginTest
{
protected:
    // Runs what the node queued for idle time; answers how many commands ran
    // and how many evaluation-graph rebuilds they asked for.
    std::pair<unsigned int, unsigned int> runIdle()
    {
        EvaluationManager::instance().reset();
        testing::internal::CaptureStderr();
        const unsigned int ran = Host::runIdleQueue();
        EXPECT_EQ(testing::internal::GetCapturedStderr(), ""); // every command understood
        return {ran, EvaluationManager::instance().invalidations()};
    }

    // The node's accessory set-up into the modifier: its status, and what it
    // wrote to the error stream in `errors`.
    static MStatus accessorySetup(const MObject& node, MDagModifier& modifier, std::string& errors)
    {
        testing::internal::CaptureStderr();
        const MStatus status = deformerOf(node)->accessoryNodeSetup(modifier);
        errors = testing::internal::GetCapturedStderr();
        return status;
    }

    static MPlugArray sourcesOf(const MPlug& destination)
    {
        MPlugArray sources;
        destination.connectedTo(sources, true, false);
        return sources;
    }

    static size_t callbacksOf(const MObject& node)
    {
        return AttributeCallbacks::instance().countFor(objectAs<Node>(node).get());
    }
};

TEST_F(DeformerHooksTest, EveryKindOfNoiseTypeChangeQueuesOneInvalidation)
{
    const MObject node = createDeformer();
    const MObject other = createDeformer();
    runIdle();

    plug(node, "noiseType").setValue(2);
    // Exactly the host's command, with its two blanks.
    EXPECT_EQ(IdleQueue::instance().queued(), std::vector<std::string>{"evaluationManager  -invalidate 1"});
    EXPECT_EQ(runIdle(), std::make_pair(1u, 1u));

    MDGModifier connect;
    connect.connect(plug(other, "seed"), plug(node, "noiseType"));
    connect.doIt();
    EXPECT_EQ(runIdle(), std::make_pair(1u, 1u));

    MDGModifier disconnect;
    disconnect.disconnect(plug(other, "seed"), plug(node, "noiseType"));
    disconnect.doIt();
    EXPECT_EQ(runIdle(), std::make_pair(1u, 1u));
}

TEST_F(DeformerHooksTest, OtherAttributeChangesQueueNothing)
{
    const MObject node = createDeformer();
    const MObject other = createDeformer();
    runIdle();

    for (const char* name : {"seed", "amplitude", "space", "phase", "displacementR"})
        plug(node, name).setValue(1.0);
    MDGModifier connect;
    connect.connect(plug(other, "noiseType"), plug(node, "seed"));
    connect.doIt();
    // The source deformer's own "noiseType" took part in that connection: one.
    EXPECT_EQ(IdleQueue::instance().queued(), std::vector<std::string>{"evaluationManager  -invalidate 1"});
}

TEST_F(DeformerHooksTest, TheCallbackLivesAsLongAsTheNode)
{
    const MObject node = createDeformer();
    EXPECT_EQ(callbacksOf(node), 1u);
    objectAs<Node>(node)->releaseBehaviour();
    EXPECT_EQ(callbacksOf(node), 0u);
}

TEST_F(DeformerHooksTest, ANodeWhoseCallbackWasRefusedWorksAndRemovesNoOtherCallback)
{
    const MObject first = createDeformer();
    Faults::failOn("addAttributeChangedCallback", 1);
    testing::internal::CaptureStderr();
    const MObject second = createDeformer();
    const std::string errors = testing::internal::GetCapturedStderr();

    EXPECT_TRUE(contains(errors, "\nAPI error detected in src/NoiseDeformerNode.cpp at line ")) << errors;
    EXPECT_EQ(callbacksOf(second), 0u);
    objectAs<Node>(second)->releaseBehaviour();
    EXPECT_EQ(callbacksOf(first), 1u);
}

TEST_F(DeformerHooksTest, AccessorySetupRecordsAHandleWhoseWorldMatrixDrivesHandleSpace)
{
    const MObject node = createDeformer();
    MPxDeformerNode* deformer = deformerOf(node);
    EXPECT_EQ(MFnAttribute(deformer->accessoryAttribute()).name(), "handleSpace");

    MDagModifier modifier;
    ASSERT_EQ(deformer->accessoryNodeSetup(modifier), MStatus::kSuccess);
    EXPECT_TRUE(nodeNamed("noiseHandle1").isNull()); // recorded, not yet done
    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);

    const MObject handle = nodeNamed("noiseHandle1");
    ASSERT_FALSE(handle.isNull());
    Node* handleNode = objectAs<Node>(handle).get();
    ASSERT_EQ(handleNode->dagChildren().size(), 1u);
    EXPECT_EQ(handleNode->dagChildren()[0]->type().name, "noiseLocator");

    const MPlugArray sources = sourcesOf(plug(node, "handleSpace"));
    ASSERT_EQ(sources.length(), 1u);
    EXPECT_EQ(sources[0].node(), handle);
    EXPECT_EQ(MFnAttribute(sources[0].attribute()).name(), "worldMatrix");

    plug(handle, "translateY").setValue(2.5);
    MDataBlock block(objectAs<Node>(node).get());
    EXPECT_EQ(block.inputValue(plug(node, "handleSpace")).asMatrix()[3][1], 2.5);
}

TEST_F(DeformerHooksTest, AHandleThatCannotBeCreatedEndsTheSetupWithNothingRecorded)
{
    const MObject node = createDeformer();
    const size_t nodesBefore = Scene::instance().nodes().size();
    Faults::failOn("MDagModifier::createNode", 1, MStatus::kInsufficientMemory);

    MDagModifier modifier;
    std::string errors;
    const MStatus status = accessorySetup(node, modifier, errors);

    EXPECT_EQ(status, MStatus::kInsufficientMemory);
    EXPECT_TRUE(contains(errors, ",ERROR NoiseDeformerNode creating locator node\n\n")) << errors;
    modifier.doIt();
    EXPECT_EQ(Scene::instance().nodes().size(), nodesBefore);
    EXPECT_EQ(sourcesOf(plug(node, "handleSpace")).length(), 0u);
}

TEST_F(DeformerHooksTest, AConnectionThatFailsIsReturnedAndTheHandleStaysRecorded)
{
    const MObject node = createDeformer();
    Faults::failOn("MDGModifier::connect", 1, MStatus::kInvalidParameter);

    MDagModifier modifier;
    std::string errors;
    const MStatus status = accessorySetup(node, modifier, errors);

    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_TRUE(contains(errors, ",ERROR NoiseDeformerNode connecting matrix attribute handleSpace to locator "
                                 "node\n\n"))
        << errors;
    modifier.doIt();
    EXPECT_FALSE(nodeNamed("noiseHandle1").isNull());
    EXPECT_EQ(sourcesOf(plug(node, "handleSpace")).length(), 0u);
}

TEST_F(DeformerHooksTest, OnlyTextureDisplacementIsScheduledUntrusted)
{
    // Against this API the scheduling kind is the plug-in's own virtual,
    // which no host base class declares: it is called through the loaded
    // library's symbol, with the node as its object.
    using SchedulingQuery = int (*)(const MPxNode*);
    const kavo::host::session::LoadedPlugin* loaded =
        kavo::host::session::PluginLoader::instance().find(kavo::test::kPluginPath);
    ASSERT_NE(loaded, nullptr);
    const auto schedulingType =
        reinterpret_cast<SchedulingQuery>(dlsym(loaded->library, "_ZNK17NoiseDeformerNode14schedulingTypeEv"));
    ASSERT_NE(schedulingType, nullptr);

    const MObject node = createDeformer();
    for (short type = 0; type <= 4; ++type) {
        plug(node, "noiseType").setValue(type);
        EXPECT_EQ(schedulingType(deformerOf(node)), type == 4 ? 3 : 0) << type;
    }
}

} // namespace
