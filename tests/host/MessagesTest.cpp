#include "graph/Faults.h"
#include "graph/Scene.h"
#include "session/Host.h"

#include <maya/MCallbackIdArray.h>
#include <maya/MDGModifier.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MNodeMessage.h>
#include <maya/MPlug.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kavo::host::graph::Faults;
using kavo::host::graph::Scene;
using kavo::host::session::Host;

struct Message
{
    int kind;
    std::string plug;
    std::string otherPlug;

    bool operator==(const Message& other) const
    {
        return kind == other.kind && plug == other.plug && otherPlug == other.otherPlug;
    }
};

void PrintTo(const Message& m, std::ostream* out)
{
    *out << "{0x" << std::hex << m.kind << std::dec << ", " << m.plug << ", " << m.otherPlug << "}";
}

void record(MNodeMessage::AttributeMessage kind, MPlug& plug, MPlug& otherPlug, void* clientData)
{
    auto* messages = static_cast<std::vector<Message>*>(clientData);
    messages->push_back({kind, plug.name().asChar(), otherPlug.isNull() ? std::string() : otherPlug.name().asChar()});
}

class MessagesTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        Faults::clear();
        Host::resetScene();
    }

    static MObject transform(const std::string& name)
    {
        return Scene::instance().createNode("transform", name)->handle();
    }

    static MPlug plug(const MObject& node, const char* attribute)
    {
        return MFnDependencyNode(node).findPlug(attribute, false);
    }

    MCallbackId watch(MObject node)
    {
        MStatus status;
        MCallbackId id = MNodeMessage::addAttributeChangedCallback(node, record, &messages, &status);
        EXPECT_EQ(status, MStatus::kSuccess);
        EXPECT_NE(id, 0u);
        return id;
    }

    std::vector<Message> messages;
};

constexpr int kIncoming = MNodeMessage::kIncomingDirection;

TEST_F(MessagesTest, ASetValueIsReportedForThePlugSet)
{
    MObject a = transform("a");
    watch(a);
    ASSERT_EQ(plug(a, "translateX").setValue(2.5), MStatus::kSuccess);
    EXPECT_EQ(messages, (std::vector<Message>{{MNodeMessage::kAttributeSet | kIncoming, "a.translateX", ""}}));
}

TEST_F(MessagesTest, ConnectionsMadeAndBrokenAreReportedAtBothEnds)
{
    MObject a = transform("a");
    MObject b = transform("b");
    watch(a);
    watch(b);

    MDGModifier modifier;
    ASSERT_EQ(modifier.connect(plug(a, "translateX"), plug(b, "translateY")), MStatus::kSuccess);
    EXPECT_TRUE(messages.empty()) << "nothing changes before doIt";
    ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
    const std::vector<Message> made = {{MNodeMessage::kConnectionMade, "a.translateX", "b.translateY"},
                                       {MNodeMessage::kConnectionMade | kIncoming, "b.translateY", "a.translateX"}};
    EXPECT_EQ(messages, made);

    messages.clear();
    ASSERT_EQ(modifier.undoIt(), MStatus::kSuccess);
    const std::vector<Message> broken = {{MNodeMessage::kConnectionBroken, "a.translateX", "b.translateY"},
                                         {MNodeMessage::kConnectionBroken | kIncoming, "b.translateY", "a.translateX"}};
    EXPECT_EQ(messages, broken);
}

TEST_F(MessagesTest, RemovedCallbacksAreSilentAndUnknownIdsFail)
{
    MObject a = transform("a");
    MCallbackId single = watch(a);
    EXPECT_EQ(MMessage::removeCallback(single), MStatus::kSuccess);
    EXPECT_NE(MMessage::removeCallback(single), MStatus::kSuccess);
    EXPECT_NE(MMessage::removeCallback(0), MStatus::kSuccess);

    MCallbackIdArray ids;
    ids.append(watch(a));
    ids.append(12345678);
    ids.append(watch(a));
    EXPECT_NE(MMessage::removeCallbacks(ids), MStatus::kSuccess) << "one id was unknown";
    plug(a, "translateX").setValue(1.0);
    EXPECT_TRUE(messages.empty()) << "the known ones are gone all the same";
}

TEST_F(MessagesTest, RegistrationIsRefusedForNonNodesAndWhenAFaultIsArmed)
{
    MObject a = transform("a");
    MObject attribute = MFnDependencyNode(a).attribute("translateX");
    MStatus status;
    for (MObject* object : {&MObject::kNullObj, &attribute}) {
        EXPECT_EQ(MNodeMessage::addAttributeChangedCallback(*object, record, &messages, &status), 0u);
        EXPECT_EQ(status, MStatus::kInvalidParameter);
    }

    Faults::failOn("addAttributeChangedCallback", 1, MStatus::kInsufficientMemory);
    EXPECT_EQ(MNodeMessage::addAttributeChangedCallback(a, record, &messages, &status), 0u);
    EXPECT_EQ(status, MStatus::kInsufficientMemory);
    plug(a, "translateX").setValue(1.0);
    EXPECT_TRUE(messages.empty());
}

} // namespace
