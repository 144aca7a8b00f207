#pragma once

// What the .pc2 and .mdd targets check of any bytes read as a cache: refused
// with a usage error, or a cache whose every frame it accepts reads as
// finite values, three per point.

#include "AppError.h"
#include "PointCacheReader.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace kavo::fuzz {

inline void readSampledCache(const std::uint8_t* data, size_t size, const char* name)
{
    using kavo::app::AppError;
    try {
        auto stream = std::make_unique<std::istringstream>(std::string(reinterpret_cast<const char*>(data), size));
        const auto cache = kavo::app::PointCacheReader::fromStream(std::move(stream), size, name);
        for (long long frame = -3; frame <= 3; ++frame) {
            try {
                cache->checkFrames({frame});
            } catch (const AppError& error) {
                if (error.exitCode() != AppError::kUsageExitCode)
                    std::abort();
                continue;
            }
            std::vector<double> xyz;
            cache->read(frame, xyz);
            if (xyz.size() != 3 * cache->pointCount())
                std::abort();
            for (double value : xyz)
                if (!std::isfinite(value))
                    std::abort();
        }
    } catch (const AppError& error) {
        if (error.exitCode() != AppError::kUsageExitCode)
            std::abort();
    }
}

} // namespace kavo::fuzz
