#include "ObjLineChecker.h"

#include "AppError.h"
#include "NumberText.h"

#include <fstream>
#include <sstream>

namespace kavo::app {

namespace {

std::vector<std::string> splitWords(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

} // namespace

void ObjLineChecker::check(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw AppError::usage("cannot read \"" + path + "\"");
    ObjLineChecker checker(path);
    size_t number = 0;
    for (std::string line; std::getline(file, line);)
        checker.checkLine(line, ++number);
    if (file.bad())
        throw AppError::usage("cannot read \"" + path + "\"");
    checker.checkReferences();
    if (checker.m_faces == 0)
        throw AppError::usage(path + ": no faces: only polygon meshes are read from OBJ files");
}

void ObjLineChecker::checkLine(const std::string& line, size_t number)
{
    // A comment ends the line; so does a line continuation, which the loader
    // does not support either.
    const std::vector<std::string> words = splitWords(line.substr(0, line.find('#')));
    if (words.empty())
        return;
    const std::string& keyword = words[0];
    if (words.back() == "\\")
        fail(number, "line continuations are not supported");
    if (keyword == "v") {
        checkNumbers(words, 3, 7, "a vertex needs x y z (and optionally w or r g b)", number);
        ++m_vertices;
    } else if (keyword == "vt") {
        checkNumbers(words, 1, 3, "a texture coordinate needs u (v, w)", number);
        ++m_textureCoordinates;
    } else if (keyword == "vn") {
        checkNumbers(words, 3, 3, "a normal needs x y z", number);
        ++m_normals;
    } else if (keyword == "f") {
        checkFace(words, number);
        ++m_faces;
    }
}

void ObjLineChecker::checkNumbers(const std::vector<std::string>& words, size_t least, size_t most,
                                  const char* what, size_t number) const
{
    const size_t count = words.size() - 1;
    if (count < least || count > most)
        fail(number, std::string(what) + ", found " + std::to_string(count) + " values");
    for (size_t k = 1; k < words.size(); ++k)
        if (!NumberText::real(words[k]))
            fail(number, "\"" + words[k] + "\" is not a number");
}

void ObjLineChecker::checkFace(const std::vector<std::string>& words, size_t number)
{
    if (words.size() < 4)
        fail(number, "a face needs at least three corners");
    // The loader counts a face's corners in a byte.
    if (words.size() > 256)
        fail(number, "faces of more than 255 corners are not supported");
    for (size_t k = 1; k < words.size(); ++k)
        checkCorner(words[k], number);
}

// v, v/vt, v//vn or v/vt/vn
void ObjLineChecker::checkCorner(const std::string& corner, size_t number)
{
    const size_t firstSlash = corner.find('/');
    const size_t secondSlash = firstSlash == std::string::npos ? firstSlash : corner.find('/', firstSlash + 1);
    if (secondSlash != std::string::npos && corner.find('/', secondSlash + 1) != std::string::npos)
        fail(number, "\"" + corner + "\" is not a face corner (v, v/vt, v//vn or v/vt/vn)");
    addReference(corner.substr(0, firstSlash), "vertex", m_vertices, number);
    if (firstSlash == std::string::npos)
        return;
    const std::string texture = corner.substr(firstSlash + 1, secondSlash - firstSlash - 1);
    if (!texture.empty() || secondSlash == std::string::npos)
        addReference(texture, "texture coordinate", m_textureCoordinates, number);
    if (secondSlash != std::string::npos)
        addReference(corner.substr(secondSlash + 1), "normal", m_normals, number);
}

void ObjLineChecker::addReference(const std::string& text, const char* list, const size_t& defined, size_t number)
{
    const std::optional<long long> index = NumberText::integer(text);
    if (!index || *index == 0)
        fail(number, "\"" + text + "\" is not a " + list + " index");
    m_references.push_back({number, *index, list, defined, &defined});
}

// Positive indices count from the file's first element and may name one that
// comes later; negative ones count back from the last element defined so far.
void ObjLineChecker::checkReferences() const
{
    for (const Reference& reference : m_references) {
        const size_t total = *reference.total;
        const bool inRange = reference.index > 0 ? static_cast<size_t>(reference.index) <= total
                                                 : static_cast<size_t>(-reference.index) <= reference.available;
        if (!inRange)
            fail(reference.line, std::string(reference.list) + " " + std::to_string(reference.index) +
                                     " does not exist (the file has " + std::to_string(total) + ")");
    }
}

void ObjLineChecker::fail(size_t number, const std::string& what) const
{
    throw AppError::usage(m_path + ":" + std::to_string(number) + ": " + what);
}

} // namespace kavo::app
