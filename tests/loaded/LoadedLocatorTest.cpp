// The noise handle loaded from the plug-in library: its attributes, its
// answers to the host, its set-up failures, and what it draws in a real
// OpenGL view.

// GoogleTest first: the X11 headers that the host's GL header brings in
// define None, which GoogleTest uses as a name.
#include <gtest/gtest.h>

#include "graph/Faults.h"
#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"
#include "session/Host.h"
#include "view/ActiveView.h"
#include "view/ColorTables.h"
#include "view/SceneRenderer.h"
#include "view/Selection.h"
#include "view/View3d.h"

#include <maya/MDagModifier.h>
#include <maya/MDagPath.h>
#include <maya/MDataBlock.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MPlug.h>
#include <maya/MPxLocatorNode.h>

#include <dlfcn.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using kavo::host::graph::Faults;
using kavo::host::graph::NodeTypeRegistry;
using kavo::host::session::Host;
using namespace kavo::host::view;
using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

const MTypeId kLocatorId(0x114F61);

// Like the plug-in, this program is not linked against OpenGL: the host's
// libraries bring it into the process, where its functions are looked up.
template <class Function>
Function glFunction(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

std::string hostReport(MStatus::MStatusCode code)
{
    CaptureStderr();
    MStatus(code).perror("");
    return GetCapturedStderr();
}

// The plug-in loaded the host's way (dlopen, initializePlugin), and a clean
// scene after each test.
class NoiseLocatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!Host::isPluginLoaded(KAVO_PLUGIN_PATH)) {
            const auto outcome = Host::loadPlugin(KAVO_PLUGIN_PATH);
            ASSERT_TRUE(outcome.succeeded()) << outcome.message;
        }
    }

    void TearDown() override
    {
        Faults::clear();
        Host::resetScene();
    }

    static MPlug plug(const MObject& node, const char* attribute)
    {
        MStatus status;
        MPlug found = MFnDependencyNode(node).findPlug(attribute, &status);
        EXPECT_EQ(status, MStatus::kSuccess) << attribute;
        return found;
    }

    // A handle the way the host makes one: a transform with the locator
    // under it. Answers the transform.
    static MObject createHandle()
    {
        MDagModifier modifier;
        MObject transform = modifier.createNode("noiseLocator");
        EXPECT_EQ(modifier.doIt(), MStatus::kSuccess);
        return transform;
    }

    static MObject shapeOf(const MObject& transform) { return MFnDagNode(transform).child(0); }

    static MPxLocatorNode* locatorOf(const MObject& shape)
    {
        return dynamic_cast<MPxLocatorNode*>(MFnDependencyNode(shape).userNode());
    }

    // Registers the locator type again, its initializer running while
    // `operation` fails on its `nth` call, and answers what it reported.
    // The type is put back as the plug-in registered it afterwards.
    static std::string reregisterWithFault(const char* operation, int nth)
    {
        auto type = NodeTypeRegistry::instance().find(kLocatorId);
        const MCreatorFunction creator = type->creator;
        const MInitializeFunction initialize = type->initializer;
        auto reregister = [&] {
            EXPECT_TRUE(NodeTypeRegistry::instance().deregisterPluginType(kLocatorId));
            EXPECT_TRUE(NodeTypeRegistry::instance().registerPluginType("noiseLocator", kLocatorId, creator, initialize,
                                                                        MPxNode::kLocatorNode));
        };
        Faults::failOn(operation, nth);
        CaptureStderr();
        reregister();
        const std::string reported = GetCapturedStderr();
        Faults::clear();
        reregister();
        return reported;
    }
};

TEST_F(NoiseLocatorTest, AttributesAndTheAnswersTheyDrive)
{
    const MObject shape = shapeOf(createHandle());
    ASSERT_TRUE(shape.hasFn(MFn::kLocator));
    MPxLocatorNode* locator = locatorOf(shape);
    ASSERT_NE(locator, nullptr);

    const struct
    {
        const char* longName;
        const char* shortName;
        bool value;
        bool keyable;
    } expected[] = {{"transparencySort", "ts", true, true},
                    {"drawLast", "dL", false, true},
                    {"noiseBoundingBox", "noisebbox", false, false}};
    MFnDependencyNode node(shape);
    for (const auto& e : expected) {
        MFnNumericAttribute attribute(node.attribute(e.longName));
        EXPECT_EQ(attribute.unitType(), MFnNumericData::kBoolean) << e.longName;
        EXPECT_EQ(attribute.shortName(), MString(e.shortName));
        EXPECT_EQ(attribute.isKeyable(), e.keyable) << e.longName;
        EXPECT_TRUE(attribute.isStorable() && attribute.isReadable() && attribute.isWritable()) << e.longName;
        EXPECT_EQ(plug(shape, e.longName).asBool(), e.value) << e.longName;
    }

    EXPECT_TRUE(locator->isBounded());
    EXPECT_TRUE(locator->isTransparent());
    EXPECT_FALSE(locator->drawLast());
    ASSERT_TRUE(plug(shape, "ts").setValue(false));
    ASSERT_TRUE(plug(shape, "dL").setValue(true));
    EXPECT_FALSE(locator->isTransparent());
    EXPECT_TRUE(locator->drawLast());
    // The box does not depend on what is drawn.
    ASSERT_TRUE(plug(shape, "noisebbox").setValue(true));
    EXPECT_TRUE(locator->boundingBox().max().isEquivalent(MPoint(0.5, 0.5, 0.5)));

    MDataBlock block(kavo::host::graph::Scene::instance().findNode(node.name().asChar()));
    EXPECT_EQ(locator->compute(plug(shape, "ts"), block), MStatus::kUnknownParameter);
}

