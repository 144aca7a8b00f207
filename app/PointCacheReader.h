#pragma once

// Reads a point cache that animates an input (--input-cache): the host's
// geometry cache (.xml with its .mcx or .mcc data), .pc2 or .mdd, as their
// writers (see PointCacheWriter) and other packages write them.
//
// Opening reads and checks the file's whole structure, not its points:
// tags, sizes against the header and against the file, header values
// (finite, within the limits), so that a broken cache stops the run before
// anything is written. Every failure is an AppError (usage) that names the
// file and says what is wrong.

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace kavo::app {

class PointCacheReader
{
public:
    // The most points per frame a cache may hold.
    static constexpr std::uint64_t kLargestPointCount = 100'000'000;

    virtual ~PointCacheReader() = default;

    static bool isCacheName(const std::string& path);
    static std::unique_ptr<PointCacheReader> open(const std::string& path);

    // A .pc2 or .mdd cache (chosen by `name`'s extension) read from a stream
    // of `size` bytes; `name` is what messages call it.
    static std::unique_ptr<PointCacheReader> fromStream(std::unique_ptr<std::istream> stream, std::uint64_t size,
                                                        const std::string& name);

    // Every file the cache is read from.
    virtual std::vector<std::string> files() const = 0;
    virtual std::uint64_t pointCount() const = 0;

    // An AppError (usage) unless the cache has a sample at every frame,
    // frames being whole numbers of scene time at 24 frames per second.
    virtual void checkFrames(const std::vector<long long>& frames) = 0;

    // The points at a frame checkFrames accepted: x, y, z per point. An
    // AppError (usage) when the file cannot be read or a value is not finite.
    virtual void read(long long frame, std::vector<double>& xyz) = 0;
};

} // namespace kavo::app
