#include "ObjReader.h"

#include "AppError.h"
#include "InputFile.h"
#include "NumberText.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <vector>

namespace kavo::app {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string_view> splitWords(std::string_view line)
{
    std::vector<std::string_view> words;
    for (size_t start = 0; start < line.size();) {
        const size_t end = std::min(line.find_first_of(" \t", start), line.size());
        if (end > start)
            words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// "\r", "\f", or the byte's code for characters without a common escape.
std::string controlCharacterName(char c)
{
    switch (c) {
    case '\r': return "\\r";
    case '\v': return "\\v";
    case '\f': return "\\f";
    case '\0': return "\\0";
    default: {
        char text[8];
        std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(c));
        return text;
    }
    }
}

bool isControlCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t') || byte == 0x7F;
}

// Lists no corner refers to are dropped, so a mesh with no UVs or no normals
// says so by empty lists.
void dropUnused(std::vector<int>& ids)
{
    for (int id : ids)
        if (id >= 0)
            return;
    ids.clear();
}

// The reading of one file's text, line by line.
class ObjParse
{
public:
    explicit ObjParse(std::string name) : m_name(std::move(name)) {}

    PolygonMeshDescription run(std::string_view text);

private:
    // An element list as faces refer to it.
    struct List
    {
        const char* name; // "vertex", "texture coordinate", "normal"
        size_t count = 0;
    };

    // A positive index beyond the elements defined so far: faces may name
    // vertices that come later, which only the end of the file settles.
    struct ForwardReference
    {
        size_t line;
        long long index;
        const List* list;
    };

    void readLine(std::string_view line);
    void readStatement(const std::vector<std::string_view>& words);
    std::vector<double> numbers(const std::vector<std::string_view>& words, size_t least, size_t most,
                                const char* what) const;
    void readFace(const std::vector<std::string_view>& words);
    void readCorner(std::string_view corner);
    int resolve(std::string_view text, List& list);
    void checkForwardReferences() const;
    [[noreturn]] void fail(size_t line, const std::string& what) const;
    [[noreturn]] void fail(const std::string& what) const { fail(m_line, what); }

