// Any bytes as a geometry cache data file: refused with a usage error, or
// samples of the channel "planeShape" whose values all lie inside the file.
// The first byte chooses what the description says: bit 0 set for .mcc
// (32-bit sizes) rather than .mcx, bit 1 for float rather than double
// vectors.

#include "AppError.h"
#include "GeometryCacheReader.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    using kavo::app::AppError;
    if (size == 0)
        return 0;
    kavo::app::GeometryCacheDescription description;
    description.wideSizes = (data[0] & 1) == 0;
    description.doubles = (data[0] & 2) == 0;
    description.channel = "planeShape";
    const std::uint64_t bytes = size - 1;
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data) + 1, bytes));
    try {
        const kavo::app::GeometryCacheData cache(stream, bytes, "fuzz.mcx", description);
        for (const auto& [time, sample] : cache.samples())
            if (sample.offset > bytes || sample.points * 3 * (description.doubles ? 8 : 4) > bytes - sample.offset)
                std::abort();
    } catch (const AppError& error) {
        if (error.exitCode() != AppError::kUsageExitCode)
            std::abort();
    }
    return 0;
}
