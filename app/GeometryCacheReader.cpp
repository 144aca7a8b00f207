#include "GeometryCacheReader.h"

#include "AppError.h"
#include "CacheBytes.h"
#include "InputFile.h"
#include "NumberText.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>

namespace kavo::app {

namespace {

using cachebytes::Order;

const InputFile::Kind kDescriptionFile = {"geometry cache description", std::uintmax_t(16) << 20};
const InputFile::Kind kDataFile = {"geometry cache data file", std::uintmax_t(1) << 42};

// The longest channel name read.
constexpr std::uint64_t kLongestName = 4096;

[[noreturn]] void fail(const std::string& name, const std::string& problem)
{
    throw AppError::usage("\"" + name + "\" " + problem);
}

// One element's start tag of an XML text: its name and attributes.
struct Element
{
    std::string name;
    std::map<std::string, std::string> attributes;
};

std::string unescaped(const std::string& text)
{
    static const std::pair<const char*, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (size_t k = 0; k < text.size(); ++k) {
        bool replaced = false;
        for (const auto& [entity, character] : kEntities) {
            if (text.compare(k, std::char_traits<char>::length(entity), entity) == 0) {
                out += character;
                k += std::char_traits<char>::length(entity) - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += text[k];
    }
    return out;
}

bool isNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ':' || c == '.' || c == '-';
}

// The start tags of the text, in order; declarations, comments and end tags
// are passed over. Enough XML for a description file, which has no text
// that matters outside its attributes.
std::vector<Element> startTags(const std::string& text, const std::string& name)
{
    std::vector<Element> elements;
    size_t at = 0;
    const auto skipPast = [&](const char* end) {
        const size_t found = text.find(end, at);
        if (found == std::string::npos)
            fail(name, "is no XML description: it ends inside a tag");
        at = found + std::char_traits<char>::length(end);
    };
    while ((at = text.find('<', at)) != std::string::npos) {
        ++at;
        if (text.compare(at, 3, "!--") == 0) {
            skipPast("-->");
            continue;
        }
        if (at < text.size() && (text[at] == '?' || text[at] == '!' || text[at] == '/')) {
            skipPast(">");
            continue;
        }
        Element element;
        while (at < text.size() && isNameCharacter(text[at]))
            element.name += text[at++];
        if (element.name.empty())
            fail(name, "is no XML description: a tag has no name");
        for (;;) {
            while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
                ++at;
            if (at < text.size() && text[at] == '/')
                ++at;
            if (at >= text.size())
                fail(name, "is no XML description: it ends inside <" + element.name + ">");
            if (text[at] == '>')
                break;
            std::string attribute;
            while (at < text.size() && isNameCharacter(text[at]))
                attribute += text[at++];
            if (attribute.empty() || at + 1 >= text.size() || text[at] != '=' ||
                (text[at + 1] != '"' && text[at + 1] != '\''))
                fail(name, "is no XML description: <" + element.name + "> has a malformed attribute");
            const char quote = text[at + 1];
            const size_t end = text.find(quote, at + 2);
            if (end == std::string::npos)
                fail(name, "is no XML description: it ends inside an attribute of <" + element.name + ">");
            element.attributes[attribute] = unescaped(text.substr(at + 2, end - at - 2));
            at = end + 1;
        }
        elements.push_back(std::move(element));
    }
    return elements;
}

bool isChannel(const std::string& elementName)
{
    if (elementName.size() <= 7 || elementName.compare(0, 7, "channel") != 0)
        return false;
    for (size_t k = 7; k < elementName.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(elementName[k])))
            return false;
    return true;
}

const std::string* attributeOf(const Element& element, const char* attribute)
{
    const auto found = element.attributes.find(attribute);
    return found == element.attributes.end() ? nullptr : &found->second;
}

std::string required(const Element& element, const char* attribute, const std::string& name)
{
    const std::string* value = attributeOf(element, attribute);
    if (!value)
        fail(name, "gives <" + element.name + "> no " + attribute);
    return *value;
}

// A time in ticks, which the data keeps in 32 bits.
long long ticks(const Element& element, const char* attribute, const std::string& name)
{
    const std::string text = required(element, attribute, name);
    const std::optional<long long> value = NumberText::integer(text);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max())
        fail(name, "gives <" + element.name + "> " + attribute + "=\"" + text + "\", which is no 32-bit whole number");
    return *value;
}

// The IFF blocks of one data file, as the description's variant lays them.
class Blocks
{
public:
    Blocks(std::istream& stream, std::uint64_t size, const std::string& name, bool wide)
        : m_stream(stream)
        , m_size(size)
        , m_name(name)
        , m_wide(wide)
    {
    }

