#pragma once

// A file of painted weights: numbers separated by blanks or line breaks,
// '#' starting a comment, one weight per point, the points of every input
// one after another in input order and in the host's point order within
// each (vertex ids, CVs, particles).

#include <string>
#include <vector>

namespace kavo::app {

class WeightsFile
{
public:
    // An AppError (usage) naming the file and line of anything that is not a
    // number.
    static std::vector<double> read(const std::string& path);
};

} // namespace kavo::app
