#include "DeformerFixture.h"

#include "graph/Faults.h"
#include "graph/Node.h"
#include "session/Host.h"

#include <maya/MDagModifier.h>
#include <maya/MDataBlock.h>
#include <maya/MFn.h>
#include <maya/MFnAttribute.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnUnitAttribute.h>
#include <maya/MMatrix.h>
#include <maya/MTime.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kavo::host::graph::Faults;
using kavo::host::graph::Node;
using kavo::host::graph::objectAs;
using kavo::host::session::Host;
using kavo::host::session::PluginOutcome;
using kavo::test::contains;
using kavo::test::kPluginPath;
using kavo::test::LoadedPluginTest;

constexpr double kNoLimit = 1e300;

// One row of the deformer's attribute table. Numeric rows give their numeric
// type; the others kInvalid.
struct AttributeRow
{
    const char* name;
    const char* shortName;
    MFn::Type kind;
    MFnNumericData::Type numericType;
    double defaultValue;
    double minimum;
    double maximum;
    bool storable;
    bool keyable;
};

const std::vector<AttributeRow> kAttributes = {
    {"space", "space", MFn::kEnumAttribute, MFnNumericData::kInvalid, 0.0, kNoLimit, kNoLimit, true, true},
    {"noiseType", "nt", MFn::kEnumAttribute, MFnNumericData::kInvalid, 0.0, kNoLimit, kNoLimit, true, true},
    {"seed", "sd", MFn::kNumericAttribute, MFnNumericData::kInt, 0.0, 0.0, kNoLimit, true, true},
    {"scaleX", "fsx", MFn::kNumericAttribute, MFnNumericData::kFloat, 1.0, double(1e-9f), kNoLimit, true, true},
    {"scaleY", "fsy", MFn::kNumericAttribute, MFnNumericData::kFloat, 1.0, double(1e-9f), kNoLimit, true, true},
    {"scaleZ", "fsz", MFn::kNumericAttribute, MFnNumericData::kFloat, 1.0, double(1e-9f), kNoLimit, true, true},
    {"fractalState", "fon", MFn::kNumericAttribute, MFnNumericData::kBoolean, 0.0, kNoLimit, kNoLimit, true, true},
    {"roughness", "rh", MFn::kNumericAttribute, MFnNumericData::kFloat, 1.0, 0.0, 1.0, true, true},
    {"iterations", "it", MFn::kNumericAttribute, MFnNumericData::kFloat, 2.0, 1.0, kNoLimit, true, true},
    {"alongNormals", "aln", MFn::kNumericAttribute, MFnNumericData::kBoolean, 1.0, kNoLimit, kNoLimit, true, true},
    {"amplitude", "amp", MFn::kNumericAttribute, MFnNumericData::kFloat, double(0.2f), kNoLimit, kNoLimit, true, true},
    {"amplitudeX", "ampX", MFn::kNumericAttribute, MFnNumericData::kFloat, double(0.2f), kNoLimit, kNoLimit, true,
     true},
    {"amplitudeY", "ampY", MFn::kNumericAttribute, MFnNumericData::kFloat, double(0.2f), kNoLimit, kNoLimit, true,
     true},
    {"amplitudeZ", "ampZ", MFn::kNumericAttribute, MFnNumericData::kFloat, double(0.2f), kNoLimit, kNoLimit, true,
     true},
    {"boundingBoxState", "hBb", MFn::kNumericAttribute, MFnNumericData::kBoolean, 0.0, kNoLimit, kNoLimit, true, true},
    {"falloff", "foff", MFn::kNumericAttribute, MFnNumericData::kFloat, 0.0, 0.0, 1.0, true, true},
    {"animationState", "aon", MFn::kNumericAttribute, MFnNumericData::kBoolean, 1.0, kNoLimit, kNoLimit, true, true},
    {"frequency", "fq", MFn::kNumericAttribute, MFnNumericData::kFloat, 4.0, 0.0, kNoLimit, true, true},
    {"phase", "ph", MFn::kNumericAttribute, MFnNumericData::kFloat, 0.0, kNoLimit, kNoLimit, true, true},
    {"displacement", "disp", MFn::kNumericAttribute, MFnNumericData::k3Float, 1.0, kNoLimit, kNoLimit, true, true},
    {"time", "tm", MFn::kUnitAttribute, MFnNumericData::kInvalid, 0.0, kNoLimit, kNoLimit, false, false},
    {"handleSpace", "hSp", MFn::kMatrixAttribute, MFnNumericData::kInvalid, 0.0, kNoLimit, kNoLimit, false, true},
};

