#pragma once

// Everything a run of kavo-deform was asked to do, as read from its command
// line.

#include "FrameRange.h"
#include "FrameShare.h"
#include "MemberList.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kavo::app {

struct Options
{
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
    // Per input, the point cache that animates it, or empty: --input-cache
    // after the input.
    std::vector<std::string> inputCaches;
    // How .xml outputs (the host's geometry cache) are written.
    bool cacheFloat = false;
    bool cachePerFrame = false;
    std::string cacheFormat = "mcx";
    std::string pluginPath;
    std::vector<std::string> assignments; // NAME=VALUE, in command-line order
    std::optional<std::array<double, 3>> handleTranslate;
    std::optional<std::array<double, 3>> handleRotate; // degrees, XYZ order
    std::optional<std::array<double, 3>> handleScale;
    std::optional<std::string> envelope; // set like an attribute, after the assignments
    std::string weightsPath;
    std::optional<MemberList> members; // none: every point
    std::string texturePath;
    FrameRange frames;
    FrameShare task; // the part of `frames` this run evaluates
    std::string previewPath;
    int previewWidth = 640;
    int previewHeight = 480;
    bool quiet = false;
    unsigned int threads = 0; // the most the deform passes may use; 0: every core
    bool listAttributes = false;
};

} // namespace kavo::app
