#pragma once

// Writes the host's geometry cache: an XML description file (the target,
// "NAME.xml") and binary data beside it, one file for the range
// ("NAME.mcx") or one per frame ("NAMEFrame12.mcx", "NAMEFrame-3.mcx").
//
// The data is IFF: big-endian blocks of a four-letter tag, a size and the
// data, padded with zeros to the block alignment, and groups ("FOR4" or
// "FOR8", a size, a four-letter group type, then blocks). .mcc files have
// 32-bit sizes and 4-byte alignment; .mcx files have 64-bit sizes, 8-byte
// alignment, and four zero bytes after a group's "FOR8".
//
//   CACH group     VRSN "0.1", STIM start time, ETIM end time (32-bit ticks)
//   MYCH group     per time: TIME (single-file caches only), then the
//                  channel: CHNM its name, SIZE its point count (32 bits),
//                  DVCA doubles or FVCA floats, x y z per point
//
// Times are ticks, 6000 per second, 250 per frame at the scene's 24 frames
// per second. One channel holds the geometry's positions. The description
// depends only on the layout, so every task of a farm job writes the same.

#include "AtomicFile.h"
#include "PointCacheWriter.h"

#include <fstream>
#include <vector>

namespace kavo::app {

class GeometryCacheWriter : public PointCacheWriter
{
public:
    static constexpr long long kTicksPerFrame = 250;

    GeometryCacheWriter(const std::string& target, const CacheLayout& layout);

    static std::vector<std::string> filesOf(const std::string& target, const CacheLayout& layout);
    static void check(const std::string& target, const CacheLayout& layout);
    // The description file's text.
    static std::string description(const CacheLayout& layout);

    void writeFrame(long long frame, const FramePoints& points) override;
    void commit() override;

private:
    void openDataFile(long long frame);
    void write(const std::string& bytes);
    void closeDataFile();

    std::string m_target;
    CacheLayout m_layout;
    std::vector<AtomicFile> m_dataFiles;
    std::ofstream m_out; // the data file being written
    std::vector<char> m_buffer;
};

} // namespace kavo::app
