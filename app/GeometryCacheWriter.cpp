#include "GeometryCacheWriter.h"

#include "AppError.h"
#include "CacheBytes.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace kavo::app {

namespace {

using cachebytes::Order;

constexpr std::uint64_t kLargestNarrowFile = (std::uint64_t(1) << 31) - 1;

// The IFF blocks of one of the two variants.
class Blocks
{
public:
    explicit Blocks(bool wide) : m_wide(wide) {}

    std::uint64_t alignment() const { return m_wide ? 8 : 4; }
    std::uint64_t padded(std::uint64_t size) const { return (size + alignment() - 1) / alignment() * alignment(); }
    // A whole block of `dataSize` bytes, header and padding included.
    std::uint64_t blockSize(std::uint64_t dataSize) const { return (m_wide ? 12 : 8) + padded(dataSize); }
    // A whole group whose blocks take `content` bytes.
    std::uint64_t groupSize(std::uint64_t content) const { return (m_wide ? 16 : 8) + 4 + content; }

    std::string groupHeader(const char* type, std::uint64_t content) const
    {
        std::string bytes = m_wide ? std::string("FOR8\0\0\0\0", 8) : std::string("FOR4");
        appendSize(bytes, 4 + content);
        return bytes + type;
    }
    // The header of a block whose data the caller writes, then pads.
    std::string blockHeader(const char* tag, std::uint64_t dataSize) const
    {
        std::string bytes(tag);
        appendSize(bytes, dataSize);
        return bytes;
    }
    std::string padding(std::uint64_t dataSize) const { return std::string(padded(dataSize) - dataSize, '\0'); }
    std::string block(const char* tag, const std::string& data) const
    {
        return blockHeader(tag, data.size()) + data + padding(data.size());
    }
    std::string int32Block(const char* tag, std::int32_t value) const
    {
        std::string data;
        cachebytes::appendInt32(data, value, Order::Big);
        return block(tag, data);
    }

private:
    void appendSize(std::string& bytes, std::uint64_t size) const
    {
        char field[8];
        if (m_wide)
            cachebytes::putUnsigned(size, Order::Big, field);
        else
            cachebytes::putUnsigned(static_cast<std::uint32_t>(size), Order::Big, field);
        bytes.append(field, m_wide ? 8 : 4);
    }

    bool m_wide;
};

std::int32_t ticksOf(long long frame)
{
    return static_cast<std::int32_t>(frame * GeometryCacheWriter::kTicksPerFrame);
}

std::string dataExtension(const CacheLayout& layout)
{
    return layout.wideSizes ? "mcx" : "mcc";
}

// The target without its ".xml".
std::string baseOf(const std::string& target)
{
    return target.substr(0, target.size() - 4);
}

std::string dataFileOf(const std::string& target, const CacheLayout& layout, long long frame)
{
    const std::string base = baseOf(target);
    if (!layout.perFrame)
        return base + "." + dataExtension(layout);
    return base + "Frame" + std::to_string(frame) + "." + dataExtension(layout);
}

std::uint64_t pointBytes(const CacheLayout& layout)
{
    return std::uint64_t(layout.points) * 3 * (layout.doubles ? 8 : 4);
}

std::string cacheHeader(const Blocks& blocks, long long first, long long last)
{
    const std::string content = blocks.block("VRSN", std::string("0.1", 4)) +
                                blocks.int32Block("STIM", ticksOf(first)) + blocks.int32Block("ETIM", ticksOf(last));
    return blocks.groupHeader("CACH", content.size()) + content;
}

// The channel's blocks before its data, with the TIME block of a single
// file's frames.
std::string channelHead(const Blocks& blocks, const CacheLayout& layout, long long frame, std::uint64_t& groupContent)
{
    std::string content = layout.perFrame ? std::string() : blocks.int32Block("TIME", ticksOf(frame));
    content += blocks.block("CHNM", layout.channel + '\0');
    content += blocks.int32Block("SIZE", static_cast<std::int32_t>(layout.points));
    groupContent = content.size() + blocks.blockSize(pointBytes(layout));
    return blocks.groupHeader("MYCH", groupContent) + content +
           blocks.blockHeader(layout.doubles ? "DVCA" : "FVCA", pointBytes(layout));
}

// The bytes of each data file: a single file's, or the largest of one per
// frame.
std::uint64_t dataFileSize(const CacheLayout& layout)
{
    const Blocks blocks(layout.wideSizes);
    std::uint64_t content = 0;
    channelHead(blocks, layout, 0, content);
    const std::uint64_t frames = layout.perFrame ? 1 : layout.range.size();
    return cacheHeader(blocks, 0, 0).size() + frames * blocks.groupSize(content);
}

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

} // namespace

GeometryCacheWriter::GeometryCacheWriter(const std::string& target, const CacheLayout& layout)
    : m_target(target)
    , m_layout(layout)
{
    if (!m_layout.perFrame && !m_layout.written.empty())
        openDataFile(m_layout.written.front());
}

std::vector<std::string> GeometryCacheWriter::filesOf(const std::string& target, const CacheLayout& layout)
{
    std::vector<std::string> files = {target};
    if (!layout.perFrame)
        files.push_back(dataFileOf(target, layout, 0));
    for (long long frame : layout.perFrame ? layout.written : std::vector<long long>())
        files.push_back(dataFileOf(target, layout, frame));
    return files;
}

