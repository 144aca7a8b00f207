#include "graph/AttributeCallbacks.h"
#include "graph/Faults.h"
#include "graph/Node.h"

#include <maya/MNodeMessage.h>

using kavo::host::graph::AttributeCallbacks;
using kavo::host::graph::Faults;
using kavo::host::graph::Node;
using kavo::host::graph::objectAs;

namespace {

MCallbackId failed(MStatus status, MStatus* ReturnStatus)
{
    if (ReturnStatus)
        *ReturnStatus = status;
    return 0;
}

} // namespace

MCallbackId MNodeMessage::addAttributeChangedCallback(MObject& node, MNodeMessage::MAttr2PlugFunction func,
                                                      void* clientData, MStatus* ReturnStatus)
{
    if (auto fault = Faults::check("addAttributeChangedCallback"))
        return failed(*fault, ReturnStatus);
    std::shared_ptr<Node> target = objectAs<Node>(node);
    if (!target || !func)
        return failed(MStatus::kInvalidParameter, ReturnStatus);
    if (ReturnStatus)
        *ReturnStatus = MStatus::kSuccess;
    return AttributeCallbacks::instance().add(target.get(), func, clientData);
}