class DeformerAttributes : public LoadedPluginTest
{
protected:
    MObject attribute(const MObject& node, const char* name)
    {
        MStatus status;
        MObject found = MFnDependencyNode(node).attribute(name, &status);
        EXPECT_EQ(status, MStatus::kSuccess) << name;
        return found;
    }
};

TEST_F(DeformerAttributes, EachHasItsNamesKindFlagsAndDefault)
{
    const MObject node = createDeformer();
    for (const AttributeRow& row : kAttributes) {
        SCOPED_TRACE(row.name);
        const MObject byLong = attribute(node, row.name);
        EXPECT_EQ(byLong, attribute(node, row.shortName));
        const MFnAttribute fn(byLong);
        EXPECT_EQ(fn.name(), row.name);
        EXPECT_EQ(fn.shortName(), row.shortName);
        EXPECT_EQ(byLong.apiType(), row.kind);
        if (row.kind == MFn::kUnitAttribute) {
            EXPECT_EQ(MFnUnitAttribute(byLong).unitType(), MFnUnitAttribute::kTime);
            EXPECT_EQ(plug(node, row.name).asMTime().value(), 0.0);
            continue; // the host's own flags for its kind
        }
        EXPECT_EQ(fn.isStorable(), row.storable);
        EXPECT_EQ(fn.isKeyable(), row.keyable);
        if (row.numericType != MFnNumericData::kInvalid) {
            EXPECT_EQ(MFnNumericAttribute(byLong).unitType(), row.numericType);
        }
        if (row.numericType == MFnNumericData::k3Float) {
            EXPECT_TRUE(fn.isUsedAsColor());
            EXPECT_TRUE(fn.isReadable());
            EXPECT_TRUE(fn.isWritable());
            for (const char* channel : {"displacementR", "displacementG", "displacementB"})
                EXPECT_EQ(plug(node, channel).asFloat(), 1.0f) << channel;
        } else if (row.kind != MFn::kMatrixAttribute) {
            EXPECT_EQ(plug(node, row.name).asDouble(), row.defaultValue);
        }
    }
    MDataBlock block(objectAs<Node>(node).get());
    EXPECT_EQ(block.inputValue(attribute(node, "handleSpace")).asMatrix(), MMatrix::identity);
}

TEST_F(DeformerAttributes, HardLimitsClampWhatIsSetAndOnlyThere)
{
    const MObject node = createDeformer();
    for (const AttributeRow& row : kAttributes) {
        if (row.numericType != MFnNumericData::kFloat && row.numericType != MFnNumericData::kInt)
            continue;
        SCOPED_TRACE(row.name);
        MPlug value = plug(node, row.name);
        const bool hasMin = row.minimum != kNoLimit;
        const bool hasMax = row.maximum != kNoLimit;
        EXPECT_EQ(MFnNumericAttribute(attribute(node, row.name)).hasMin(), hasMin);
        EXPECT_EQ(MFnNumericAttribute(attribute(node, row.name)).hasMax(), hasMax);

        ASSERT_EQ(value.setValue(-5.0), MStatus::kSuccess);
        EXPECT_EQ(value.asDouble(), hasMin ? row.minimum : -5.0);
        ASSERT_EQ(value.setValue(1e6), MStatus::kSuccess);
        EXPECT_EQ(value.asDouble(), hasMax ? row.maximum : 1e6);
    }
    // The smallest scale is a single-precision 1e-9, never zero.
    MPlug scale = plug(node, "scaleY");
    scale.setValue(0.0);
    EXPECT_EQ(scale.asFloat(), 1e-9f);
}

