#pragma once

#include "graph/Data.h"
#include "graph/Faults.h"
#include "graph/Node.h"
#include "graph/Scene.h"
#include "session/Host.h"

#include <maya/MDGModifier.h>
#include <maya/MFn.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MItGeometry.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>
#include <maya/MPxDeformerNode.h>
#include <maya/MString.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kavo::test {

inline const std::string kPluginPath = KAVO_PLUGIN_PATH;

inline bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Every point of the geometry data, in object space.
inline MPointArray pointsOf(MObject data)
{
    MPointArray points;
    MItGeometry(data).allPositions(points);
    return points;
}

// Geometry data of a kind no deformer adapter handles.
class ForeignData : public host::graph::Data
{
public:
    MFn::Type apiType() const override { return MFn::kMatrixData; }
    std::shared_ptr<host::graph::Data> clone() const override { return std::make_shared<ForeignData>(*this); }
};

// The plug-in loaded the host's way (dlopen, initializePlugin) for every
// test, and a clean scene after each.
class LoadedPluginTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!host::session::Host::isPluginLoaded(kPluginPath)) {
            const host::session::PluginOutcome outcome = host::session::Host::loadPlugin(kPluginPath);
            ASSERT_TRUE(outcome.succeeded()) << outcome.message;
        }
    }

    void TearDown() override
    {
        host::graph::Faults::clear();
        host::session::Host::resetScene();
    }

    static MObject createNode(const char* type)
    {
        MDGModifier modifier;
        MStatus status;
        MObject node = modifier.createNode(type, &status);
        EXPECT_EQ(status, MStatus::kSuccess) << type;
        EXPECT_EQ(modifier.doIt(), MStatus::kSuccess) << type;
        return node;
    }

    static MObject createDeformer() { return createNode("noiseDeformer"); }

    static MPlug plug(const MObject& node, const char* attribute)
    {
        MStatus status;
        MPlug found = MFnDependencyNode(node).findPlug(attribute, &status);
        EXPECT_EQ(status, MStatus::kSuccess) << attribute;
        return found;
    }

    // The node of the scene with this name, or the null object.
    static MObject nodeNamed(const char* name)
    {
        host::graph::Node* node = host::graph::Scene::instance().findNode(name);
        return node ? node->handle() : MObject();
    }

    static MPxDeformerNode* deformerOf(const MObject& node)
    {
        return static_cast<MPxDeformerNode*>(MFnDependencyNode(node).userNode());
    }
};

} // namespace kavo::test
