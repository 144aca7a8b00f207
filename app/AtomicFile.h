#pragma once

// An output file that appears whole or not at all. Everything is written to
// a hidden temporary file in the target's folder (so the final rename stays
// on one file system and is atomic); commit() renames it into place, and a
// file never committed is removed. A reader never sees half a frame, and a
// failed or interrupted run leaves the previous output, if any, as it was.

#include <functional>
#include <string>

namespace kavo::app {

class AtomicFile
{
public:
    // Makes the temporary file; an AppError (usage) when the folder does not
    // exist or cannot be written.
    explicit AtomicFile(std::string target);
    ~AtomicFile();

    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    AtomicFile(AtomicFile&& other) noexcept;
    AtomicFile& operator=(AtomicFile&&) = delete;

    const std::string& target() const { return m_target; }
    // Calls `open` with the temporary file's name (which has the target's
    // extension, for writers that choose their format by it). Open a stream
    // there, or write a small file whole: an interrupted run's clean-up
    // waits for `open` to return.
    void openByName(const std::function<void(const std::string& path)>& open) const;

    // Renames the temporary file to the target; an AppError (usage) when
    // that fails.
    void commit();

private:
    std::string m_target;
    std::string m_temporary;
};

} // namespace kavo::app
