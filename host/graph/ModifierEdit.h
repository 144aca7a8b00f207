#pragma once

#include <maya/MStatus.h>

namespace kavo::host::graph {

// One edit recorded in a modifier. Recording only checks what can be checked
// then; doIt changes the scene and undoIt puts back what doIt changed.
class ModifierEdit
{
public:
    virtual ~ModifierEdit() = default;

    virtual MStatus doIt() = 0;
    virtual MStatus undoIt() = 0;
};

} // namespace kavo::host::graph
