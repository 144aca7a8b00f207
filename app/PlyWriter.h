#pragma once

// Writes particle positions as an ASCII PLY point cloud: one vertex element
// of double x, y, z per particle, in particle order, with 17 significant
// digits so the positions read back exactly.

#include <maya/MObject.h>

#include <ostream>

namespace kavo::app {

class PlyWriter
{
public:
    // False when the data holds no vector array.
    static bool write(const MObject& data, std::ostream& out);
};

} // namespace kavo::app
