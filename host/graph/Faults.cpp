#include "graph/Faults.h"

#include "math/FaultHook.h"

#include <map>
#include <mutex>

namespace kavo::host::graph {
namespace {

struct ArmedFault
{
    int callsLeft;
    MStatus::MStatusCode code;
};

struct FaultTable
{
    std::mutex mutex;
    std::map<std::string, ArmedFault> armed;
};

FaultTable& table()
{
    static FaultTable faults;
    return faults;
}

thread_local int suspensions = 0;

// The math layer's operations ("setScale") fail through the same table.
const bool mathFaultsInstalled = (math::installFaultCheck(&Faults::check), true);

} // namespace

Faults::Suspension::Suspension()
{
    ++suspensions;
}

Faults::Suspension::~Suspension()
{
    --suspensions;
}

void Faults::failOn(const std::string& operation, int nthCall, MStatus::MStatusCode code)
{
    std::lock_guard<std::mutex> lock(table().mutex);
    table().armed[operation] = ArmedFault{nthCall, code};
}

void Faults::clear()
{
    std::lock_guard<std::mutex> lock(table().mutex);
    table().armed.clear();
}

std::optional<MStatus> Faults::check(const std::string& operation)
{
    if (suspensions > 0)
        return std::nullopt;
    std::lock_guard<std::mutex> lock(table().mutex);
    auto found = table().armed.find(operation);
    if (found == table().armed.end())
        return std::nullopt;
    if (--found->second.callsLeft > 0)
        return std::nullopt;
    MStatus status(found->second.code);
    table().armed.erase(found);
    return status;
}

} // namespace kavo::host::graph
