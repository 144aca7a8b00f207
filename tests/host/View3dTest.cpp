// The host's 3-D views as plug-ins see them through M3dView, the locator
// base type, and the host drawing the scene's locators into a view.

#include <gtest/gtest.h>

#include "graph/NodeTypeRegistry.h"
#include "graph/Scene.h"
#include "session/Host.h"
#include "view/ActiveView.h"
#include "view/ColorTables.h"
#include "view/SceneRenderer.h"
#include "view/Selection.h"
#include "view/View3d.h"

#include <maya/M3dView.h>
#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>
#include <maya/MPxLocatorNode.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace kavo::host::graph;
using kavo::host::session::Host;
using namespace kavo::host::view;

constexpr int kSize = 64;

MColor paletteColor(ColorPalette palette, unsigned int index)
{
    MColor color;
    EXPECT_TRUE(ColorTables::colorAt(palette, index, color));
    return color;
}

// A view of kSize x kSize pixels whose camera stands on +Z, 10 units from the
// origin, looking at it.
class ViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MStatus status;
        view = View3d::create(kSize, kSize, &status);
        ASSERT_TRUE(status);
        camera = Camera::lookingAt(MPoint(0.0, 0.0, 10.0), MPoint::origin, MVector::yAxis);
        camera.setPerspective(45.0, 1.0, 1.0, 100.0);
        ASSERT_TRUE(view->setCamera(camera));
    }

    void TearDown() override
    {
        ActiveView::clear();
        Selection::clear();
        Host::resetScene();
    }

    // The pixel (column, row from the top) a world point lands on.
    std::pair<int, int> pixelOf(const MPoint& world) const
    {
        const MPoint clip = world * camera.worldToEye() * camera.projection();
        return {int((clip.x / clip.w + 1.0) / 2.0 * kSize), int((1.0 - clip.y / clip.w) / 2.0 * kSize)};
    }

    bool pixelIs(const std::vector<std::uint8_t>& rgba, std::pair<int, int> at, const MColor& color) const
    {
        const std::uint8_t* pixel = &rgba[4 * (std::size_t(at.second) * kSize + at.first)];
        const float expected[] = {color.r, color.g, color.b};
        for (int c = 0; c < 3; ++c)
            if (std::abs(int(pixel[c]) - int(expected[c] * 255.0f + 0.5f)) > 1)
                return false;
        return true;
    }

    // Fills the whole view through a plug-in's handle on it, in whatever
    // colour `choose` sets.
    template <class Choose>
    std::vector<std::uint8_t> fillWith(Choose choose)
    {
        EXPECT_TRUE(view->beginFrame());
        M3dView handle(view);
        EXPECT_TRUE(handle.beginGL());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor3f(0.25f, 0.5f, 0.75f);
        choose(handle);
        glBegin(GL_QUADS);
        glVertex2d(-1.0, -1.0);
        glVertex2d(1.0, -1.0);
        glVertex2d(1.0, 1.0);
        glVertex2d(-1.0, 1.0);
        glEnd();
        EXPECT_TRUE(handle.endGL());
        return view->readPixels();
    }

    std::shared_ptr<View3d> view;
    Camera camera;
};

TEST_F(ViewTest, ActiveViewIsTheOneTheHostChose)
{
    MStatus status;
    M3dView none = M3dView::active3dView(&status);
    EXPECT_EQ(status, MStatus::kFailure);
    MDagPath path;
    EXPECT_EQ(none.getCamera(path), MStatus::kFailure);
    EXPECT_FALSE(none.beginGL());

    ActiveView::set(view);
    M3dView active = M3dView::active3dView(&status);
    EXPECT_EQ(status, MStatus::kSuccess);
    EXPECT_EQ(active.portWidth(), kSize);
    EXPECT_EQ(active.displayStyle(), M3dView::kWireFrame);

    // Closing the view ends it being active and leaves old handles inert.
    view.reset();
    M3dView::active3dView(&status);
    EXPECT_EQ(status, MStatus::kFailure);
    EXPECT_FALSE(active.beginGL());
    EXPECT_FALSE(active.setDrawColor(1, M3dView::kActiveColors));
}

