#include "PointCacheWriter.h"

#include "AppError.h"
#include "AtomicFile.h"
#include "CacheBytes.h"
#include "GeometryCacheWriter.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>

namespace kavo::app {

namespace {

using cachebytes::Order;

std::string extensionOf(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// The frames between two samples of an evenly spaced range.
long long stepOf(const CacheLayout& layout)
{
    return layout.range.size() > 1 ? layout.range[1] - layout.range[0] : 1;
}

// A single file of float32 points, frame after frame, after a header: the
// .pc2 and .mdd formats, which differ in their header and byte order.
class StreamedPointCache : public PointCacheWriter
{
public:
    StreamedPointCache(const std::string& target, const CacheLayout& layout, const std::string& header, Order order)
        : m_file(target)
        , m_order(order)
        , m_points(layout.points)
    {
        m_file.openByName([&](const std::string& path) { m_out.open(path, std::ios::binary); });
        m_out.write(header.data(), static_cast<std::streamsize>(header.size()));
        failIfBroken();
    }

    void writeFrame(long long, const FramePoints& points) override
    {
        m_buffer.resize(size_t(12) * kPointsPerPiece);
        for (unsigned int first = 0; first < m_points; first += kPointsPerPiece) {
            const unsigned int count = std::min(kPointsPerPiece, m_points - first);
            for (unsigned int k = 0; k < count; ++k) {
                const MPoint& point = points[first + k];
                cachebytes::putFloat(static_cast<float>(point.x), m_order, &m_buffer[12 * size_t(k)]);
                cachebytes::putFloat(static_cast<float>(point.y), m_order, &m_buffer[12 * size_t(k) + 4]);
                cachebytes::putFloat(static_cast<float>(point.z), m_order, &m_buffer[12 * size_t(k) + 8]);
            }
            m_out.write(m_buffer.data(), static_cast<std::streamsize>(12 * size_t(count)));
        }
        failIfBroken();
    }

    void commit() override
    {
        m_out.close();
        failIfBroken();
        m_file.commit();
    }

private:
    void failIfBroken() const
    {
        if (!m_out)
            throw AppError::evaluation("could not write \"" + m_file.target() + "\"");
    }

    AtomicFile m_file;
    std::ofstream m_out;
    Order m_order;
    unsigned int m_points;
    std::vector<char> m_buffer;
};

std::string pc2Header(const CacheLayout& layout)
{
    std::string header("POINTCACHE2", 12); // with its terminating zero
    cachebytes::appendInt32(header, 1, Order::Little);
    cachebytes::appendInt32(header, static_cast<std::int32_t>(layout.points), Order::Little);
    cachebytes::appendFloat(header, static_cast<float>(layout.range.front()), Order::Little);
    cachebytes::appendFloat(header, static_cast<float>(stepOf(layout)), Order::Little);
    cachebytes::appendInt32(header, static_cast<std::int32_t>(layout.range.size()), Order::Little);
    return header;
}

// Times in seconds at the scene's 24 frames per second.
std::string mddHeader(const CacheLayout& layout)
{
    std::string header;
    cachebytes::appendInt32(header, static_cast<std::int32_t>(layout.range.size()), Order::Big);
    cachebytes::appendInt32(header, static_cast<std::int32_t>(layout.points), Order::Big);
    for (long long frame : layout.range)
        cachebytes::appendFloat(header, static_cast<float>(static_cast<double>(frame) / 24.0), Order::Big);
    return header;
}

bool exactInFloat(long long value)
{
    return static_cast<long long>(static_cast<float>(value)) == value;
}

} // namespace

bool PointCacheWriter::isCacheName(const std::string& path)
{
    const std::string extension = extensionOf(path);
    return extension == ".xml" || extension == ".pc2" || extension == ".mdd";
}

bool PointCacheWriter::isGeometryCacheName(const std::string& path)
{
    return extensionOf(path) == ".xml";
}

std::vector<std::string> PointCacheWriter::filesOf(const std::string& target, const CacheLayout& layout)
{
    if (extensionOf(target) == ".xml")
        return GeometryCacheWriter::filesOf(target, layout);
    return {target};
}

void PointCacheWriter::check(const std::string& target, const CacheLayout& layout)
{
    if (extensionOf(target) == ".xml")
        return GeometryCacheWriter::check(target, layout);
    const std::string format = extensionOf(target);
    if (layout.written != layout.range)
        throw AppError::usage("\"" + target + "\": a " + format +
                              " cache holds the whole range in one file, which the tasks of a farm job cannot "
                              "share; write a per-frame geometry cache instead (.xml with --cache-per-frame)");
    if (layout.range.size() > std::numeric_limits<std::int32_t>::max() ||
        layout.points > std::numeric_limits<std::int32_t>::max())
        throw AppError::usage("\"" + target + "\": too many frames or points for a " + format + " cache");
    if (format == ".pc2" && (!exactInFloat(layout.range.front()) || !exactInFloat(stepOf(layout))))
        throw AppError::usage("\"" + target + "\": a .pc2 cache keeps its first frame and step as 32-bit reals, " +
                              "which cannot hold " + std::to_string(layout.range.front()) + " and " +
                              std::to_string(stepOf(layout)) + " exactly");
}

std::unique_ptr<PointCacheWriter> PointCacheWriter::open(const std::string& target, const CacheLayout& layout)
{
    check(target, layout);
    const std::string extension = extensionOf(target);
    if (extension == ".xml")
        return std::make_unique<GeometryCacheWriter>(target, layout);
    if (extension == ".pc2")
        return std::make_unique<StreamedPointCache>(target, layout, pc2Header(layout), Order::Little);
    return std::make_unique<StreamedPointCache>(target, layout, mddHeader(layout), Order::Big);
}

} // namespace kavo::app
