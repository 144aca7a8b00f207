#include "view/ActiveView.h"

namespace kavo::host::view {

std::weak_ptr<View3d>& ActiveView::current()
{
    static std::weak_ptr<View3d> view;
    return view;
}

void ActiveView::set(const std::shared_ptr<View3d>& view)
{
    current() = view;
}

void ActiveView::clear()
{
    current().reset();
}

std::shared_ptr<View3d> ActiveView::get()
{
    return current().lock();
}

} // namespace kavo::host::view
