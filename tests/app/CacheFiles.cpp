#include "app/CacheFiles.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kavo::test {

namespace {

// Reads numbers off a byte string, front to back, failing at its end.
class Cursor
{
public:
    Cursor(std::string bytes, bool bigEndian) : m_bytes(std::move(bytes)), m_big(bigEndian) {}

    size_t at() const { return m_at; }
    size_t size() const { return m_bytes.size(); }
    bool done() const { return m_at == m_bytes.size(); }

    std::string text(size_t count)
    {
        need(count);
        m_at += count;
        return m_bytes.substr(m_at - count, count);
    }
    std::uint64_t unsignedOf(size_t count)
    {
        need(count);
        std::uint64_t value = 0;
        for (size_t k = 0; k < count; ++k) {
            const auto byte = static_cast<unsigned char>(m_bytes[m_at + (m_big ? k : count - 1 - k)]);
            value = value << 8 | byte;
        }
        m_at += count;
        return value;
    }
    std::int32_t int32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(unsignedOf(4))); }
    double float32()
    {
        const auto bits = static_cast<std::uint32_t>(unsignedOf(4));
        float value;
        std::memcpy(&value, &bits, 4);
        return value;
    }
    double float64()
    {
        const std::uint64_t bits = unsignedOf(8);
        double value;
        std::memcpy(&value, &bits, 8);
        return value;
    }
    void skip(size_t count)
    {
        need(count);
        m_at += count;
    }

private:
    void need(size_t count) const
    {
        if (count > m_bytes.size() - m_at)
            throw std::runtime_error("the file ends early");
    }

    std::string m_bytes;
    bool m_big;
    size_t m_at = 0;
};

std::vector<double> floats(Cursor& in, size_t count)
{
    std::vector<double> values(count);
    for (double& value : values)
        value = in.float32();
    return values;
}

} // namespace

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// 12 bytes "POINTCACHE2\0", then little-endian int version, int points,
// float start frame, float sample rate, int samples; then the samples.
CacheSamples readPc2(const std::string& path)
{
    Cursor in(readBytes(path), false);
    CacheSamples cache;
    if (in.text(12) != std::string("POINTCACHE2\0", 12))
        throw std::runtime_error(path + ": no POINTCACHE2 signature");
    if (in.int32() != 1)
        throw std::runtime_error(path + ": not version 1");
    cache.pointCount = in.int32();
    cache.firstFrame = in.float32();
    cache.frameStep = in.float32();
    const int samples = in.int32();
    for (int k = 0; k < samples; ++k) {
        cache.times.push_back(cache.firstFrame + k * cache.frameStep);
        cache.values.push_back(floats(in, size_t(3) * cache.pointCount));
    }
    if (!in.done())
        throw std::runtime_error(path + ": bytes after the last sample");
    return cache;
}

// Big-endian int frames, int points, a float time in seconds per frame, then
// the frames.
CacheSamples readMdd(const std::string& path)
{
    Cursor in(readBytes(path), true);
    CacheSamples cache;
    const int frames = in.int32();
    cache.pointCount = in.int32();
    cache.times = floats(in, frames);
    for (int k = 0; k < frames; ++k)
        cache.values.push_back(floats(in, size_t(3) * cache.pointCount));
    if (!in.done())
        throw std::runtime_error(path + ": bytes after the last frame");
    return cache;
}

// IFF, big-endian. .mcc: FOR4 groups (FOR4, 32-bit size, type), blocks of a
// tag and a 32-bit size, data padded to 4 bytes. .mcx: FOR8 groups (FOR8,
// four zero bytes, 64-bit size, type), blocks of a tag and a 64-bit size,
// data padded to 8 bytes. A header group CACH (VRSN, STIM, ETIM), then a
// MYCH group per time: [TIME], then per channel CHNM, SIZE, data.
GeometryCacheData readGeometryCacheData(const std::string& path)
{
    Cursor in(readBytes(path), true);
    GeometryCacheData data;
    const std::string form = in.text(4);
    if (form != "FOR4" && form != "FOR8")
        throw std::runtime_error(path + ": starts with " + form);
    data.wide = form == "FOR8";
    const size_t sizeBytes = data.wide ? 8 : 4;
    const size_t alignment = data.wide ? 8 : 4;
    // Reads a group header whose FOR tag has been read: its end.
    const auto groupEnd = [&](const char* type) {
        if (data.wide && in.unsignedOf(4) != 0)
            throw std::runtime_error(path + ": FOR8 not followed by four zero bytes");
        const std::uint64_t size = in.unsignedOf(sizeBytes);
        const size_t end = in.at() + size;
        if (in.text(4) != type)
            throw std::runtime_error(path + std::string(": no ") + type + " group");
        return end;
    };
    const auto blockData = [&](std::string& tag) {
        tag = in.text(4);
        const std::uint64_t size = in.unsignedOf(sizeBytes);
        Cursor block(in.text(size), true);
        const size_t padding = (alignment - size % alignment) % alignment;
        if (in.text(padding) != std::string(padding, '\0'))
            throw std::runtime_error(path + ": padding that is not zero");
        return block;
    };
    size_t end = groupEnd("CACH");
    for (std::string tag; in.at() < end;) {
        Cursor block = blockData(tag);
        if (tag == "VRSN")
            data.version = block.text(block.size());
        else if (tag == "STIM")
            data.startTime = block.int32();
        else if (tag == "ETIM")
            data.endTime = block.int32();
        else
            throw std::runtime_error(path + ": header block " + tag);
    }
    while (!in.done()) {
        if (in.text(4) != form)
            throw std::runtime_error(path + ": a group of the other variant");
        end = groupEnd("MYCH");
        long long time = -1;
        ChannelSample sample;
        for (std::string tag; in.at() < end;) {
            Cursor block = blockData(tag);
            if (tag == "TIME") {
                time = block.int32();
            } else if (tag == "CHNM") {
                sample = ChannelSample();
                sample.time = time;
                sample.channel = block.text(block.size());
                if (sample.channel.empty() || sample.channel.back() != '\0')
                    throw std::runtime_error(path + ": a channel name without its zero byte");
                sample.channel.pop_back();
            } else if (tag == "SIZE") {
                sample.size = static_cast<unsigned int>(block.int32());
            } else if (tag == "DVCA" || tag == "FVCA") {
                sample.type = tag;
                const size_t values = size_t(3) * sample.size;
                for (size_t k = 0; k < values; ++k)
                    sample.values.push_back(tag == "DVCA" ? block.float64() : block.float32());
                if (!block.done())
                    throw std::runtime_error(path + ": " + tag + " larger than SIZE says");
                data.samples.push_back(sample);
            } else {
                throw std::runtime_error(path + ": channel block " + tag);
            }
        }
        if (in.at() != end)
            throw std::runtime_error(path + ": a group's size disagrees with its blocks");
    }
    return data;
}

} // namespace kavo::test