TEST_F(DeformerAttributes, EnumerationsOfferTheirLabelsInValueOrder)
{
    const MObject node = createDeformer();
    const MFnEnumAttribute space(attribute(node, "space"));
    EXPECT_EQ(space.fieldName(0), "Local");
    EXPECT_EQ(space.fieldName(1), "World");
    const MFnEnumAttribute noiseType(attribute(node, "noiseType"));
    const char* labels[] = {"Perlin", "Absolute Value", "Sine", "Sine Absolute Value", "Texture Displacement"};
    for (short value = 0; value < 5; ++value) {
        EXPECT_EQ(noiseType.fieldName(value), labels[value]);
        EXPECT_EQ(noiseType.fieldIndex(labels[value]), value);
    }
    MStatus status;
    noiseType.fieldName(5, &status);
    EXPECT_NE(status, MStatus::kSuccess);
}

TEST_F(DeformerAttributes, EveryOneOfThemDirtiesTheOutputGeometry)
{
    const MObject node = createDeformer();
    Node* hostNode = objectAs<Node>(node).get();
    ASSERT_NE(hostNode, nullptr);
    MDataBlock block(hostNode);
    const MPlug output = plug(node, "outputGeometry").elementByLogicalIndex(0);
    auto pullOutput = [&] {
        MObject geometry;
        output.getValue(geometry);
        ASSERT_TRUE(block.isClean(output));
    };

    for (const AttributeRow& row : kAttributes) {
        SCOPED_TRACE(row.name);
        pullOutput();
        const std::string name = row.name;
        if (name == "time") {
            MTime time(12.0, MTime::kFilm);
            plug(node, row.name).setValue(time);
        } else if (name == "displacement") {
            plug(node, "displacementG").setValue(0.25f);
        } else if (name == "handleSpace") {
            // Only a connection drives the matrix: the handle's world matrix.
            MDagModifier modifier;
            ASSERT_EQ(deformerOf(node)->accessoryNodeSetup(modifier), MStatus::kSuccess);
            ASSERT_EQ(modifier.doIt(), MStatus::kSuccess);
            pullOutput();
            plug(nodeNamed("noiseHandle1"), "translateX").setValue(3.0);
        } else {
            plug(node, row.name).setValue(row.defaultValue == 0.0 ? 1.0 : 0.0);
        }
        EXPECT_FALSE(block.isClean(output));
    }
}

// The failure rows of the attribute initialiser, through the real load: the
// n-th creation, addition or dependency failing is reported with the n-th
// attribute's name, and the deformer type is not registered.
class DeformerInitialization : public ::testing::Test
{
protected:
    void SetUp() override { unload(); }
    void TearDown() override
    {
        Faults::clear();
        unload();
    }

    static void unload()
    {
        Host::resetScene();
        testing::internal::CaptureStderr();
        if (Host::isPluginLoaded(kPluginPath))
            Host::unloadPlugin(kPluginPath);
        testing::internal::GetCapturedStderr();
    }

    static std::string failedLoad(const char* operation, int nthCall)
    {
        Faults::failOn(operation, nthCall, MStatus::kInvalidParameter);
        testing::internal::CaptureStderr();
        const PluginOutcome outcome = Host::loadPlugin(kPluginPath);
        std::string errors = testing::internal::GetCapturedStderr();
        EXPECT_EQ(outcome.status, MStatus::kFailure) << operation << " " << nthCall;
        EXPECT_FALSE(Host::isPluginLoaded(kPluginPath));
        Faults::clear();
        return errors;
    }
};

TEST_F(DeformerInitialization, TheNthFailingStepNamesTheNthAttribute)
{
    struct Step
    {
        const char* operation;
        const char* words;
    };
    const Step steps[] = {{"attributeCreate", "creating %s attribute"},
                          {"addAttribute", "adding %s attribute"},
                          {"attributeAffects", "in connecting %s to outputGeom"}};
    for (const Step& step : steps) {
        for (size_t n = 1; n <= kAttributes.size(); ++n) {
            const std::string errors = failedLoad(step.operation, static_cast<int>(n));
            std::string expected = std::string(",ERROR NoiseDeformerNode ") + step.words + "\n\n";
            expected.replace(expected.find("%s"), 2, kAttributes[n - 1].name);
            EXPECT_TRUE(contains(errors, expected)) << step.operation << " " << n << ":\n" << errors;
            EXPECT_TRUE(contains(errors, "registerNode NoiseDeformerNode")) << errors;
            // Nothing before the failing step was reported.
            EXPECT_EQ(errors.find(",ERROR"), errors.rfind(",ERROR")) << errors;
        }
    }
}

} // namespace
