#include "PointCacheReader.h"

#include "AppError.h"
#include "CacheBytes.h"
#include "GeometryCacheReader.h"
#include "InputFile.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

namespace kavo::app {

namespace {

using cachebytes::Order;

const InputFile::Kind kCacheFile = {"point cache", std::uintmax_t(1) << 42};

std::string extensionOf(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

std::string frameText(long long frame)
{
    return "frame " + std::to_string(frame);
}

// The .pc2 and .mdd caches: float32 points frame after frame, after a
// header that gives the point count and the time of every sample.
class SampledPointCache : public PointCacheReader
{
public:
    SampledPointCache(std::unique_ptr<std::istream> stream, std::uint64_t size, std::string name, Order order)
        : m_stream(std::move(stream))
        , m_size(size)
        , m_name(std::move(name))
        , m_order(order)
    {
    }

    std::vector<std::string> files() const override { return {m_name}; }
    std::uint64_t pointCount() const override { return m_points; }

    void checkFrames(const std::vector<long long>& frames) override
    {
        for (long long frame : frames)
            if (sampleAt(frame) < 0)
                fail("has no sample at " + frameText(frame) + " (it holds " + rangeText() + ")");
    }

    void read(long long frame, std::vector<double>& xyz) override
    {
        const long long sample = sampleAt(frame);
        const std::uint64_t bytes = 12 * m_points;
        std::vector<char> data;
        readAt(m_dataOffset + std::uint64_t(sample) * bytes, bytes, data);
        xyz.resize(3 * m_points);
        for (size_t k = 0; k < xyz.size(); ++k) {
            xyz[k] = cachebytes::getFloat(&data[4 * k], m_order);
            if (!std::isfinite(xyz[k]))
                fail("point " + std::to_string(k / 3) + " at " + frameText(frame) + " is not a finite number");
        }
    }

protected:
    [[noreturn]] void fail(const std::string& problem) const { throw AppError::usage("\"" + m_name + "\" " + problem); }

    void readAt(std::uint64_t offset, std::uint64_t bytes, std::vector<char>& data)
    {
        if (offset > m_size || bytes > m_size - offset)
            fail("is too short: " + std::to_string(m_size) + " bytes");
        data.resize(static_cast<size_t>(bytes));
        m_stream->clear();
        m_stream->seekg(static_cast<std::streamoff>(offset));
        m_stream->read(data.data(), static_cast<std::streamsize>(bytes));
        if (!*m_stream)
            fail("could not be read");
    }

    // The header's counts against the file's size, once the header has given
    // them.
    void checkCounts(std::int32_t points, std::int32_t samples, std::uint64_t dataOffset)
    {
        if (points < 0 || std::uint64_t(points) > kLargestPointCount)
            fail("gives " + std::to_string(points) + " points; a cache may hold 0 to " +
                 std::to_string(kLargestPointCount));
        if (samples < 1)
            fail("gives " + std::to_string(samples) + " frames; it needs at least one");
        m_points = std::uint64_t(points);
        m_samples = samples;
        m_dataOffset = dataOffset;
        const std::uint64_t expected = dataOffset + std::uint64_t(samples) * 12 * m_points;
        if (m_size != expected)
            fail("is " + std::to_string(m_size) + " bytes, but its header (" + std::to_string(points) + " points, " +
                 std::to_string(samples) + " frames) makes it " + std::to_string(expected));
    }

    // The sample at the frame, or -1.
    virtual long long sampleAt(long long frame) const = 0;
    virtual std::string rangeText() const = 0;

    std::uint64_t m_points = 0;
    std::int32_t m_samples = 0;

private:
    std::unique_ptr<std::istream> m_stream;
    std::uint64_t m_size;
    std::string m_name;
    Order m_order;
    std::uint64_t m_dataOffset = 0;
};

// "POINTCACHE2\0", then little-endian: int32 version (1), int32 point count,
// float32 first frame, float32 frames between samples, int32 sample count.
class Pc2Reader : public SampledPointCache
{
public:
    Pc2Reader(std::unique_ptr<std::istream> stream, std::uint64_t size, const std::string& name)
        : SampledPointCache(std::move(stream), size, name, Order::Little)
    {
        std::vector<char> header;
        readAt(0, kHeaderSize, header);
        if (std::string(header.data(), 12) != std::string("POINTCACHE2", 12))
            fail("is no .pc2 cache: it does not start with POINTCACHE2");
        const std::int32_t version = cachebytes::getInt32(&header[12], Order::Little);
        if (version != 1)
            fail("has version " + std::to_string(version) + "; only version 1 is read");
        m_start = cachebytes::getFloat(&header[20], Order::Little);
        m_step = cachebytes::getFloat(&header[24], Order::Little);
        if (!std::isfinite(m_start) || !std::isfinite(m_step) || m_step <= 0.0f)
            fail("gives its first frame as " + std::to_string(m_start) + " and its step as " + std::to_string(m_step) +
                 ": both must be finite and the step above 0");
        checkCounts(cachebytes::getInt32(&header[16], Order::Little), cachebytes::getInt32(&header[28], Order::Little),
                    kHeaderSize);
    }

private:
    static constexpr std::uint64_t kHeaderSize = 32;

    long long sampleAt(long long frame) const override
    {
        const double place = (static_cast<double>(frame) - m_start) / m_step;
        const double nearest = std::round(place);
        if (std::fabs(place - nearest) * m_step > kTolerance || nearest < 0 || nearest >= m_samples)
            return -1;
        return static_cast<long long>(nearest);
    }

    std::string rangeText() const override
    {
        return std::to_string(m_samples) + " frame(s) from " + std::to_string(m_start) + " every " +
               std::to_string(m_step);
    }

    // How far, in frames, a sample may be from a frame and still be its.
    static constexpr double kTolerance = 1e-3;

    double m_start = 0.0;
    double m_step = 1.0;
};

// Big-endian: int32 frame count, int32 point count, float32 time of every
// frame in seconds, then the frames.
class MddReader : public SampledPointCache
{
public:
    MddReader(std::unique_ptr<std::istream> stream, std::uint64_t size, const std::string& name)
        : SampledPointCache(std::move(stream), size, name, Order::Big)
    {
        std::vector<char> header;
        readAt(0, 8, header);
        const std::int32_t samples = cachebytes::getInt32(&header[0], Order::Big);
        const std::int32_t points = cachebytes::getInt32(&header[4], Order::Big);
        if (samples < 1)
            fail("gives " + std::to_string(samples) + " frames; it needs at least one");
        checkCounts(points, samples, 8 + 4 * std::uint64_t(samples));
        readAt(8, 4 * std::uint64_t(samples), header);
        for (std::int32_t k = 0; k < samples; ++k) {
            m_times.push_back(cachebytes::getFloat(&header[4 * size_t(k)], Order::Big));
            if (!std::isfinite(m_times.back()))
                fail("gives the time of frame " + std::to_string(k + 1) + " as " + std::to_string(m_times.back()));
        }
    }

private:
    long long sampleAt(long long frame) const override
    {
        for (size_t k = 0; k < m_times.size(); ++k)
            if (std::fabs(static_cast<double>(m_times[k]) * 24.0 - static_cast<double>(frame)) <= kTolerance)
                return static_cast<long long>(k);
        return -1;
    }

    std::string rangeText() const override
    {
        return std::to_string(m_times.size()) + " frame(s) from " + std::to_string(m_times.front()) + " s to " +
               std::to_string(m_times.back()) + " s";
    }

    // How far, in frames, a sample may be from a frame and still be its:
    // float32 seconds keep frames to within 0.01 up to about 200,000.
    static constexpr double kTolerance = 1e-2;

    std::vector<float> m_times;
};

} // namespace

bool PointCacheReader::isCacheName(const std::string& path)
{
    const std::string extension = extensionOf(path);
    return extension == ".xml" || extension == ".pc2" || extension == ".mdd";
}

std::unique_ptr<PointCacheReader> PointCacheReader::open(const std::string& path)
{
    if (!isCacheName(path))
        throw AppError::usage("cannot read \"" + path + "\": input caches are .xml, .pc2 or .mdd files");
    InputFile::check(path, kCacheFile);
    if (extensionOf(path) == ".xml")
        return std::make_unique<GeometryCacheReader>(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    auto stream = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (error || !*stream)
        throw AppError::usage("cannot read \"" + path + "\"");
    return fromStream(std::move(stream), size, path);
}

std::unique_ptr<PointCacheReader> PointCacheReader::fromStream(std::unique_ptr<std::istream> stream, std::uint64_t size,
                                                               const std::string& name)
{
    if (extensionOf(name) == ".pc2")
        return std::make_unique<Pc2Reader>(std::move(stream), size, name);
    return std::make_unique<MddReader>(std::move(stream), size, name);
}

} // namespace kavo::app
