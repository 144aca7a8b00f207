#include "AtomicFile.h"

#include "AppError.h"
#include "TemporaryFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace kavo::app {

namespace {

std::string reason()
{
    return std::strerror(errno);
}

// mkstemp makes files only their owner may read; outputs get the usual
// permissions instead, those the user's umask allows.
void allowUsualAccess(int descriptor)
{
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
}

} // namespace

AtomicFile::AtomicFile(std::string target) : m_target(std::move(target))
{
    const std::filesystem::path path(m_target);
    const std::string extension = path.extension().string();
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string name = (folder / ("." + path.filename().string() + ".partial-XXXXXX" + extension)).string();
    const int descriptor = TemporaryFiles::create(name, static_cast<int>(extension.size()));
    if (descriptor < 0)
        throw AppError::usage("cannot write \"" + m_target + "\": " + reason());
    allowUsualAccess(descriptor);
    close(descriptor);
    m_temporary = name;
}

AtomicFile::AtomicFile(AtomicFile&& other) noexcept
    : m_target(std::move(other.m_target))
    , m_temporary(std::move(other.m_temporary))
{
    other.m_temporary.clear();
}

AtomicFile::~AtomicFile()
{
    if (!m_temporary.empty())
        TemporaryFiles::remove(m_temporary);
}

void AtomicFile::openByName(const std::function<void(const std::string& path)>& open) const
{
    TemporaryFiles::whileListed([&] { open(m_temporary); });
}

void AtomicFile::commit()
{
    if (!TemporaryFiles::rename(m_temporary, m_target))
        throw AppError::usage("cannot write \"" + m_target + "\": " + reason());
    m_temporary.clear();
}

} // namespace kavo::app