    struct Block
    {
        std::string tag;
        std::uint64_t data = 0; // where its data starts
        std::uint64_t size = 0; // of its data, without padding
        std::uint64_t end = 0;  // where the next block starts
    };

    std::string bytes(std::uint64_t offset, std::uint64_t count) const
    {
        if (offset > m_size || count > m_size - offset)
            fail(m_name, "is too short: " + std::to_string(m_size) + " bytes");
        std::string data(static_cast<size_t>(count), '\0');
        m_stream.clear();
        m_stream.seekg(static_cast<std::streamoff>(offset));
        m_stream.read(data.data(), static_cast<std::streamsize>(count));
        if (!m_stream)
            fail(m_name, "could not be read");
        return data;
    }

    // The block at `offset`, which must end by `limit`.
    Block block(std::uint64_t offset, std::uint64_t limit) const
    {
        const std::uint64_t header = m_wide ? 12 : 8;
        if (offset > limit || header > limit - offset)
            fail(m_name, "is cut short: a block at byte " + std::to_string(offset) + " has no room for its header");
        const std::string head = bytes(offset, header);
        Block result;
        result.tag = head.substr(0, 4);
        result.size = m_wide ? cachebytes::getUnsigned<std::uint64_t>(&head[4], Order::Big)
                             : cachebytes::getUnsigned<std::uint32_t>(&head[4], Order::Big);
        result.data = offset + header;
        const std::uint64_t alignment = m_wide ? 8 : 4;
        if (result.size > limit - result.data)
            fail(m_name, "has a " + printable(result.tag) + " block at byte " + std::to_string(offset) + " of " +
                             std::to_string(result.size) + " bytes, past the end of what holds it");
        const std::uint64_t padding = (alignment - result.size % alignment) % alignment;
        result.end = result.data + result.size + std::min(padding, limit - result.data - result.size);
        return result;
    }

    // The group at `offset`, of the type: where its blocks start and end.
    std::pair<std::uint64_t, std::uint64_t> group(std::uint64_t offset, const char* type) const
    {
        const std::string tag = bytes(offset, 4);
        if (tag != (m_wide ? "FOR8" : "FOR4"))
            fail(m_name, "has " + printable(tag) + " at byte " + std::to_string(offset) + " where a " +
                             (m_wide ? "FOR8" : "FOR4") + " group should start" +
                             (tag == "FOR4" || tag == "FOR8" ? " (the description names the other format)" : ""));
        const std::uint64_t sizeAt = offset + (m_wide ? 8 : 4);
        const std::string size = bytes(sizeAt, m_wide ? 8 : 4);
        const std::uint64_t content = m_wide ? cachebytes::getUnsigned<std::uint64_t>(size.data(), Order::Big)
                                             : cachebytes::getUnsigned<std::uint32_t>(size.data(), Order::Big);
        const std::uint64_t start = sizeAt + (m_wide ? 8 : 4);
        if (content < 4 || content > m_size - start)
            fail(m_name, "has a group at byte " + std::to_string(offset) + " of " + std::to_string(content) +
                             " bytes, which the file's " + std::to_string(m_size) + " bytes cannot hold");
        const std::string found = bytes(start, 4);
        if (found != type)
            fail(m_name, "has a " + printable(found) + " group at byte " + std::to_string(offset) + " where " + type +
                             " should be");
        return {start + 4, start + content};
    }

    std::int32_t int32(const Block& block) const
    {
        if (block.size != 4)
            fail(m_name, "has a " + block.tag + " block of " + std::to_string(block.size) + " bytes instead of 4");
        return cachebytes::getInt32(bytes(block.data, 4).data(), Order::Big);
    }

    static std::string printable(const std::string& tag)
    {
        std::string out;
        for (char c : tag)
            out += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
        return "\"" + out + "\"";
    }

private:
    std::istream& m_stream;
    std::uint64_t m_size;
    std::string m_name;
    bool m_wide;
};

} // namespace

