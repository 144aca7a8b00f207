#pragma once

// A file of painted weights: numbers separated by blanks or line breaks,
// '#' starting a comment, one weight per point, the points of every input
// one after another in input order and in the host's point order within
// each (vertex ids, CVs, particles).

#include <string>
#include <string_view>
#include <vector>

namespace kavo::app {

class WeightsFile
{
public:
    // An AppError (usage) for a file that is not a readable regular file
    // within the size limit, and one naming the file and line of anything
    // that is not a number.
    static std::vector<double> read(const std::string& path);

    // The same for the file's text; `name` is the file named in messages.
    // Every weight returned is finite and within single precision.
    static std::vector<double> parse(std::string_view text, const std::string& name);
};

} // namespace kavo::app
