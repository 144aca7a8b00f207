#include "FaultHook.h"

#include <atomic>

namespace kavo::host::math {
namespace {

std::atomic<FaultCheck> installedCheck{nullptr};

} // namespace

void installFaultCheck(FaultCheck check)
{
    installedCheck.store(check);
}

std::optional<MStatus> checkFault(const std::string& operation)
{
    const FaultCheck check = installedCheck.load();
    return check ? check(operation) : std::nullopt;
}

} // namespace kavo::host::math
