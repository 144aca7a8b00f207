#pragma once

// Point caches as the tests read them, straight from the formats'
// descriptions and apart from the program's own readers and writers:
// .pc2, .mdd and the data files of the host's geometry cache. Any part of
// a file that the description does not allow fails the test that reads it.

#include <string>
#include <vector>

namespace kavo::test {

struct CacheSamples
{
    int pointCount = 0;
    std::vector<double> times;               // .pc2: frames; .mdd: seconds
    std::vector<std::vector<double>> values; // per sample: x y z per point, floats widened
    double firstFrame = 0.0;                 // .pc2
    double frameStep = 0.0;                  // .pc2
};

CacheSamples readPc2(const std::string& path);
CacheSamples readMdd(const std::string& path);

// One channel's data at one time in a geometry cache data file.
struct ChannelSample
{
    long long time = -1; // its TIME block, or -1 without one
    std::string channel;
    unsigned int size = 0;      // the SIZE block
    std::string type;           // DVCA or FVCA
    std::vector<double> values; // x y z per point, floats widened
};

struct GeometryCacheData
{
    bool wide = false; // FOR8 groups (.mcx) rather than FOR4 (.mcc)
    std::string version;
    long long startTime = 0;
    long long endTime = 0;
    std::vector<ChannelSample> samples;
};

GeometryCacheData readGeometryCacheData(const std::string& path);

// The bytes of a file.
std::string readBytes(const std::string& path);

} // namespace kavo::test
