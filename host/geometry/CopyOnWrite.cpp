#include "geometry/CopyOnWrite.h"

#include <atomic>

namespace kavo::host::geometry {

namespace {

std::atomic<unsigned long long> copies{0};

} // namespace

unsigned long long sharedStorageCopies()
{
    return copies.load(std::memory_order_relaxed);
}

void detail::countSharedStorageCopy()
{
    copies.fetch_add(1, std::memory_order_relaxed);
}

} // namespace kavo::host::geometry