TEST_F(ViewTest, CameraPathPlacesTheEyeAndOutlivesTheScene)
{
    ActiveView::set(view);
    MDagPath path;
    ASSERT_TRUE(M3dView::active3dView().getCamera(path));
    EXPECT_TRUE(path.node().hasFn(MFn::kCamera));
    EXPECT_TRUE(path.inclusiveMatrix().isEquivalent(camera.eyeToWorld(), 1e-9));

    // The view's own camera is not one of the scene's nodes.
    Host::resetScene();
    ASSERT_TRUE(M3dView::active3dView().getCamera(path));
    EXPECT_TRUE(path.inclusiveMatrix().isEquivalent(camera.eyeToWorld(), 1e-9));

    ASSERT_TRUE(
        view->frame(MBoundingBox(MPoint(4.0, -1.0, -1.0), MPoint(6.0, 1.0, 1.0)), -MVector::zAxis, MVector::yAxis));
    const MPoint eye = MPoint::origin * path.inclusiveMatrix();
    EXPECT_NEAR(eye.x, 5.0, 1e-9);
    EXPECT_GT(eye.z, 1.0);
}

TEST_F(ViewTest, SetDrawColorPicksTheEntryOfTheTableAsked)
{
    const struct
    {
        M3dView::ColorTable table;
        ColorPalette palette;
    } tables[] = {{M3dView::kActiveColors, ColorPalette::Active},
                  {M3dView::kDormantColors, ColorPalette::Dormant},
                  {M3dView::kTemplateColor, ColorPalette::Template}};
    const std::pair<int, int> centre{kSize / 2, kSize / 2};
    for (const auto& entry : tables) {
        for (unsigned int index : {0u, 6u, 13u, 15u}) {
            auto pixels = fillWith([&](M3dView& handle) { EXPECT_TRUE(handle.setDrawColor(index, entry.table)); });
            EXPECT_TRUE(pixelIs(pixels, centre, paletteColor(entry.palette, index)))
                << "table " << entry.table << " index " << index;
        }
    }

    // No such entry: the colour stays as it was.
    const MColor before(0.25f, 0.5f, 0.75f);
    auto pixels = fillWith([](M3dView& handle) {
        EXPECT_EQ(handle.setDrawColor(ColorTables::kPaletteSize, M3dView::kActiveColors), MStatus::kInvalidParameter);
        EXPECT_EQ(handle.setDrawColor(0, M3dView::kBackgroundColor), MStatus::kInvalidParameter);
    });
    EXPECT_TRUE(pixelIs(pixels, centre, before));
}

TEST(LocatorBase, DefaultAnswersAndColors)
{
    MPxLocatorNode locator;
    EXPECT_FALSE(locator.isBounded());
    EXPECT_FALSE(locator.boundingBox().contains(MPoint::origin));
    EXPECT_FALSE(locator.isTransparent());
    EXPECT_FALSE(locator.drawLast());
    EXPECT_EQ(locator.type(), MPxNode::kLocatorNode);

    const unsigned int index = locator.color(M3dView::kDormant);
    EXPECT_EQ(locator.colorRGB(M3dView::kActive), paletteColor(ColorPalette::Active, index));
    EXPECT_EQ(locator.colorRGB(M3dView::kLead), paletteColor(ColorPalette::Active, index));
    EXPECT_EQ(locator.colorRGB(M3dView::kDormant), paletteColor(ColorPalette::Dormant, index));
    EXPECT_EQ(locator.colorRGB(M3dView::kTemplate), paletteColor(ColorPalette::Template, index));
}

// A plug-in locator that records how the host drew it and marks where it
// stands with a dot in the colour of its display status.
class ProbeLocator : public MPxLocatorNode
{
public:
    struct Draw
    {
        std::string path;
        M3dView::DisplayStatus status;
    };

    static void* creator() { return new ProbeLocator; }
    static MStatus initialize() { return MStatus::kSuccess; }

    void draw(M3dView& view, const MDagPath& path, M3dView::DisplayStyle, M3dView::DisplayStatus status) override
    {
        draws.push_back({path.fullPathName().asChar(), status});
        view.beginGL();
        view.setDrawColor(colorRGB(status));
        glPointSize(3.0f);
        glBegin(GL_POINTS);
        glVertex3d(0.0, 0.0, 0.0);
        glEnd();
        view.endGL();
    }

    bool isTransparent() const override { return transparent; }
    bool drawLast() const override { return last; }

    bool transparent = false;
    bool last = false;
    static std::vector<Draw> draws;
};

std::vector<ProbeLocator::Draw> ProbeLocator::draws;

const MTypeId kProbeId(0x7F0D01);

