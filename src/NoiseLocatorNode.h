#pragma once

#include <maya/M3dView.h>
#include <maya/MBoundingBox.h>
#include <maya/MDagPath.h>
#include <maya/MDataBlock.h>
#include <maya/MObject.h>
#include <maya/MPlug.h>
#include <maya/MPxLocatorNode.h>
#include <maya/MStatus.h>
#include <maya/MTypeId.h>

// The noise handle: a locator whose world matrix places the noise deformer's
// field and region. It computes nothing; it draws either a wire cube of edge
// 1 centred on its origin (the region) or a three-axis cross of the same
// extent, and always reports that cube as its bounding box.
class NoiseLocatorNode : public MPxLocatorNode
{
public:
    NoiseLocatorNode();
    virtual ~NoiseLocatorNode();

    virtual void postConstructor();
    // Answers kUnknownParameter for every plug: the node has no outputs.
    virtual MStatus compute(const MPlug& plug, MDataBlock& data);
    virtual void draw(M3dView& view, const MDagPath& path, M3dView::DisplayStyle style, M3dView::DisplayStatus status);
    virtual bool isBounded() const;
    virtual MBoundingBox boundingBox() const;
    virtual bool isTransparent() const;
    virtual bool drawLast() const;

    // Draws the cube (cube true) or the cross as separate line segments, in
    // the active colours when the status is M3dView::kActive and in the
    // dormant colours for every other status.
    virtual void drawEdgeLoop(M3dView& view, M3dView::DisplayStatus status, bool cube);

    static void* creator();
    static MStatus initialize();

    static MTypeId m_id;

    static MObject m_aEnableTransparencySort;
    static MObject m_aEnableDrawLast;
    static MObject m_noiseBoundingBox;

    static constexpr const char* m_nameBoundingBox = "noiseBoundingBox";
    static constexpr const char* m_snameBoundingBox = "noisebbox";
    static constexpr bool m_defBoundingBox = false;
};
