#pragma once

// A line-by-line check of an OBJ file before it is loaded. The loader
// itself reads leniently (a word where a number belongs becomes 0, a face
// that names a missing vertex is dropped with a warning about the last line),
// which would deform something other than what the file says; this check
// refuses such files instead and names the line at fault.

#include <cstddef>
#include <string>
#include <vector>

namespace kavo::app {

class ObjLineChecker
{
public:
    // Reads the file and throws an AppError (usage) for the first faulty
    // line, "<file>:<line>: <what is wrong>", or for a file that cannot be
    // read or holds no face.
    static void check(const std::string& path);

private:
    // A corner reference of a face, kept until the whole file is read:
    // faces may name vertices that come later.
    struct Reference
    {
        size_t line;
        long long index;
        const char* list;  // "vertex", "texture coordinate", "normal"
        size_t available;     // how many of those the file had defined by then
        const size_t* total;  // the checker's count of them, final once the file is read
    };

    explicit ObjLineChecker(std::string path) : m_path(std::move(path)) {}

    void checkLine(const std::string& line, size_t number);
    void checkNumbers(const std::vector<std::string>& words, size_t least, size_t most, const char* what,
                      size_t number) const;
    void checkFace(const std::vector<std::string>& words, size_t number);
    void checkCorner(const std::string& corner, size_t number);
    void addReference(const std::string& text, const char* list, const size_t& defined, size_t number);
    void checkReferences() const;
    [[noreturn]] void fail(size_t number, const std::string& what) const;

    std::string m_path;
    size_t m_vertices = 0;
    size_t m_textureCoordinates = 0;
    size_t m_normals = 0;
    size_t m_faces = 0;
    std::vector<Reference> m_references;
};

} // namespace kavo::app
