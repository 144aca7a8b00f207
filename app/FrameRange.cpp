#include "FrameRange.h"

#include "AppError.h"
#include "NumberText.h"

#include <cstdlib>
#include <optional>

namespace kavo::app {

namespace {

// Frames beyond this are surely a typing mistake, and keep the arithmetic
// below far from overflowing.
constexpr long long kFrameLimit = 1'000'000'000;
constexpr long long kMostFrames = 1'000'000;

std::vector<std::string> splitColons(const std::string& text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t colon; (colon = text.find(':', start)) != std::string::npos; start = colon + 1)
        parts.push_back(text.substr(start, colon - start));
    parts.push_back(text.substr(start));
    return parts;
}

AppError badRange(const std::string& text, const std::string& why)
{
    return AppError::usage("bad frame range \"" + text + "\": " + why + " (expected FIRST:LAST or FIRST:LAST:STEP)");
}

} // namespace

FrameRange FrameRange::single(long long frame)
{
    if (std::llabs(frame) > kFrameLimit)
        throw AppError::usage("frame " + std::to_string(frame) + " is out of range");
    return FrameRange(frame, frame, 1);
}

FrameRange FrameRange::parseSingle(const std::string& text)
{
    const std::optional<long long> frame = NumberText::integer(text);
    if (!frame || std::llabs(*frame) > kFrameLimit)
        throw AppError::usage("bad frame \"" + text + "\": expected a whole number from " +
                              std::to_string(-kFrameLimit) + " to " + std::to_string(kFrameLimit));
    return single(*frame);
}

FrameRange FrameRange::parse(const std::string& text)
{
    const std::vector<std::string> parts = splitColons(text);
    if (parts.size() < 2 || parts.size() > 3)
        throw badRange(text, "wrong number of fields");
    long long values[3] = {0, 0, 1};
    for (size_t k = 0; k < parts.size(); ++k) {
        const std::optional<long long> value = NumberText::integer(parts[k]);
        if (!value)
            throw badRange(text, parts[k].empty() ? "a field is empty" : "\"" + parts[k] + "\" is not a whole number");
        if (std::llabs(*value) > kFrameLimit)
            throw badRange(text, "\"" + parts[k] + "\" is out of range (frames go from " +
                                     std::to_string(-kFrameLimit) + " to " + std::to_string(kFrameLimit) + ")");
        values[k] = *value;
    }
    if (values[0] > values[1])
        throw badRange(text, "the first frame comes after the last");
    if (values[2] <= 0)
        throw badRange(text, "the step must be positive");
    if ((values[1] - values[0]) / values[2] >= kMostFrames)
        throw badRange(text, "more than " + std::to_string(kMostFrames) + " frames in one run");
    return FrameRange(values[0], values[1], values[2]);
}

std::vector<long long> FrameRange::frames() const
{
    std::vector<long long> frames;
    for (long long frame = m_first; frame <= m_last; frame += m_step)
        frames.push_back(frame);
    return frames;
}

bool FrameRange::hasFramePlaceholder(const std::string& pattern)
{
    return pattern.find('#') != std::string::npos;
}

std::string FrameRange::expand(const std::string& pattern, long long frame)
{
    const std::string digits = std::to_string(std::llabs(frame));
    std::string name;
    for (size_t k = 0; k < pattern.size();) {
        if (pattern[k] != '#') {
            name += pattern[k++];
            continue;
        }
        const size_t runEnd = pattern.find_first_not_of('#', k);
        const size_t width = (runEnd == std::string::npos ? pattern.size() : runEnd) - k;
        if (frame < 0)
            name += '-';
        name += std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
        k += width;
    }
    return name;
}

} // namespace kavo::app
