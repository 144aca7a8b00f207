#pragma once

// Which of the host's 3-D views the user works in. Batch work has none.
// The host only refers to the view: a view that is closed stops being active.

#include <memory>

namespace kavo::host::view {

class View3d;

class ActiveView
{
public:
    static void set(const std::shared_ptr<View3d>& view);
    static void clear();
    // The active view, or null when none is set or it has been closed.
    static std::shared_ptr<View3d> get();

private:
    static std::weak_ptr<View3d>& current();
};

} // namespace kavo::host::view
