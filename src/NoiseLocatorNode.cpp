#include "NoiseLocatorNode.h"

#include "MAYA_General.h"

#include <maya/MDGContext.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MGL.h>
#include <maya/MPoint.h>

#include <cstddef>
#include <iostream>

// The handle's drawing, in its own space: the corners of the unit cube
// centred on the origin and its twelve edges (top face, bottom face, then the
// four joining them), and the ends of the three axes with one edge per axis.
static const double fsVertexCubeList[8][3] = {
    {0.5, 0.5, 0.5},  {-0.5, 0.5, 0.5},  {-0.5, 0.5, -0.5},  {0.5, 0.5, -0.5},
    {0.5, -0.5, 0.5}, {-0.5, -0.5, 0.5}, {-0.5, -0.5, -0.5}, {0.5, -0.5, -0.5},
};

static const int fsEdgeCubeLoop[12][2] = {
    {0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6}, {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7},
};

static const double fsVertexCrossList[6][3] = {
    {0.5, 0.0, 0.0}, {-0.5, 0.0, 0.0}, {0.0, 0.5, 0.0}, {0.0, -0.5, 0.0}, {0.0, 0.0, 0.5}, {0.0, 0.0, -0.5},
};

static const int fsEdgeCrossLoop[3][2] = {{0, 1}, {2, 3}, {4, 5}};

// The entry of the host's colour tables the handle is drawn with.
static const unsigned int kHandleColorIndex = 13;

MTypeId NoiseLocatorNode::m_id(0x114F61);

MObject NoiseLocatorNode::m_aEnableTransparencySort;
MObject NoiseLocatorNode::m_aEnableDrawLast;
MObject NoiseLocatorNode::m_noiseBoundingBox;

namespace {

template <std::size_t EdgeCount, std::size_t VertexCount>
void sendEdges(const int (&edges)[EdgeCount][2], const double (&vertices)[VertexCount][3])
{
    for (const auto& edge : edges) {
        const double* from = vertices[edge[0]];
        const double* to = vertices[edge[1]];
        glVertex3d(from[0], from[1], from[2]);
        glVertex3d(to[0], to[1], to[2]);
    }
}

// The boolean attribute's value on the node, or `fallback` when it cannot be
// read.
bool booleanValue(const MObject& node, const MObject& attribute, bool fallback)
{
    MPlug plug(node, attribute);
    bool value = fallback;
    if (!plug.getValue(value, MDGContext::fsNormal))
        value = fallback;
    return value;
}

} // namespace

NoiseLocatorNode::NoiseLocatorNode() = default;

NoiseLocatorNode::~NoiseLocatorNode() = default;

void* NoiseLocatorNode::creator()
{
    return new NoiseLocatorNode();
}

MStatus NoiseLocatorNode::initialize()
{
    MStatus status = MStatus::kSuccess;
    MFnNumericAttribute numeric;

    m_aEnableTransparencySort = numeric.create("transparencySort", "ts", MFnNumericData::kBoolean, 1.0, &status);
    kavo::McheckErr(status,
                    "ERROR NoiseLocatorNode initialize; failed to create enable transparency sort attribute.\n");
    numeric.setKeyable(true);
    numeric.setReadable(true);
    numeric.setWritable(true);
    numeric.setStorable(true);
    numeric.setConnectable(true);
    status = addAttribute(m_aEnableTransparencySort);
    kavo::McheckErr(status, "ERROR NoiseLocatorNode initialize; failed to add enable transparency sort attribute.\n");

    m_aEnableDrawLast = numeric.create("drawLast", "dL", MFnNumericData::kBoolean, 0.0, &status);
    kavo::McheckErr(status, "ERROR NoiseLocatorNode initialize; failed to create enable draw last attribute.\n");
    numeric.setKeyable(true);
    numeric.setReadable(true);
    numeric.setWritable(true);
    numeric.setStorable(true);
    status = addAttribute(m_aEnableDrawLast);
    kavo::McheckErr(status, "ERROR NoiseLocatorNode initialize; failed to add enable draw last attribute.\n");

    m_noiseBoundingBox = numeric.create(m_nameBoundingBox, m_snameBoundingBox, MFnNumericData::kBoolean,
                                        m_defBoundingBox ? 1.0 : 0.0, &status);
    kavo::McheckErr(status, "ERROR NoiseLocatorNode initialize; failed to create bounding box attribute.\n");
    numeric.setStorable(true);
    numeric.setConnectable(true);
    numeric.setReadable(true);
    numeric.setWritable(true);
    status = addAttribute(m_noiseBoundingBox);
    kavo::McheckErr(status, "ERROR NoiseLocatorNode initialize; failed to add bounding box attribute.\n");

    return MStatus::kSuccess;
}

// The handle lives only as long as something uses it.
void NoiseLocatorNode::postConstructor()
{
    if (!setExistWithoutInConnections(false)) {
        std::cerr << "ERROR initializing NoiseLocatorNode; failed to setExistWithoutInConnections.\n";
        return;
    }
    if (!setExistWithoutOutConnections(false))
        std::cerr << "ERROR initializing NoiseLocatorNode; failed to setExistWithoutOutConnections.\n";
}

MStatus NoiseLocatorNode::compute(const MPlug&, MDataBlock&)
{
    return MStatus::kUnknownParameter;
}

void NoiseLocatorNode::draw(M3dView& view, const MDagPath&, M3dView::DisplayStyle, M3dView::DisplayStatus status)
{
    const bool cube = booleanValue(thisMObject(), m_noiseBoundingBox, m_defBoundingBox);
    view.beginGL();
    drawEdgeLoop(view, status, cube);
    view.endGL();
}

void NoiseLocatorNode::drawEdgeLoop(M3dView& view, M3dView::DisplayStatus status, bool cube)
{
    glPushAttrib(GL_CURRENT_BIT);
    // Every other status draws from the dormant table (value 2), as released
    // versions of the plug-in do, so a scene's handles keep their colour.
    const M3dView::ColorTable table = status == M3dView::kActive ? M3dView::kActiveColors : M3dView::kDormantColors;
    view.setDrawColor(kHandleColorIndex, table);
    glBegin(GL_LINES);
    if (cube)
        sendEdges(fsEdgeCubeLoop, fsVertexCubeList);
    else
        sendEdges(fsEdgeCrossLoop, fsVertexCrossList);
    glEnd();
    glPopAttrib();
}

bool NoiseLocatorNode::isBounded() const
{
    return true;
}

MBoundingBox NoiseLocatorNode::boundingBox() const
{
    MBoundingBox box;
    for (const auto& corner : fsVertexCubeList)
        box.expand(MPoint(corner[0], corner[1], corner[2], 1.0));
    return box;
}

// Both answers fall back on the attribute's default when it cannot be read.
bool NoiseLocatorNode::isTransparent() const
{
    return booleanValue(thisMObject(), m_aEnableTransparencySort, true);
}

bool NoiseLocatorNode::drawLast() const
{
    return booleanValue(thisMObject(), m_aEnableDrawLast, false);
}