class LocatorSceneTest : public ViewTest
{
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        ASSERT_TRUE(NodeTypeRegistry::instance().registerPluginType("probeLocator", kProbeId, ProbeLocator::creator,
                                                                    ProbeLocator::initialize, MPxNode::kLocatorNode));
        ProbeLocator::draws.clear();
    }

    void TearDown() override
    {
        ViewTest::TearDown();
        NodeTypeRegistry::instance().deregisterPluginType(kProbeId);
    }

    // A probe locator under a new transform placed at `position`.
    ProbeLocator& addProbe(const std::string& name, const MPoint& position)
    {
        Scene& scene = Scene::instance();
        std::shared_ptr<Node> transform = scene.createNode("transform", name);
        std::shared_ptr<Node> shape = scene.createNode("probeLocator", name + "Shape");
        scene.setDagParent(*shape, transform.get());
        setNumber(transform->handle(), "translateX", position.x);
        setNumber(transform->handle(), "translateY", position.y);
        return *static_cast<ProbeLocator*>(shape->behaviour());
    }

    static void setNumber(const MObject& node, const char* attribute, double value)
    {
        ASSERT_TRUE(MFnDependencyNode(node).findPlug(attribute).setValue(value));
    }

    static MObject nodeNamed(const char* name) { return Scene::instance().findNode(name)->handle(); }
};

TEST_F(LocatorSceneTest, LocatorTypeCarriesPositionAndScale)
{
    addProbe("probe", MPoint(2.0, 1.0, 0.0));
    MFnDependencyNode shape(nodeNamed("probeShape"));
    EXPECT_TRUE(shape.object().hasFn(MFn::kLocator));
    EXPECT_DOUBLE_EQ(shape.findPlug("localScaleY").asDouble(), 1.0);

    setNumber(shape.object(), "localPositionX", 0.5);
    EXPECT_DOUBLE_EQ(shape.findPlug("worldPositionX").asDouble(), 2.5);
    EXPECT_DOUBLE_EQ(shape.findPlug("worldPositionY").asDouble(), 1.0);
    // Moving the transform moves the world position with it.
    setNumber(nodeNamed("probe"), "translateY", -3.0);
    EXPECT_DOUBLE_EQ(shape.findPlug("worldPositionY").asDouble(), -3.0);
    EXPECT_FALSE(shape.findPlug("worldPositionX").setValue(9.0));
}

TEST_F(LocatorSceneTest, LocatorsAreDrawnWhereTheyStandAsDormantOrActive)
{
    addProbe("left", MPoint(-2.0, 0.0, 0.0));
    ProbeLocator& right = addProbe("right", MPoint(2.0, 0.0, 0.0));
    Selection::select(nodeNamed("right"));

    ASSERT_TRUE(SceneRenderer::render(view));
    ASSERT_EQ(ProbeLocator::draws.size(), 2u);
    EXPECT_EQ(ProbeLocator::draws[0].path, "|left|leftShape");
    EXPECT_EQ(ProbeLocator::draws[0].status, M3dView::kDormant);
    EXPECT_EQ(ProbeLocator::draws[1].status, M3dView::kActive);

    const std::vector<std::uint8_t> pixels = view->readPixels();
    EXPECT_TRUE(pixelIs(pixels, pixelOf(MPoint(-2.0, 0.0, 0.0)), right.colorRGB(M3dView::kDormant)));
    EXPECT_TRUE(pixelIs(pixels, pixelOf(MPoint(2.0, 0.0, 0.0)), right.colorRGB(M3dView::kActive)));
    EXPECT_TRUE(pixelIs(pixels, pixelOf(MPoint::origin), view->background()));
}

TEST_F(LocatorSceneTest, HiddenLocatorsAreSkippedAndLateOnesComeLast)
{
    ProbeLocator& last = addProbe("last", MPoint::origin);
    last.last = true;
    ProbeLocator& transparent = addProbe("transparent", MPoint::origin);
    transparent.transparent = true;
    addProbe("opaque", MPoint::origin);
    addProbe("hidden", MPoint::origin);
    setNumber(nodeNamed("hidden"), "visibility", 0.0);

    ASSERT_TRUE(SceneRenderer::render(view));
    std::vector<std::string> order;
    for (const auto& draw : ProbeLocator::draws)
        order.push_back(draw.path);
    EXPECT_EQ(order,
              (std::vector<std::string>{"|opaque|opaqueShape", "|transparent|transparentShape", "|last|lastShape"}));
}

} // namespace
