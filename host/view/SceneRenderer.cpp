#include "graph/Node.h"
#include "graph/Scene.h"

#include "view/DrawableShapes.h"
#include "view/GeometryPreview.h"
#include "view/SceneRenderer.h"
#include "view/Selection.h"
#include "view/View3d.h"

#include <maya/MDagPath.h>
#include <maya/MPxLocatorNode.h>

#include <algorithm>
#include <vector>

namespace kavo::host::view {

namespace {

// Opaque locators first, transparent ones next, draw-last ones at the end.
enum class DrawPass
{
    Opaque = 0,
    Transparent = 1,
    Last = 2
};

struct LocatorDraw
{
    graph::Node* node;
    MPxLocatorNode* locator;
    DrawPass pass;
};

std::vector<LocatorDraw> visibleLocators()
{
    std::vector<LocatorDraw> draws;
    for (const auto& node : graph::Scene::instance().nodes()) {
        auto* locator = dynamic_cast<MPxLocatorNode*>(node->behaviour());
        if (!locator || !node->hasFn(MFn::kLocator) || !DrawableShapes::isDrawable(*node))
            continue;
        DrawPass pass = locator->drawLast()        ? DrawPass::Last
                        : locator->isTransparent() ? DrawPass::Transparent
                                                   : DrawPass::Opaque;
        draws.push_back({node.get(), locator, pass});
    }
    std::stable_sort(draws.begin(), draws.end(),
                     [](const LocatorDraw& a, const LocatorDraw& b) { return a.pass < b.pass; });
    return draws;
}

void drawLocator(const LocatorDraw& draw, M3dView& view, M3dView::DisplayStyle style)
{
    MDagPath path;
    if (!MDagPath::getAPathTo(draw.node->handle(), path))
        return;
    const MMatrix placement = path.inclusiveMatrix();
    const M3dView::DisplayStatus status = Selection::isSelected(*draw.node) ? M3dView::kActive : M3dView::kDormant;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glMultMatrixd(&placement.matrix[0][0]);
    draw.locator->draw(view, path, style, status);
    // The locator may have left another matrix mode selected.
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

} // namespace

MStatus SceneRenderer::render(const std::shared_ptr<View3d>& view)
{
    if (!view)
        return MStatus::kInvalidParameter;
    if (MStatus status = view->beginFrame(); !status)
        return status;
    GeometryPreview::drawMeshes(*view);
    M3dView handle(view);
    for (const LocatorDraw& draw : visibleLocators())
        drawLocator(draw, handle, view->displayStyle());
    glFinish();
    return MStatus::kSuccess;
}

} // namespace kavo::host::view
