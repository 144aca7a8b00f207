#pragma once

#include <maya/MStatus.h>

namespace kavo::host::geometry {

// Writes the outcome to an optional `MStatus* ReturnStatus` argument.
inline void setReturnStatus(MStatus* ReturnStatus, MStatus status)
{
    if (ReturnStatus)
        *ReturnStatus = status;
}

// Writes the outcome and hands back the value, for one-line returns.
template <class T>
T withStatus(MStatus* ReturnStatus, MStatus status, T value)
{
    setReturnStatus(ReturnStatus, status);
    return value;
}

} // namespace kavo::host::geometry
