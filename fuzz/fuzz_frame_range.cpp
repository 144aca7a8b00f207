// Any text as --frame or --frames, and as an output name: a frame or range
// is refused with a usage error or gives frames in ascending order within
// the limits, and every frame expands a name to a distinct file name.

#include "AppError.h"
#include "FrameRange.h"

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

namespace {

using kavo::app::AppError;
using kavo::app::FrameRange;

constexpr long long kFrameLimit = 1'000'000'000;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkFrames(const FrameRange& range)
{
    const std::vector<long long> frames = range.frames();
    require(!frames.empty());
    for (size_t k = 0; k < frames.size(); ++k) {
        require(frames[k] >= -kFrameLimit && frames[k] <= kFrameLimit);
        require(k == 0 || frames[k] > frames[k - 1]);
    }
}

// Different frames never share a file when the name has a placeholder.
void checkNames(const std::string& pattern)
{
    if (!FrameRange::hasFramePlaceholder(pattern))
        return;
    std::set<std::string> names;
    for (long long frame : {-kFrameLimit, -10LL, -1LL, 0LL, 1LL, 10LL, kFrameLimit})
        require(names.insert(FrameRange::expand(pattern, frame)).second);
}

template <typename Parse>
void tryParse(Parse parse)
{
    try {
        checkFrames(parse());
    } catch (const AppError& error) {
        require(error.exitCode() == AppError::kUsageExitCode);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    tryParse([&] { return FrameRange::parse(text); });
    tryParse([&] { return FrameRange::parseSingle(text); });
    if (size < 256)
        checkNames(text);
    return 0;
}