    std::string m_name;
    size_t m_line = 0;
    List m_vertices{"vertex"};
    List m_uvs{"texture coordinate"};
    List m_normals{"normal"};
    std::vector<ForwardReference> m_forward;
    PolygonMeshDescription m_mesh;
};

PolygonMeshDescription ObjParse::run(std::string_view text)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        ++m_line;
        readLine(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    checkForwardReferences();
    if (m_mesh.faceCounts.empty())
        throw AppError::usage(m_name + ": no faces: only polygon meshes are read from OBJ files");
    dropUnused(m_mesh.faceVertexUvs);
    dropUnused(m_mesh.faceVertexNormals);
    return std::move(m_mesh);
}

void ObjParse::readLine(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    line = line.substr(0, line.find('#'));
    for (char c : line)
        if (isControlCharacter(c))
            fail("a control character (" + controlCharacterName(c) +
                 ") inside the line; only blanks and tabs separate words");
    const std::vector<std::string_view> words = splitWords(line);
    if (words.empty())
        return;
    if (words.back().back() == '\\')
        fail("line continuations are not supported");
    readStatement(words);
}

void ObjParse::readStatement(const std::vector<std::string_view>& words)
{
    const std::string_view keyword = words[0];
    if (keyword == "v") {
        const std::vector<double> xyz = numbers(words, 3, 7, "a vertex needs x y z (and optionally w or r g b)");
        m_mesh.points.emplace_back(xyz[0], xyz[1], xyz[2]);
        ++m_vertices.count;
    } else if (keyword == "vt") {
        const std::vector<double> uv = numbers(words, 1, 3, "a texture coordinate needs u (v, w)");
        m_mesh.us.push_back(static_cast<float>(uv[0]));
        m_mesh.vs.push_back(uv.size() > 1 ? static_cast<float>(uv[1]) : 0.0f);
        ++m_uvs.count;
    } else if (keyword == "vn") {
        const std::vector<double> xyz = numbers(words, 3, 3, "a normal needs x y z");
        m_mesh.normals.emplace_back(xyz[0], xyz[1], xyz[2]);
        ++m_normals.count;
    } else if (keyword == "f") {
        readFace(words);
    }
}

std::vector<double> ObjParse::numbers(const std::vector<std::string_view>& words, size_t least, size_t most,
                                      const char* what) const
{
    const size_t count = words.size() - 1;
    if (count < least || count > most)
        fail(std::string(what) + ", found " + std::to_string(count) + " values");
    std::vector<double> values;
    for (size_t k = 1; k < words.size(); ++k) {
        const std::optional<double> value = NumberText::real(words[k]);
        if (!value)
            fail("\"" + std::string(words[k]) + "\" is not a number");
        values.push_back(*value);
    }
    return values;
}

void ObjParse::readFace(const std::vector<std::string_view>& words)
{
    if (words.size() < 4)
        fail("a face needs at least three corners");
    for (size_t k = 1; k < words.size(); ++k)
        readCorner(words[k]);
    m_mesh.faceCounts.push_back(static_cast<int>(words.size() - 1));
}

// v, v/vt, v//vn or v/vt/vn
void ObjParse::readCorner(std::string_view corner)
{
    const size_t firstSlash = corner.find('/');
    const size_t secondSlash = firstSlash == std::string_view::npos ? firstSlash : corner.find('/', firstSlash + 1);
    if (secondSlash != std::string_view::npos && corner.find('/', secondSlash + 1) != std::string_view::npos)
        fail("\"" + std::string(corner) + "\" is not a face corner (v, v/vt, v//vn or v/vt/vn)");
    m_mesh.faceVertices.push_back(resolve(corner.substr(0, firstSlash), m_vertices));
    int uv = -1;
    int normal = -1;
    if (firstSlash != std::string_view::npos) {
        const std::string_view texture = corner.substr(firstSlash + 1, secondSlash - firstSlash - 1);
        if (!texture.empty() || secondSlash == std::string_view::npos)
            uv = resolve(texture, m_uvs);
        if (secondSlash != std::string_view::npos)
            normal = resolve(corner.substr(secondSlash + 1), m_normals);
    }
    m_mesh.faceVertexUvs.push_back(uv);
    m_mesh.faceVertexNormals.push_back(normal);
}

// Positive indices count from the file's first element and may name one that
// comes later; negative ones count back from the last element defined so far.
int ObjParse::resolve(std::string_view text, List& list)
{
    const std::optional<long long> index = NumberText::integer(text);
    if (!index || *index == 0)
        fail("\"" + std::string(text) + "\" is not a " + list.name + " index");
    if (*index < 0) {
        if (static_cast<unsigned long long>(-(*index + 1)) >= list.count)
            fail(std::string(list.name) + " " + std::to_string(*index) + " does not exist (the file has " +
                 std::to_string(list.count) + " before this line)");
        return static_cast<int>(static_cast<long long>(list.count) + *index);
    }
    if (static_cast<unsigned long long>(*index) > list.count)
        m_forward.push_back({m_line, *index, &list});
    // Forward references are checked against the final count before the
    // mesh is used; until then the id only has to fit.
    return *index > std::numeric_limits<int>::max() ? -1 : static_cast<int>(*index - 1);
}

void ObjParse::checkForwardReferences() const
{
    for (const ForwardReference& reference : m_forward)
        if (static_cast<unsigned long long>(reference.index) > reference.list->count)
            fail(reference.line, std::string(reference.list->name) + " " + std::to_string(reference.index) +
                                     " does not exist (the file has " + std::to_string(reference.list->count) + ")");
}

void ObjParse::fail(size_t line, const std::string& what) const
{
    throw AppError::usage(m_name + ":" + std::to_string(line) + ": " + what);
}

} // namespace

PolygonMeshDescription ObjReader::read(const std::string& path)
{
    return parse(InputFile::read(path, InputFile::kObj), path);
}

PolygonMeshDescription ObjReader::parse(std::string_view text, const std::string& name)
{
    return ObjParse(name).run(text);
}

} // namespace kavo::app