TEST_F(NoiseLocatorTest, PostConstructorReportsWhichSettingFailed)
{
    const MObject healthy = shapeOf(createHandle());
    EXPECT_FALSE(MFnDependencyNode(healthy).userNode()->existWithoutInConnections());
    EXPECT_FALSE(MFnDependencyNode(healthy).userNode()->existWithoutOutConnections());

    Faults::failOn("setExistWithoutInConnections", 1);
    CaptureStderr();
    const MObject noIn = shapeOf(createHandle());
    EXPECT_EQ(GetCapturedStderr(), "ERROR initializing NoiseLocatorNode; failed to setExistWithoutInConnections.\n");
    // The second setting is not attempted after the first failed.
    EXPECT_TRUE(MFnDependencyNode(noIn).userNode()->existWithoutOutConnections());

    Faults::failOn("setExistWithoutOutConnections", 1);
    CaptureStderr();
    const MObject noOut = shapeOf(createHandle());
    EXPECT_EQ(GetCapturedStderr(), "ERROR initializing NoiseLocatorNode; failed to setExistWithoutOutConnections.\n");
    EXPECT_FALSE(MFnDependencyNode(noOut).userNode()->existWithoutInConnections());
}

TEST_F(NoiseLocatorTest, InitializeReportsEachFailureAndCarriesOn)
{
    // Adding the second attribute fails: only that is reported.
    EXPECT_EQ(reregisterWithFault("addAttribute", 2),
              hostReport(MStatus::kFailure) +
                  ",ERROR NoiseLocatorNode initialize; failed to add enable draw last attribute.\n\n");

    // Creating the third fails: it cannot be added either; the first two
    // were made all the same.
    const std::string reported = reregisterWithFault("attributeCreate", 3);
    const std::string create = ",ERROR NoiseLocatorNode initialize; failed to create bounding box attribute.\n";
    const std::string add = ",ERROR NoiseLocatorNode initialize; failed to add bounding box attribute.\n";
    EXPECT_NE(reported.find(create), std::string::npos) << reported;
    EXPECT_GT(reported.find(add), reported.find(create)) << reported;
    EXPECT_EQ(reported.find("transparency"), std::string::npos) << reported;
    EXPECT_EQ(reported.find("draw last"), std::string::npos) << reported;

    // Put back whole: a new handle has all three attributes.
    const MObject shape = shapeOf(createHandle());
    EXPECT_FALSE(plug(shape, "noiseBoundingBox").isNull());
}

// Pixels of a real OpenGL render of the scene, seen from the front (+Z) or
// from the side (+X), 3 units from the handle at the origin.
class NoiseLocatorDrawingTest : public NoiseLocatorTest
{
protected:
    static constexpr int kSize = 128;

    void SetUp() override
    {
        NoiseLocatorTest::SetUp();
        view = View3d::create(kSize, kSize);
        ASSERT_NE(view, nullptr);
        ActiveView::set(view);
        transform = createHandle();
        shape = shapeOf(transform);
        lookFrom(MPoint(0.0, 0.0, 3.0));
    }

    void TearDown() override
    {
        Selection::clear();
        ActiveView::clear();
        NoiseLocatorTest::TearDown();
    }

    void lookFrom(const MPoint& eye)
    {
        camera = Camera::lookingAt(eye, MPoint::origin, MVector::yAxis);
        camera.setPerspective(45.0, 1.0, 0.5, 10.0);
        ASSERT_TRUE(view->setCamera(camera));
    }

    void render()
    {
        ASSERT_TRUE(SceneRenderer::render(view));
        pixels = view->readPixels();
    }

    // Whether a pixel within one of where the point lands has the colour.
    bool drawnAt(const MPoint& point, const MColor& color) const
    {
        const MPoint clip = point * camera.worldToEye() * camera.projection();
        const int x = int((clip.x / clip.w + 1.0) / 2.0 * kSize);
        const int y = int((1.0 - clip.y / clip.w) / 2.0 * kSize);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (isColor(x + dx, y + dy, color))
                    return true;
        return false;
    }

