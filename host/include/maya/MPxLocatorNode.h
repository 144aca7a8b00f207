#pragma once

#include <maya/M3dView.h>
#include <maya/MBoundingBox.h>
#include <maya/MColor.h>
#include <maya/MObject.h>
#include <maya/MPxNode.h>
#include <maya/MTypes.h>

class MDagPath;

// The base of locator nodes: shapes that are drawn in the 3-D views but have
// no renderable surface. The host sets OpenGL's modelview to the locator's
// world placement and calls draw(); the locator draws in its own space.
class OPENMAYAUI_EXPORT MPxLocatorNode : public MPxNode
{
public:
    MPxLocatorNode();
    virtual ~MPxLocatorNode();
    virtual MPxNode::Type type() const;

    // Draws nothing unless overridden.
    virtual void draw(M3dView& view, const MDagPath& path, M3dView::DisplayStyle style, M3dView::DisplayStatus status);
    // Unbounded unless overridden: the host then cannot frame or cull it.
    virtual bool isBounded() const;
    // Empty unless overridden.
    virtual MBoundingBox boundingBox() const;
    virtual bool isTransparent() const;
    virtual bool drawLast() const;
    virtual bool excludeAsLocator() const;

    // The colour-table index the host draws locators with for a display
    // status, and that entry of the table the status selects as a colour.
    unsigned int color(M3dView::DisplayStatus status);
    MColor colorRGB(M3dView::DisplayStatus status);

    // The locator's offset in its own space, that offset in world space
    // (output), and its drawing scale.
    static MObject localPosition;
    static MObject localPositionX;
    static MObject localPositionY;
    static MObject localPositionZ;
    static MObject worldPosition;
    static MObject worldPositionX;
    static MObject worldPositionY;
    static MObject worldPositionZ;
    static MObject localScale;
    static MObject localScaleX;
    static MObject localScaleY;
    static MObject localScaleZ;
    // Inherited by every DAG node.
    static MObject worldMatrix;
    static MObject visibility;
};
