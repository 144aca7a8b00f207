// Meshes as a view shows them: shaded faces or face outlines, in the dormant
// or selected colour, and not at all when hidden or intermediate.

#include <gtest/gtest.h>

#include "graph/Scene.h"
#include "session/GeometryShapes.h"
#include "session/Host.h"
#include "view/SceneRenderer.h"
#include "view/Selection.h"
#include "view/View3d.h"

#include <maya/MFloatPointArray.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MIntArray.h>
#include <maya/MPlug.h>

#include <cstdint>
#include <vector>

namespace {

using kavo::host::session::GeometryShapes;
using kavo::host::session::Host;
using namespace kavo::host::view;

constexpr int kSize = 32;

class MeshPreviewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view = View3d::create(kSize, kSize);
        ASSERT_NE(view, nullptr);
        Camera camera = Camera::lookingAt(MPoint(0.0, 0.0, 5.0), MPoint::origin, MVector::yAxis);
        camera.setPerspective(45.0, 1.0, 1.0, 10.0);
        ASSERT_TRUE(view->setCamera(camera));

        // A square of side 2 facing the camera, filling the middle of the view.
        MFloatPointArray points;
        for (const auto& [x, y] : {std::pair{-1.0f, -1.0f}, {1.0f, -1.0f}, {1.0f, 1.0f}, {-1.0f, 1.0f}})
            points.append(MFloatPoint(x, y, 0.0f));
        MIntArray counts(1, 4);
        MIntArray corners;
        for (int k = 0; k < 4; ++k)
            corners.append(k);
        MFnMesh mesh;
        const MObject data = mesh.create(4, 1, points, counts, corners);
        MStatus status;
        shape = GeometryShapes::create("mesh", "square", data, &status);
        ASSERT_TRUE(status);
    }

    void TearDown() override
    {
        Selection::clear();
        Host::resetScene();
    }

    // The RGB of the pixel in column x, row y from the top.
    std::vector<int> pixel(int x, int y)
    {
        const std::vector<std::uint8_t> rgba = view->readPixels();
        const std::uint8_t* p = &rgba[4 * (std::size_t(y) * kSize + x)];
        return {p[0], p[1], p[2]};
    }

    const std::vector<int> black = {0, 0, 0};
    std::shared_ptr<View3d> view;
    MObject shape;
};

TEST_F(MeshPreviewTest, ShadedFacesOrOutlines)
{
    view->setDisplayStyle(M3dView::kFlatShaded);
    ASSERT_TRUE(SceneRenderer::render(view));
    const std::vector<int> lit = pixel(kSize / 2, kSize / 2);
    EXPECT_GT(lit[0], 64);
    EXPECT_EQ(pixel(1, 1), black);

    Selection::select(shape);
    ASSERT_TRUE(SceneRenderer::render(view));
    const std::vector<int> selected = pixel(kSize / 2, kSize / 2);
    EXPECT_GT(selected[1], selected[0]); // the selection colour is greener

    view->setDisplayStyle(M3dView::kWireFrame);
    ASSERT_TRUE(SceneRenderer::render(view));
    EXPECT_EQ(pixel(kSize / 2, kSize / 2), black);
    std::vector<std::uint8_t> rgba = view->readPixels();
    int outline = 0;
    for (std::size_t k = 0; k < rgba.size(); k += 4)
        outline += rgba[k + 1] > 0;
    EXPECT_GT(outline, 4 * 8);
}

TEST_F(MeshPreviewTest, HiddenAndIntermediateMeshesAreNotDrawn)
{
    view->setDisplayStyle(M3dView::kGouraudShaded);
    MFnDependencyNode node(shape);
    ASSERT_TRUE(node.findPlug("intermediateObject").setValue(true));
    ASSERT_TRUE(SceneRenderer::render(view));
    EXPECT_EQ(pixel(kSize / 2, kSize / 2), black);

    ASSERT_TRUE(node.findPlug("intermediateObject").setValue(false));
    ASSERT_TRUE(node.findPlug("visibility").setValue(false));
    ASSERT_TRUE(SceneRenderer::render(view));
    EXPECT_EQ(pixel(kSize / 2, kSize / 2), black);
}

} // namespace
