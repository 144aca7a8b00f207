#pragma once

// Writes the points of one geometry over a range of frames to a point cache,
// the format chosen by the target's extension:
//
//   .xml  the host's geometry cache: an XML description beside binary data
//         in the host's IFF layout, one data file for the range or one per
//         frame (see GeometryCacheWriter)
//   .pc2  little-endian float32 points after a header of point count, start
//         frame, frame step and sample count
//   .mdd  big-endian: frame count, point count, each frame's time in
//         seconds, then float32 points frame by frame
//
// Frames are streamed: each frame's points go to the file as soon as they
// are given, so memory does not grow with the range. Every file is written
// under a temporary name and renamed into place by commit() once the last
// frame is in; a writer destroyed before that leaves nothing behind.

#include <maya/MPoint.h>
#include <maya/MPointArray.h>

#include <memory>
#include <string>
#include <vector>

namespace kavo::app {

// One frame's points in the cache's order, read where the host keeps them
// when it can, so that no frame is copied whole on its way to the file.
struct FramePoints
{
    const MPoint* stored = nullptr;                    // the host's own array, or
    const MPointArray* copied = nullptr;               // a copy of the points
    const std::vector<unsigned int>* picked = nullptr; // the cached points among them; null: every one
    unsigned int count = 0;

    const MPoint& operator[](unsigned int index) const
    {
        const unsigned int point = picked ? (*picked)[index] : index;
        return stored ? stored[point] : (*copied)[point];
    }
};

// What a cache holds and how it is laid out.
struct CacheLayout
{
    std::string channel;            // the shape's name, for the host's geometry cache
    unsigned int points = 0;        // per frame
    std::vector<long long> range;   // every frame of the range, in order, evenly spaced
    std::vector<long long> written; // the frames this run writes (a farm task's share)
    bool doubles = true;            // host's geometry cache: double or float vectors
    bool perFrame = false;          // host's geometry cache: one data file per frame
    bool wideSizes = true;          // host's geometry cache: 64-bit block sizes (.mcx) or 32-bit (.mcc)
};

class PointCacheWriter
{
public:
    virtual ~PointCacheWriter() = default;

    // Whether the name's extension is one of a point cache format.
    static bool isCacheName(const std::string& path);
    // Whether it is the host's geometry cache's (.xml).
    static bool isGeometryCacheName(const std::string& path);

    // Every file the cache at `target` would write for the layout, the
    // description file of the host's geometry cache first.
    static std::vector<std::string> filesOf(const std::string& target, const CacheLayout& layout);

    // An AppError (usage) when the layout cannot be written to `target`:
    // a range split among farm tasks in a single file, a file past its
    // format's size limit.
    static void check(const std::string& target, const CacheLayout& layout);

    // Makes the temporary files; an AppError (usage) when that fails.
    static std::unique_ptr<PointCacheWriter> open(const std::string& target, const CacheLayout& layout);

    // The next frame of `layout.written`. An AppError (evaluation) when the
    // file cannot be written.
    virtual void writeFrame(long long frame, const FramePoints& points) = 0;

    // Puts every file in place once all frames are written.
    virtual void commit() = 0;

protected:
    // The points are converted this many at a time.
    static constexpr unsigned int kPointsPerPiece = 1 << 16;
};

} // namespace kavo::app
