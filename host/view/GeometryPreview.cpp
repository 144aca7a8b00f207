#include "graph/Node.h"
#include "graph/Scene.h"

#include "view/ColorTables.h"
#include "view/DrawableShapes.h"
#include "view/GeometryPreview.h"
#include "view/Selection.h"
#include "view/View3d.h"

#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MIntArray.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>

namespace kavo::host::view {

namespace {

// A light grey when dormant, a light green when selected.
constexpr unsigned int kDormantMeshColor = 3;
constexpr unsigned int kActiveMeshColor = 10;

struct Polygons
{
    MPointArray points;
    MIntArray counts;
    MIntArray vertices;
};

// The mesh as it flows out of the shape, deformers and all.
bool readMesh(const MDagPath& path, Polygons& mesh)
{
    MStatus status;
    const MObject output = MFnDependencyNode(path.node()).findPlug("outMesh").asMObject();
    MFnMesh fn(output, &status);
    return status && fn.getPoints(mesh.points, MSpace::kObject) && fn.getVertices(mesh.counts, mesh.vertices);
}

// Newell's normal, which stays sound for polygons that are not quite planar.
MVector faceNormal(const Polygons& mesh, unsigned int first, unsigned int count)
{
    MVector normal(0.0, 0.0, 0.0);
    for (unsigned int k = 0; k < count; ++k) {
        const MPoint& a = mesh.points[unsigned(mesh.vertices[first + k])];
        const MPoint& b = mesh.points[unsigned(mesh.vertices[first + (k + 1) % count])];
        normal.x += (a.y - b.y) * (a.z + b.z);
        normal.y += (a.z - b.z) * (a.x + b.x);
        normal.z += (a.x - b.x) * (a.y + b.y);
    }
    return normal;
}

bool isValidFace(const Polygons& mesh, unsigned int first, unsigned int count)
{
    if (first + count > mesh.vertices.length())
        return false;
    for (unsigned int k = 0; k < count; ++k)
        if (mesh.vertices[first + k] < 0 || unsigned(mesh.vertices[first + k]) >= mesh.points.length())
            return false;
    return true;
}

void drawFaces(const Polygons& mesh, bool shaded)
{
    unsigned int first = 0;
    for (unsigned int face = 0; face < mesh.counts.length(); first += unsigned(mesh.counts[face]), ++face) {
        const unsigned int count = unsigned(mesh.counts[face]);
        if (!isValidFace(mesh, first, count))
            break;
        if (shaded) {
            const MVector normal = faceNormal(mesh, first, count);
            glNormal3d(normal.x, normal.y, normal.z);
        }
        glBegin(shaded ? GL_POLYGON : GL_LINE_LOOP);
        for (unsigned int k = 0; k < count; ++k) {
            const MPoint& p = mesh.points[unsigned(mesh.vertices[first + k])];
            glVertex3d(p.x, p.y, p.z);
        }
        glEnd();
    }
}

void setUpHeadlight()
{
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const GLfloat towardsEye[] = {0.0f, 0.0f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, towardsEye);
    glPopMatrix();
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_NORMALIZE);
    glShadeModel(GL_FLAT);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
}

void drawMesh(graph::Node& node, bool shaded)
{
    MDagPath path;
    Polygons mesh;
    if (!MDagPath::getAPathTo(node.handle(), path) || !readMesh(path, mesh))
        return;
    MColor color;
    const bool selected = Selection::isSelected(node);
    ColorTables::colorAt(selected ? ColorPalette::Active : ColorPalette::Dormant,
                         selected ? kActiveMeshColor : kDormantMeshColor, color);
    glColor3f(color.r, color.g, color.b);
    const MMatrix placement = path.inclusiveMatrix();
    glPushMatrix();
    glMultMatrixd(&placement.matrix[0][0]);
    drawFaces(mesh, shaded);
    glPopMatrix();
}

} // namespace

void GeometryPreview::drawMeshes(const View3d& view)
{
    const bool shaded = view.displayStyle() == M3dView::kFlatShaded || view.displayStyle() == M3dView::kGouraudShaded;
    glPushAttrib(GL_ENABLE_BIT | GL_LIGHTING_BIT | GL_CURRENT_BIT);
    if (shaded)
        setUpHeadlight();
    glMatrixMode(GL_MODELVIEW);
    for (const auto& node : graph::Scene::instance().nodes())
        if (node->hasFn(MFn::kMesh) && DrawableShapes::isDrawable(*node))
            drawMesh(*node, shaded);
    glPopAttrib();
}

} // namespace kavo::host::view
