#pragma once

#include "graph/GraphFwd.h"

#include <memory>

namespace kavo::host::graph {

// The node behind a raw pointer the scene hands out, shared.
std::shared_ptr<Node> sharedNode(Node& node);

// A node taken out of the scene has lost its behaviour object; before it
// comes back (an undone deletion, a redone creation) it gets a new one from
// its type's creator, followed by postConstructor, as at creation. Fails
// when the type is no longer registered: its plug-in may be gone.
bool reviveBehaviour(Node& node);

} // namespace kavo::host::graph
