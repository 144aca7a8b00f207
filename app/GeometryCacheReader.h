#pragma once

// Reads the host's geometry cache (the layout GeometryCacheWriter gives):
// the XML description, then the IFF data of one file for the range or of
// one file per frame. The positions are those of the description's first
// channel of vectors (DoubleVectorArray or FloatVectorArray) interpreted as
// "positions", or of its first channel of vectors when none says so.

#include "PointCacheReader.h"

#include <map>
#include <optional>

namespace kavo::app {

// What a description file says. Times are ticks, 6000 per second.
struct GeometryCacheDescription
{
    bool perFrame = false;
    bool wideSizes = true; // .mcx, or .mcc
    long long ticksPerFrame = 250;
    std::string channel;
    bool doubles = true;
    bool regular = true;
    long long samplingRate = 250;
    long long startTime = 0;
    long long endTime = 0;

    // An AppError (usage) naming `name` for text that is not a description
    // the reader can follow.
    static GeometryCacheDescription parse(const std::string& text, const std::string& name);
};

// Where one data file keeps the channel's points at each of its times.
class GeometryCacheData
{
public:
    struct Sample
    {
        std::uint64_t offset = 0; // of the first value
        std::uint64_t points = 0;
    };

    // Reads and checks the structure of `size` bytes from `stream`; an
    // AppError (usage) naming `name`.
    GeometryCacheData(std::istream& stream, std::uint64_t size, const std::string& name,
                      const GeometryCacheDescription& description);

    // The samples by time.
    const std::map<long long, Sample>& samples() const { return m_samples; }

private:
    std::map<long long, Sample> m_samples;
};

class GeometryCacheReader : public PointCacheReader
{
public:
    explicit GeometryCacheReader(const std::string& path);

    std::vector<std::string> files() const override;
    std::uint64_t pointCount() const override;
    void checkFrames(const std::vector<long long>& frames) override;
    void read(long long frame, std::vector<double>& xyz) override;

private:
    std::string dataFileAt(long long ticks) const;
    // The samples of a data file, checked.
    GeometryCacheData index(const std::string& file) const;

    std::string m_path;
    GeometryCacheDescription m_description;
    std::optional<GeometryCacheData> m_single; // the data of a single-file cache
    std::vector<std::string> m_files;          // the description and the data files read
    std::optional<std::uint64_t> m_points;
};

} // namespace kavo::app
