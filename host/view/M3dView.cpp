#include "view/ActiveView.h"
#include "view/ColorTables.h"
#include "view/View3d.h"

#include <maya/M3dView.h>
#include <maya/MDagPath.h>

using kavo::host::view::ActiveView;
using kavo::host::view::ColorPalette;
using kavo::host::view::ColorTables;
using kavo::host::view::View3d;

namespace {

template <class T>
T report(MStatus* ReturnStatus, MStatus status, T value)
{
    if (ReturnStatus)
        *ReturnStatus = status;
    return value;
}

MStatus lookUp(unsigned int index, M3dView::ColorTable table, MColor& color)
{
    switch (table) {
    case M3dView::kActiveColors: return ColorTables::colorAt(ColorPalette::Active, index, color);
    case M3dView::kDormantColors: return ColorTables::colorAt(ColorPalette::Dormant, index, color);
    case M3dView::kTemplateColor: return ColorTables::colorAt(ColorPalette::Template, index, color);
    case M3dView::kBackgroundColor: break;
    }
    return MStatus::kInvalidParameter;
}

} // namespace

M3dView::M3dView() = default;
M3dView::M3dView(const M3dView& other) = default;
M3dView::~M3dView() = default;
M3dView& M3dView::operator=(const M3dView& other) = default;

M3dView::M3dView(const std::shared_ptr<View3d>& view) : m_view(view) {}

M3dView M3dView::active3dView(MStatus* ReturnStatus)
{
    std::shared_ptr<View3d> view = ActiveView::get();
    return report(ReturnStatus, view ? MStatus::kSuccess : MStatus::kFailure, M3dView(view));
}

MStatus M3dView::getCamera(MDagPath& camera)
{
    std::shared_ptr<View3d> view = hostView();
    if (!view)
        return MStatus::kFailure;
    camera = view->cameraPath();
    return MStatus::kSuccess;
}

MStatus M3dView::beginGL()
{
    std::shared_ptr<View3d> view = hostView();
    return view ? view->makeCurrent() : MStatus(MStatus::kFailure);
}

MStatus M3dView::endGL()
{
    if (!hostView())
        return MStatus::kFailure;
    glFlush();
    return MStatus::kSuccess;
}

MStatus M3dView::setDrawColor(unsigned int index, ColorTable table)
{
    MStatus status;
    MColor color = colorAtIndex(index, table, &status);
    if (!status)
        return status;
    glColor3f(color.r, color.g, color.b);
    return MStatus::kSuccess;
}

MStatus M3dView::setDrawColor(const MColor& color)
{
    if (!hostView())
        return MStatus::kFailure;
    glColor3f(color.r, color.g, color.b);
    return MStatus::kSuccess;
}

MStatus M3dView::setDrawColorAndAlpha(const MColor& color)
{
    if (!hostView())
        return MStatus::kFailure;
    glColor4f(color.r, color.g, color.b, color.a);
    return MStatus::kSuccess;
}

MColor M3dView::colorAtIndex(unsigned int index, ColorTable table, MStatus* ReturnStatus)
{
    if (!hostView())
        return report(ReturnStatus, MStatus::kFailure, MColor());
    MColor color;
    MStatus status = lookUp(index, table, color);
    return report(ReturnStatus, status, color);
}

M3dView::DisplayStyle M3dView::displayStyle(MStatus* ReturnStatus) const
{
    std::shared_ptr<View3d> view = hostView();
    if (!view)
        return report(ReturnStatus, MStatus::kFailure, kWireFrame);
    return report(ReturnStatus, MStatus::kSuccess, view->displayStyle());
}

int M3dView::portWidth(MStatus* ReturnStatus)
{
    std::shared_ptr<View3d> view = hostView();
    return report(ReturnStatus, view ? MStatus::kSuccess : MStatus::kFailure, view ? view->width() : 0);
}

int M3dView::portHeight(MStatus* ReturnStatus)
{
    std::shared_ptr<View3d> view = hostView();
    return report(ReturnStatus, view ? MStatus::kSuccess : MStatus::kFailure, view ? view->height() : 0);
}
