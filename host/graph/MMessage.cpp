#include "graph/AttributeCallbacks.h"

#include <maya/MCallbackIdArray.h>
#include <maya/MMessage.h>

using kavo::host::graph::AttributeCallbacks;

MStatus MMessage::removeCallback(MCallbackId id)
{
    return AttributeCallbacks::instance().remove(id) ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

// Removes every callback it can; fails if any of the ids was unknown.
MStatus MMessage::removeCallbacks(MCallbackIdArray& ids)
{
    MStatus result;
    for (unsigned int k = 0; k < ids.length(); ++k)
        if (MStatus status = removeCallback(ids[k]); !status)
            result = status;
    return result;
}
