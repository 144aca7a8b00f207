#include "geometry/ControlNet.h"

#include <algorithm>
#include <cmath>

namespace kavo::host::geometry {

double controlNetExtent(const std::vector<MPoint>& cvs)
{
    if (cvs.empty())
        return 0.0;
    MPoint low = cvs.front();
    MPoint high = cvs.front();
    for (const MPoint& cv : cvs) {
        low.x = std::min(low.x, cv.x);
        low.y = std::min(low.y, cv.y);
        low.z = std::min(low.z, cv.z);
        high.x = std::max(high.x, cv.x);
        high.y = std::max(high.y, cv.y);
        high.z = std::max(high.z, cv.z);
    }
    return std::hypot(high.x - low.x, high.y - low.y, high.z - low.z);
}

bool hasUsableCVs(const std::vector<MPoint>& cvs)
{
    return std::all_of(cvs.begin(), cvs.end(), [](const MPoint& cv) {
        return std::isfinite(cv.x) && std::isfinite(cv.y) && std::isfinite(cv.z) && std::isfinite(cv.w) && cv.w > 0.0;
    });
}

} // namespace kavo::host::geometry
