// Any bytes as the XML description of a geometry cache: refused with a
// usage error, or a description the reader can follow (a positive time per
// frame and sampling rate, an end no earlier than the start).

#include "AppError.h"
#include "GeometryCacheReader.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    using kavo::app::AppError;
    try {
        const auto description = kavo::app::GeometryCacheDescription::parse(
            std::string(reinterpret_cast<const char*>(data), size), "fuzz.xml");
        if (description.ticksPerFrame <= 0 || (description.regular && description.samplingRate <= 0) ||
            description.endTime < description.startTime)
            std::abort();
    } catch (const AppError& error) {
        if (error.exitCode() != AppError::kUsageExitCode)
            std::abort();
    }
    return 0;
}
