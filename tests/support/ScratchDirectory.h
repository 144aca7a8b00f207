#pragma once

// A fresh directory for the files one test writes, removed with its contents
// when the test ends; its own name keeps side-by-side test processes apart.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace kavo::test {

class ScratchDirectory
{
public:
    ScratchDirectory() : m_path((std::filesystem::temp_directory_path() / "kavo-test-XXXXXX").string())
    {
        if (!mkdtemp(m_path.data()))
            throw std::runtime_error("cannot make a scratch directory in " + m_path);
    }
    ~ScratchDirectory() { std::filesystem::remove_all(m_path); }

    std::string file(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

} // namespace kavo::test
