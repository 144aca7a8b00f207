#pragma once

#include "graph/ConnectionEdit.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MTypeId.h>

#include <optional>
#include <string>
#include <vector>

// Checks shared by the modifiers when they record an edit.
namespace kavo::host::graph {

// The plug `attribute` (with the array indices) of `node`, or nothing when
// either handle is null or the attribute is not one of the node's.
std::optional<PlugEnd> plugEndOf(const MObject& node, const MObject& attribute, std::vector<unsigned int> indices = {});

// The name of the node type with this id, empty when there is none.
std::string typeNameOf(const MTypeId& id);

// Hands back the status of a creation that did not happen.
MObject failedCreation(MStatus status, MStatus* ReturnStatus);

} // namespace kavo::host::graph