GeometryCacheDescription GeometryCacheDescription::parse(const std::string& text, const std::string& name)
{
    GeometryCacheDescription description;
    bool typed = false;
    bool channelFound = false;
    bool channelIsPositions = false;
    for (const Element& element : startTags(text, name)) {
        if (element.name == "cacheType") {
            const std::string type = required(element, "Type", name);
            const std::string format = required(element, "Format", name);
            if (type != "OneFile" && type != "OneFilePerFrame")
                fail(name, "has a cache type \"" + type + "\"; OneFile and OneFilePerFrame are read");
            if (format != "mcx" && format != "mcc")
                fail(name, "has a data format \"" + format + "\"; mcx and mcc are read");
            description.perFrame = type == "OneFilePerFrame";
            description.wideSizes = format == "mcx";
            typed = true;
        } else if (element.name == "cacheTimePerFrame") {
            description.ticksPerFrame = ticks(element, "TimePerFrame", name);
            if (description.ticksPerFrame <= 0)
                fail(name, "gives a time per frame of " + std::to_string(description.ticksPerFrame) + " ticks");
        } else if (isChannel(element.name)) {
            const std::string type = required(element, "ChannelType", name);
            if (type != "DoubleVectorArray" && type != "FloatVectorArray")
                continue;
            const std::string* interpretation = attributeOf(element, "ChannelInterpretation");
            const bool positions = interpretation && *interpretation == "positions";
            if (channelFound && (channelIsPositions || !positions))
                continue;
            description.channel = required(element, "ChannelName", name);
            description.doubles = type == "DoubleVectorArray";
            description.regular = required(element, "SamplingType", name) != "Irregular";
            description.samplingRate = ticks(element, "SamplingRate", name);
            description.startTime = ticks(element, "StartTime", name);
            description.endTime = ticks(element, "EndTime", name);
            if (description.regular && description.samplingRate <= 0)
                fail(name, "gives channel \"" + description.channel + "\" a sampling rate of " +
                               std::to_string(description.samplingRate) + " ticks");
            if (description.endTime < description.startTime)
                fail(name, "gives channel \"" + description.channel + "\" an end time before its start time");
            channelFound = true;
            channelIsPositions = positions;
        }
    }
    if (!typed)
        fail(name, "is no geometry cache description: it has no cacheType");
    if (!channelFound)
        fail(name, "has no channel of positions (DoubleVectorArray or FloatVectorArray)");
    return description;
}

GeometryCacheData::GeometryCacheData(std::istream& stream, std::uint64_t size, const std::string& name,
                                     const GeometryCacheDescription& description)
{
    const Blocks blocks(stream, size, name, description.wideSizes);
    auto [at, end] = blocks.group(0, "CACH");
    std::optional<long long> start;
    while (at < end) {
        const Blocks::Block block = blocks.block(at, end);
        if (block.tag == "STIM")
            start = blocks.int32(block);
        at = block.end;
    }
    if (!start)
        fail(name, "has no start time (STIM) in its header");
    const char* dataTag = description.doubles ? "DVCA" : "FVCA";
    const std::uint64_t valueSize = description.doubles ? 8 : 4;
    for (std::uint64_t next = end; next < size;) {
        std::tie(at, end) = blocks.group(next, "MYCH");
        next = end;
        std::optional<long long> time;
        std::uint64_t count = 0;
        bool counted = false;
        bool ours = false;
        while (at < end) {
            const Blocks::Block block = blocks.block(at, end);
            at = block.end;
            if (block.tag == "TIME") {
                time = blocks.int32(block);
            } else if (block.tag == "CHNM") {
                if (block.size > kLongestName)
                    fail(name, "has a channel name of " + std::to_string(block.size) + " bytes");
                std::string channel = blocks.bytes(block.data, block.size);
                if (channel.empty() || channel.back() != '\0')
                    fail(name, "has a channel name without its closing zero byte");
                channel.pop_back();
                ours = channel == description.channel;
                counted = false;
            } else if (block.tag == "SIZE") {
                count = static_cast<std::uint32_t>(blocks.int32(block));
                counted = true;
            } else if (ours && (block.tag == "DVCA" || block.tag == "FVCA")) {
                if (block.tag != dataTag)
                    fail(name, "keeps channel \"" + description.channel + "\" in a " + block.tag +
                                   " block, but the description says " + dataTag);
                if (!counted)
                    fail(name, "has channel data without its SIZE");
                if (count > PointCacheReader::kLargestPointCount)
                    fail(name, "gives " + std::to_string(count) + " points; a cache may hold 0 to " +
                                   std::to_string(PointCacheReader::kLargestPointCount));
                if (block.size != count * 3 * valueSize)
                    fail(name, "has a " + block.tag + " block of " + std::to_string(block.size) + " bytes for " +
                                   std::to_string(count) + " points, which take " +
                                   std::to_string(count * 3 * valueSize));
                const long long when = time ? *time : *start;
                if (!m_samples.emplace(when, Sample{block.data, count}).second)
                    fail(name, "has two samples at time " + std::to_string(when));
                ours = false;
            }
        }
    }
}

