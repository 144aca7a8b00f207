#pragma once

#include <maya/MColor.h>
#include <maya/MGL.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <memory>

class MDagPath;

namespace kavo::host::view {
class View3d;
}

// A handle on one of the host's 3-D views, for drawing into it with OpenGL
// between beginGL and endGL. A default-constructed handle, or one whose view
// has been closed since, refers to no view: its calls fail and draw nothing.
class OPENMAYAUI_EXPORT M3dView
{
public:
    enum DisplayStyle
    {
        kBoundingBox = 0,
        kFlatShaded = 1,
        kGouraudShaded = 2,
        kWireFrame = 3,
        kPoints = 4
    };

    enum DisplayStatus
    {
        kActive = 0,
        kLive = 1,
        kDormant = 2,
        kInvisible = 3,
        kHilite = 4,
        kTemplate = 5,
        kActiveTemplate = 6,
        kActiveComponent = 7,
        kLead = 8,
        kIntermediateObject = 9,
        kActiveAffected = 10,
        kNoStatus = 11
    };

    enum ColorTable
    {
        kActiveColors = kActive,
        kDormantColors = kDormant,
        kTemplateColor = kTemplate,
        kBackgroundColor
    };

    enum TextPosition
    {
        kLeft = 0,
        kCenter = 1,
        kRight = 2
    };

    M3dView();
    M3dView(const M3dView& other);
    virtual ~M3dView();
    M3dView& operator=(const M3dView& other);

    // The view the user works in. Fails with kFailure when the host has no
    // view, as in batch work; the handle returned then refers to no view.
    static M3dView active3dView(MStatus* ReturnStatus = NULL);

    // The DAG path of the camera shape the view looks through.
    MStatus getCamera(MDagPath& camera);

    // Makes the view's OpenGL context current for the calls that follow.
    MStatus beginGL();
    // Flushes what was drawn since beginGL.
    MStatus endGL();

    // Sets the OpenGL colour to entry `index` of a colour table. An index
    // beyond the table, or the background table, which has no entries,
    // gives kInvalidParameter and leaves the colour as it was.
    MStatus setDrawColor(unsigned int index, ColorTable table = kActiveColors);
    MStatus setDrawColor(const MColor& color);
    MStatus setDrawColorAndAlpha(const MColor& color);
    MColor colorAtIndex(unsigned int index, ColorTable table = kActiveColors, MStatus* ReturnStatus = NULL);

    DisplayStyle displayStyle(MStatus* ReturnStatus = NULL) const;
    int portWidth(MStatus* ReturnStatus = NULL);
    int portHeight(MStatus* ReturnStatus = NULL);

    // Host side only: a handle on the host's own view.
    explicit M3dView(const std::shared_ptr<kavo::host::view::View3d>& view);
    std::shared_ptr<kavo::host::view::View3d> hostView() const { return m_view.lock(); }

private:
    std::weak_ptr<kavo::host::view::View3d> m_view;
};
