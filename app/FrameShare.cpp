#include "FrameShare.h"

#include "AppError.h"
#include "NumberText.h"

#include <algorithm>
#include <optional>

namespace kavo::app {

namespace {

// Every refusal of "K/N" names the text as given and shows the right form.
AppError badTask(const std::string& text, const std::string& why)
{
    return AppError::usage("bad task \"" + text + "\": " + why + " (expected K/N with 1 <= K <= N, or slurm)");
}

// One side of "K/N"; `context` is the whole text, for the message.
long long wholeNumber(const std::string& field, const std::string& context)
{
    const std::optional<long long> value = NumberText::integer(field);
    if (!value)
        throw badTask(context, "\"" + field + "\" is not a whole number");
    return *value;
}

// A job array task's variable as a number. Slurm sets all three in every
// task of an array, so a missing one means the run is not such a task; its
// ids are never negative, which keeps their difference from overflowing.
long long slurmVariable(const FrameShare::Environment& environment, const char* name)
{
    const char* text = environment(name);
    if (!text)
        throw AppError::usage(std::string("--task slurm: ") + name +
                              " is not set; run it as a task of a job array (sbatch --array)");
    const std::optional<long long> value = NumberText::integer(text);
    if (!value || *value < 0)
        throw AppError::usage(std::string("--task slurm: ") + name + "=\"" + text +
                              "\" is not a whole number of 0 or more");
    return *value;
}

} // namespace

FrameShare FrameShare::parse(const std::string& text, const Environment& environment)
{
    if (text == "slurm")
        return fromSlurm(environment);
    const size_t slash = text.find('/');
    if (slash == std::string::npos)
        throw badTask(text, "no /");
    const long long task = wholeNumber(text.substr(0, slash), text);
    const long long count = wholeNumber(text.substr(slash + 1), text);
    if (count < 1)
        throw badTask(text, "there must be at least one task");
    if (task < 1 || task > count)
        throw badTask(text, "task " + std::to_string(task) + " is not one of 1 to " + std::to_string(count));
    return FrameShare(task, count);
}

FrameShare FrameShare::fromSlurm(const Environment& environment)
{
    const long long id = slurmVariable(environment, "SLURM_ARRAY_TASK_ID");
    const long long first = slurmVariable(environment, "SLURM_ARRAY_TASK_MIN");
    const long long count = slurmVariable(environment, "SLURM_ARRAY_TASK_COUNT");
    // Stepped or listed arrays (--array=0-9:3, --array=1,5) number their
    // tasks with gaps, which would leave frames to no task.
    if (count < 1 || id < first || id - first >= count)
        throw AppError::usage("--task slurm: task " + std::to_string(id) + " of an array of " + std::to_string(count) +
                              " from " + std::to_string(first) +
                              " is out of place; the array's ids must be consecutive (sbatch --array=FIRST-LAST)");
    return FrameShare(id - first + 1, count);
}

std::vector<long long> FrameShare::pick(const std::vector<long long>& frames) const
{
    // The first `remainder` shares take one frame more than the others.
    const long long size = static_cast<long long>(frames.size()) / m_count;
    const long long remainder = static_cast<long long>(frames.size()) % m_count;
    const long long index = m_task - 1;
    const long long begin = index * size + std::min(index, remainder);
    const long long end = begin + size + (index < remainder ? 1 : 0);
    return std::vector<long long>(frames.begin() + begin, frames.begin() + end);
}

std::string FrameShare::describe() const
{
    return "task " + std::to_string(m_task) + " of " + std::to_string(m_count);
}

} // namespace kavo::app
