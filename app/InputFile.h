#pragma once

// The files kavo-deform reads (OBJ inputs, weights, texture images) are
// checked before any of them is opened for reading: each must be a regular
// file no larger than its kind's limit. A folder, a named pipe or a device
// would otherwise block the run forever or feed it without end.

#include <cstdint>
#include <string>

namespace kavo::app {

class InputFile
{
public:
    // What a file is for, named in messages, and how large it may be.
    struct Kind
    {
        const char* description; // "OBJ file", "weights file", "texture image"
        std::uintmax_t sizeLimit;
    };

    static const Kind kObj;
    static const Kind kWeights;
    static const Kind kTexture;

    // An AppError (usage) saying what is wrong unless `path` is a regular
    // file within the kind's size limit.
    static void check(const std::string& path, const Kind& kind);

    // The whole file, after the same check.
    static std::string read(const std::string& path, const Kind& kind);
};

} // namespace kavo::app
