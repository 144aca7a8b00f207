#include "WeightsFile.h"

#include "AppError.h"
#include "NumberText.h"

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>

namespace kavo::app {

std::vector<double> WeightsFile::read(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
        throw AppError::usage("cannot read the weights file \"" + path + "\"");
    std::vector<double> weights;
    size_t number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        std::istringstream words(line.substr(0, line.find('#')));
        for (std::string word; words >> word;) {
            // Weights are stored in single precision.
            const std::optional<double> weight = NumberText::real(word);
            if (!weight || std::abs(*weight) > std::numeric_limits<float>::max())
                throw AppError::usage(path + ":" + std::to_string(number) + ": \"" + word + "\" is not a weight");
            weights.push_back(*weight);
        }
    }
    if (file.bad())
        throw AppError::usage("cannot read the weights file \"" + path + "\"");
    return weights;
}

} // namespace kavo::app