    bool isColor(int x, int y, const MColor& color) const
    {
        const std::uint8_t* pixel = &pixels[4 * (std::size_t(y) * kSize + x)];
        const float expected[] = {color.r, color.g, color.b};
        for (int c = 0; c < 3; ++c)
            if (std::abs(int(pixel[c]) - int(expected[c] * 255.0f + 0.5f)) > 1)
                return false;
        return true;
    }

    int countColor(const MColor& color) const
    {
        int count = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                count += isColor(x, y, color);
        return count;
    }

    static MColor tableColor(ColorPalette palette)
    {
        MColor color;
        EXPECT_TRUE(ColorTables::colorAt(palette, 13, color));
        return color;
    }

    std::shared_ptr<View3d> view;
    Camera camera;
    MObject transform;
    MObject shape;
    std::vector<std::uint8_t> pixels;
    const MColor active = tableColor(ColorPalette::Active);
    const MColor dormant = tableColor(ColorPalette::Dormant);
    const MColor templ = tableColor(ColorPalette::Template);
};

// Points on the cube's edges that no axis of the cross passes near, from
// the front: on the front and back faces and on the edges joining them.
const MPoint kCubeEdgePoints[] = {MPoint(0.25, 0.5, 0.5),   MPoint(-0.5, -0.25, 0.5), MPoint(0.25, -0.5, -0.5),
                                  MPoint(-0.5, 0.25, -0.5), MPoint(0.5, 0.5, 0.1),    MPoint(-0.5, -0.5, -0.2)};

TEST_F(NoiseLocatorDrawingTest, CrossByDefaultInTheDormantColour)
{
    render();
    for (const MPoint& onAxis :
         {MPoint(0.3, 0.0, 0.0), MPoint(-0.3, 0.0, 0.0), MPoint(0.0, 0.3, 0.0), MPoint(0.0, -0.4, 0.0)})
        EXPECT_TRUE(drawnAt(onAxis, dormant)) << onAxis.x << " " << onAxis.y;
    for (const MPoint& onEdge : kCubeEdgePoints)
        EXPECT_FALSE(drawnAt(onEdge, dormant)) << onEdge.x << " " << onEdge.y << " " << onEdge.z;
    EXPECT_EQ(countColor(active), 0);
    // Table value 2 is the dormant table; the template table (value 5) has
    // a grey at this entry, which must not show.
    EXPECT_EQ(countColor(templ), 0);

    // The z axis, seen from the side.
    lookFrom(MPoint(3.0, 0.0, 0.0));
    render();
    EXPECT_TRUE(drawnAt(MPoint(0.0, 0.0, 0.3), dormant));
    EXPECT_TRUE(drawnAt(MPoint(0.0, 0.0, -0.3), dormant));
}

TEST_F(NoiseLocatorDrawingTest, CubeWhenAskedAndActiveOnlyWhenSelected)
{
    ASSERT_TRUE(plug(shape, "noiseBoundingBox").setValue(true));
    render();
    for (const MPoint& onEdge : kCubeEdgePoints)
        EXPECT_TRUE(drawnAt(onEdge, dormant)) << onEdge.x << " " << onEdge.y << " " << onEdge.z;
    EXPECT_FALSE(drawnAt(MPoint(0.3, 0.0, 0.0), dormant));
    EXPECT_FALSE(drawnAt(MPoint(0.0, 0.3, 0.0), dormant));

    Selection::select(transform);
    render();
    for (const MPoint& onEdge : kCubeEdgePoints)
        EXPECT_TRUE(drawnAt(onEdge, active)) << onEdge.x << " " << onEdge.y << " " << onEdge.z;
    EXPECT_EQ(countColor(dormant), 0);
}

TEST_F(NoiseLocatorDrawingTest, EveryOtherStatusUsesTheDormantColour)
{
    MPxLocatorNode* locator = locatorOf(shape);
    MDagPath path;
    ASSERT_TRUE(MDagPath::getAPathTo(shape, path));
    M3dView handle = M3dView::active3dView();
    auto getFloats = glFunction<void (*)(GLenum, GLfloat*)>("glGetFloatv");
    ASSERT_NE(getFloats, nullptr);
    for (M3dView::DisplayStatus status : {M3dView::kLead, M3dView::kDormant, M3dView::kTemplate, M3dView::kHilite}) {
        ASSERT_TRUE(view->beginFrame());
        ASSERT_TRUE(handle.setDrawColor(MColor(1.0f, 0.0f, 0.0f)));
        locator->draw(handle, path, M3dView::kWireFrame, status);
        // The colour the host had set is back after the draw.
        GLfloat color[4];
        getFloats(GL_CURRENT_COLOR, color);
        EXPECT_EQ(color[0], 1.0f);
        EXPECT_EQ(color[1], 0.0f);
        pixels = view->readPixels();
        EXPECT_TRUE(drawnAt(MPoint(0.3, 0.0, 0.0), dormant)) << status;
        EXPECT_EQ(countColor(active), 0) << status;
        EXPECT_EQ(countColor(templ), 0) << status;
    }
}

} // namespace
