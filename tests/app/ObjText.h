#pragma once

// An OBJ file as the tests look at it: the values of its v, vt and vn
// statements, the corners of its faces, and every other statement's words.

#include <array>
#include <map>
#include <string>
#include <vector>

namespace kavo::test {

struct ObjCorner
{
    int vertex = 0; // 1-based, as written
    int uv = 0;     // 0 when absent
    int normal = 0; // 0 when absent
};

struct ObjText
{
    std::vector<std::vector<double>> vertices; // x y z [w]
    std::vector<std::array<double, 2>> uvs;
    std::vector<std::array<double, 3>> normals;
    std::vector<std::vector<ObjCorner>> faces;
    std::map<std::string, std::vector<std::vector<std::string>>> statements; // by keyword

    static ObjText parse(const std::string& text);
    static ObjText read(const std::string& path);
};

} // namespace kavo::test