GeometryCacheReader::GeometryCacheReader(const std::string& path)
    : m_path(path)
    , m_description(GeometryCacheDescription::parse(InputFile::read(path, kDescriptionFile), path))
    , m_files{path}
{
    if (!m_description.perFrame) {
        m_files.push_back(dataFileAt(0));
        m_single = index(m_files.back());
    }
}

std::vector<std::string> GeometryCacheReader::files() const
{
    return m_files;
}

std::uint64_t GeometryCacheReader::pointCount() const
{
    return m_points.value_or(0);
}

std::string GeometryCacheReader::dataFileAt(long long ticks) const
{
    const std::string base = m_path.substr(0, m_path.size() - 4);
    const std::string extension = m_description.wideSizes ? ".mcx" : ".mcc";
    if (!m_description.perFrame)
        return base + extension;
    const long long frame = ticks / m_description.ticksPerFrame;
    const long long tick = ticks % m_description.ticksPerFrame;
    return base + "Frame" + std::to_string(frame) + (tick ? "Tick" + std::to_string(tick) : "") + extension;
}

GeometryCacheData GeometryCacheReader::index(const std::string& file) const
{
    InputFile::check(file, kDataFile);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    std::ifstream stream(file, std::ios::binary);
    if (error || !stream)
        throw AppError::usage("cannot read \"" + file + "\"");
    return GeometryCacheData(stream, size, file, m_description);
}

void GeometryCacheReader::checkFrames(const std::vector<long long>& frames)
{
    for (long long frame : frames) {
        const long long time = frame * 250;
        const GeometryCacheDescription& d = m_description;
        const bool inRange = time >= d.startTime && time <= d.endTime;
        if (!inRange || (d.regular && (time - d.startTime) % d.samplingRate != 0))
            fail(m_path, "has no sample at frame " + std::to_string(frame) + " (its channel \"" + d.channel +
                             "\" holds ticks " + std::to_string(d.startTime) + " to " + std::to_string(d.endTime) +
                             (d.regular ? " every " + std::to_string(d.samplingRate) : std::string()) +
                             ", 250 a frame)");
        std::optional<GeometryCacheData> perFrame;
        if (!m_single) {
            m_files.push_back(dataFileAt(time));
            perFrame = index(m_files.back());
        }
        const GeometryCacheData& data = m_single ? *m_single : *perFrame;
        const auto sample = data.samples().find(time);
        const std::string& file = m_single ? m_files[1] : m_files.back();
        if (sample == data.samples().end())
            fail(file, "has no data for channel \"" + d.channel + "\" at frame " + std::to_string(frame));
        if (m_points && *m_points != sample->second.points)
            fail(file, "has " + std::to_string(sample->second.points) + " points at frame " + std::to_string(frame) +
                           " and " + std::to_string(*m_points) + " at an earlier one");
        m_points = sample->second.points;
    }
}

void GeometryCacheReader::read(long long frame, std::vector<double>& xyz)
{
    const long long time = frame * 250;
    const std::string file = dataFileAt(time);
    const GeometryCacheData perFrame = m_single ? *m_single : index(file);
    const GeometryCacheData::Sample sample = perFrame.samples().at(time);
    const std::uint64_t valueSize = m_description.doubles ? 8 : 4;
    std::ifstream stream(file, std::ios::binary);
    std::vector<char> data(static_cast<size_t>(sample.points * 3 * valueSize));
    stream.seekg(static_cast<std::streamoff>(sample.offset));
    stream.read(data.data(), static_cast<std::streamsize>(data.size()));
    if (!stream)
        fail(file, "could not be read");
    xyz.resize(static_cast<size_t>(sample.points * 3));
    for (size_t k = 0; k < xyz.size(); ++k) {
        xyz[k] = m_description.doubles ? cachebytes::getDouble(&data[8 * k], Order::Big)
                                       : cachebytes::getFloat(&data[4 * k], Order::Big);
        if (!std::isfinite(xyz[k]))
            fail(file,
                 "point " + std::to_string(k / 3) + " at frame " + std::to_string(frame) + " is not a finite number");
    }
}

} // namespace kavo::app
