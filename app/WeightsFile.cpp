#include "WeightsFile.h"

#include "AppError.h"
#include "InputFile.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kavo::app {

namespace {

// Words are separated by any whitespace, line breaks of every convention
// included: a weight is a weight whichever way the lines end.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::vector<double> WeightsFile::read(const std::string& path)
{
    return parse(InputFile::read(path, InputFile::kWeights), path);
}

std::vector<double> WeightsFile::parse(std::string_view text, const std::string& name)
{
    std::vector<double> weights;
    size_t number = 0;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, std::min(end, text.find('#')));
        text.remove_prefix(std::min(end + 1, text.size()));
        ++number;
        while (!line.empty()) {
            const auto wordEnd = std::find_if(line.begin(), line.end(), isBlank);
            const std::string_view word = line.substr(0, static_cast<size_t>(wordEnd - line.begin()));
            line.remove_prefix(std::min(word.size() + 1, line.size()));
            if (word.empty())
                continue;
            // Weights are stored in single precision.
            const std::optional<double> weight = NumberText::real(word);
            if (!weight || std::abs(*weight) > std::numeric_limits<float>::max())
                throw AppError::usage(name + ":" + std::to_string(number) + ": \"" + std::string(word) +
                                      "\" is not a weight");
            weights.push_back(*weight);
        }
    }
    return weights;
}

} // namespace kavo::app
