#include "view/ColorTables.h"

#include <maya/MPxLocatorNode.h>

using kavo::host::view::ColorPalette;
using kavo::host::view::ColorTables;

namespace {

// Locators are drawn in blue: the deep blue of the dormant table, its light
// tint when selected.
constexpr unsigned int kLocatorColorIndex = 13;

ColorPalette paletteFor(M3dView::DisplayStatus status)
{
    switch (status) {
    case M3dView::kActive:
    case M3dView::kLead:
    case M3dView::kHilite: return ColorPalette::Active;
    case M3dView::kTemplate:
    case M3dView::kActiveTemplate: return ColorPalette::Template;
    default: return ColorPalette::Dormant;
    }
}

} // namespace

MObject MPxLocatorNode::localPosition;
MObject MPxLocatorNode::localPositionX;
MObject MPxLocatorNode::localPositionY;
MObject MPxLocatorNode::localPositionZ;
MObject MPxLocatorNode::worldPosition;
MObject MPxLocatorNode::worldPositionX;
MObject MPxLocatorNode::worldPositionY;
MObject MPxLocatorNode::worldPositionZ;
MObject MPxLocatorNode::localScale;
MObject MPxLocatorNode::localScaleX;
MObject MPxLocatorNode::localScaleY;
MObject MPxLocatorNode::localScaleZ;
MObject MPxLocatorNode::worldMatrix;
MObject MPxLocatorNode::visibility;

MPxLocatorNode::MPxLocatorNode() = default;
MPxLocatorNode::~MPxLocatorNode() = default;

MPxNode::Type MPxLocatorNode::type() const
{
    return kLocatorNode;
}

void MPxLocatorNode::draw(M3dView&, const MDagPath&, M3dView::DisplayStyle, M3dView::DisplayStatus) {}

bool MPxLocatorNode::isBounded() const
{
    return false;
}

MBoundingBox MPxLocatorNode::boundingBox() const
{
    return MBoundingBox();
}

bool MPxLocatorNode::isTransparent() const
{
    return false;
}

bool MPxLocatorNode::drawLast() const
{
    return false;
}

bool MPxLocatorNode::excludeAsLocator() const
{
    return false;
}

unsigned int MPxLocatorNode::color(M3dView::DisplayStatus)
{
    return kLocatorColorIndex;
}

MColor MPxLocatorNode::colorRGB(M3dView::DisplayStatus status)
{
    MColor rgb;
    ColorTables::colorAt(paletteFor(status), color(status), rgb);
    return rgb;
}
