// Any bytes as a weights file: refused with a usage error, or weights that
// are all finite and fit the single precision they are stored in.

#include "AppError.h"
#include "WeightsFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        for (double weight : kavo::app::WeightsFile::parse(text, "fuzz.txt"))
            if (!std::isfinite(weight) || std::abs(weight) > std::numeric_limits<float>::max())
                std::abort();
    } catch (const kavo::app::AppError& error) {
        if (error.exitCode() != kavo::app::AppError::kUsageExitCode)
            std::abort();
    }
    return 0;
}
