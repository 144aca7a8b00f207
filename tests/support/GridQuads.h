#pragma once

#include <maya/MIntArray.h>

namespace kavo::test {

// The faces of a grid of columns x rows vertices numbered row by row: one
// quad per cell, its corners in the order the grid meshes of the tests use.
inline void gridQuads(int columns, int rows, MIntArray& counts, MIntArray& connects)
{
    for (int row = 0; row + 1 < rows; ++row)
        for (int column = 0; column + 1 < columns; ++column) {
            counts.append(4);
            const int corner = row * columns + column;
            for (int id : {corner, corner + columns, corner + columns + 1, corner + 1})
                connects.append(id);
        }
}

} // namespace kavo::test
