#pragma once

// The dependency graph's classes, declared for headers that only pass them
// by reference or pointer.

namespace kavo::host::graph {

class Attribute;
class Node;
class NodeType;
class Object;
class Plugin;
class Slot;
struct PlugPath;

} // namespace kavo::host::graph
