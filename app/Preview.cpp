#include "Preview.h"

#include "AppError.h"
#include "PreviewImage.h"
#include "PreviewShape.h"
#include "RecomputedNormals.h"

#include "graph/Node.h"
#include "view/ActiveView.h"
#include "view/ColorTables.h"
#include "view/OpenGLLibrary.h"
#include "view/SceneRenderer.h"
#include "view/Selection.h"
#include "view/View3d.h"

#include <maya/MDagPath.h>
#include <maya/MGL.h>

#include <cmath>

namespace kavo::app {

namespace {

// Looking down at the scene from the front right, a usual first view.
const MVector kViewDirection = MVector(-0.55, -0.45, -0.70).normal();
const MVector kUp(0.0, 1.0, 0.0);
const MColor kBackground(0.16f, 0.17f, 0.19f, 1.0f);
// The host's view draws meshes in the dormant light grey; the other kinds
// are drawn alike.
constexpr unsigned int kGeometryColorIndex = 3;

MBoundingBox handleBounds(host::graph::Node& handle)
{
    MBoundingBox box(MPoint(-0.5, -0.5, -0.5), MPoint(0.5, 0.5, 0.5));
    MDagPath path;
    if (MDagPath::getAPathTo(handle.handle(), path))
        box.transformUsing(path.inclusiveMatrix());
    return box;
}

MColor geometryColor()
{
    MColor color;
    host::view::ColorTables::colorAt(host::view::ColorPalette::Dormant, kGeometryColorIndex, color);
    return color;
}

// A light at the eye: faces turned to the camera are brightest, whichever
// side of them it sees.
void setShade(const MColor& color, const MVector& normal)
{
    const float light = 0.3f + 0.7f * static_cast<float>(std::abs(normal * kViewDirection));
    glColor3f(color.r * light, color.g * light, color.b * light);
}

void drawShape(const PreviewShape& shape, const MColor& color)
{
    glBegin(GL_TRIANGLES);
    for (const std::vector<MPoint>& polygon : shape.polygons) {
        setShade(color, RecomputedNormals::faceNormal(polygon));
        for (size_t k = 1; k + 1 < polygon.size(); ++k)
            for (const MPoint* corner : {&polygon[0], &polygon[k], &polygon[k + 1]})
                glVertex3d(corner->x, corner->y, corner->z);
    }
    glEnd();

    glColor3f(color.r, color.g, color.b);
    glLineWidth(2.0f);
    for (const std::vector<MPoint>& line : shape.polylines) {
        glBegin(GL_LINE_STRIP);
        for (const MPoint& point : line)
            glVertex3d(point.x, point.y, point.z);
        glEnd();
    }
    glPointSize(3.0f);
    glBegin(GL_POINTS);
    for (const MPoint& point : shape.points)
        glVertex3d(point.x, point.y, point.z);
    glEnd();
}

// The host's view draws the meshes and the handle; the kinds it does not
// draw are added here, into the same depth buffer.
void drawOtherGeometry(const std::vector<PreviewShape>& shapes, const std::vector<InputGeometry>& inputs)
{
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT | GL_POINT_BIT);
    glEnable(GL_DEPTH_TEST);
    const MColor color = geometryColor();
    for (size_t k = 0; k < shapes.size(); ++k)
        if (inputs[k].kind != GeometryKind::Mesh)
            drawShape(shapes[k], color);
    glPopAttrib();
    glFinish();
}

} // namespace

Preview::Preview(const DeformerScene& scene, int width, int height) : m_scene(scene)
{
    MStatus status;
    const host::view::OpenGLLibrary& openGL = host::view::OpenGLLibrary::process();
    if (!openGL.isOpen())
        throw AppError::evaluation("cannot draw the preview: " + openGL.problem());
    m_view = host::view::View3d::create(width, height, &status);
    if (!m_view)
        throw AppError::evaluation("cannot make a " + std::to_string(width) + "x" + std::to_string(height) +
                                   " OpenGL view for the preview");
    m_view->setBackground(kBackground);
    m_view->setDisplayStyle(M3dView::kFlatShaded);
    host::view::ActiveView::set(m_view);
    host::view::Selection::select(scene.handle().handle());
}

Preview::~Preview()
{
    host::view::ActiveView::clear();
}

std::vector<std::uint8_t> Preview::render(const std::vector<MObject>& deformed)
{
    std::vector<PreviewShape> shapes;
    MBoundingBox box = handleBounds(m_scene.handle());
    for (size_t k = 0; k < deformed.size(); ++k) {
        shapes.push_back(PreviewShape::of(deformed[k], m_scene.inputs()[k].kind));
        box.expand(shapes.back().bounds());
    }
    MStatus status = m_view->frame(box, kViewDirection, kUp);
    if (status)
        status = host::view::SceneRenderer::render(m_view);
    if (!status)
        throw AppError::evaluation("the host could not draw the preview");
    drawOtherGeometry(shapes, m_scene.inputs());
    return m_view->readPixels();
}

void Preview::write(const std::vector<MObject>& deformed, const AtomicFile& file)
{
    const std::vector<std::uint8_t> rgba = render(deformed);
    file.openByName(
        [&](const std::string& path) { PreviewImage::write(path, m_view->width(), m_view->height(), rgba); });
}

} // namespace kavo::app