void GeometryCacheWriter::check(const std::string& target, const CacheLayout& layout)
{
    if (layout.written != layout.range && !layout.perFrame)
        throw AppError::usage("\"" + target +
                              "\": a single-file geometry cache cannot be shared among the tasks of a farm job; "
                              "use --cache-per-frame");
    const long long largestFrame = std::numeric_limits<std::int32_t>::max() / kTicksPerFrame;
    if (layout.range.front() < -largestFrame || layout.range.back() > largestFrame)
        throw AppError::usage("\"" + target + "\": a geometry cache keeps times as 32-bit ticks, 250 a frame, " +
                              "so its frames must lie from " + std::to_string(-largestFrame) + " to " +
                              std::to_string(largestFrame));
    if (layout.points > std::uint32_t(std::numeric_limits<std::int32_t>::max()))
        throw AppError::usage("\"" + target + "\": too many points for a geometry cache");
    if (!layout.wideSizes && dataFileSize(layout) > kLargestNarrowFile)
        throw AppError::usage("\"" + target + "\": the data would pass the 2 GiB that .mcc files (32-bit sizes) " +
                              "can hold (" + std::to_string(dataFileSize(layout)) + " bytes " +
                              (layout.perFrame ? "a frame" : "in all") + "); use .mcx, the default" +
                              (layout.perFrame ? "" : ", or --cache-per-frame"));
}

std::string GeometryCacheWriter::description(const CacheLayout& layout)
{
    const std::string start = std::to_string(ticksOf(layout.range.front()));
    const std::string end = std::to_string(ticksOf(layout.range.back()));
    const long long step = layout.range.size() > 1 ? layout.range[1] - layout.range[0] : 1;
    std::string text = "<?xml version=\"1.0\"?>\n<geometryCache>\n";
    text += std::string("  <cacheType Type=\"") + (layout.perFrame ? "OneFilePerFrame" : "OneFile") + "\" Format=\"" +
            dataExtension(layout) + "\"/>\n";
    text += "  <time Range=\"" + start + "-" + end + "\"/>\n";
    text += "  <cacheTimePerFrame TimePerFrame=\"" + std::to_string(kTicksPerFrame) + "\"/>\n";
    text += "  <cacheVersion Version=\"2.0\"/>\n";
    text += "  <extra>kavo-deform deformed positions</extra>\n";
    text += "  <Channels>\n";
    text += "    <channel0 ChannelName=\"" + escaped(layout.channel) + "\" ChannelType=\"" +
            (layout.doubles ? "DoubleVectorArray" : "FloatVectorArray") +
            "\" ChannelInterpretation=\"positions\" SamplingType=\"Regular\" SamplingRate=\"" +
            std::to_string(step * kTicksPerFrame) + "\" StartTime=\"" + start + "\" EndTime=\"" + end + "\"/>\n";
    text += "  </Channels>\n</geometryCache>\n";
    return text;
}

void GeometryCacheWriter::openDataFile(long long frame)
{
    m_dataFiles.emplace_back(dataFileOf(m_target, m_layout, frame));
    m_dataFiles.back().openByName([&](const std::string& path) { m_out.open(path, std::ios::binary); });
    const Blocks blocks(m_layout.wideSizes);
    write(m_layout.perFrame ? cacheHeader(blocks, frame, frame)
                            : cacheHeader(blocks, m_layout.range.front(), m_layout.range.back()));
}

void GeometryCacheWriter::write(const std::string& bytes)
{
    m_out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!m_out)
        throw AppError::evaluation("could not write \"" + m_dataFiles.back().target() + "\"");
}

void GeometryCacheWriter::writeFrame(long long frame, const FramePoints& points)
{
    if (m_layout.perFrame)
        openDataFile(frame);
    const Blocks blocks(m_layout.wideSizes);
    std::uint64_t content = 0;
    write(channelHead(blocks, m_layout, frame, content));
    const size_t valueSize = m_layout.doubles ? 8 : 4;
    m_buffer.resize(3 * valueSize * kPointsPerPiece);
    for (unsigned int first = 0; first < m_layout.points; first += kPointsPerPiece) {
        const unsigned int count = std::min(kPointsPerPiece, m_layout.points - first);
        char* out = m_buffer.data();
        for (unsigned int k = 0; k < count; ++k) {
            const MPoint& point = points[first + k];
            for (double value : {point.x, point.y, point.z}) {
                if (m_layout.doubles)
                    cachebytes::putDouble(value, Order::Big, out);
                else
                    cachebytes::putFloat(static_cast<float>(value), Order::Big, out);
                out += valueSize;
            }
        }
        m_out.write(m_buffer.data(), out - m_buffer.data());
    }
    write(blocks.padding(pointBytes(m_layout)));
    if (m_layout.perFrame)
        closeDataFile();
}

void GeometryCacheWriter::closeDataFile()
{
    m_out.close();
    if (!m_out)
        throw AppError::evaluation("could not write \"" + m_dataFiles.back().target() + "\"");
}

void GeometryCacheWriter::commit()
{
    if (m_out.is_open())
        closeDataFile();
    AtomicFile descriptionFile(m_target);
    const std::string text = description(m_layout);
    std::ofstream out;
    descriptionFile.openByName([&](const std::string& path) {
        out.open(path, std::ios::binary);
        out << text;
        out.close();
    });
    if (!out)
        throw AppError::evaluation("could not write \"" + m_target + "\"");
    for (AtomicFile& file : m_dataFiles)
        file.commit();
    descriptionFile.commit();
}

} // namespace kavo::app
