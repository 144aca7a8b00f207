#include "app/ObjText.h"

#include "app/AppRun.h"

#include <sstream>

namespace kavo::test {

namespace {

ObjCorner parseCorner(const std::string& word)
{
    ObjCorner corner;
    std::istringstream parts(word);
    std::string part;
    int* fields[] = {&corner.vertex, &corner.uv, &corner.normal};
    for (int* field : fields) {
        if (!std::getline(parts, part, '/'))
            break;
        *field = part.empty() ? 0 : std::stoi(part);
    }
    return corner;
}

} // namespace

ObjText ObjText::parse(const std::string& text)
{
    ObjText obj;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string keyword;
        if (!(words >> keyword) || keyword[0] == '#')
            continue;
        std::vector<std::string> rest;
        for (std::string word; words >> word;)
            rest.push_back(word);
        if (keyword == "v") {
            std::vector<double> values;
            for (const std::string& word : rest)
                values.push_back(std::stod(word));
            obj.vertices.push_back(values);
        } else if (keyword == "vt") {
            obj.uvs.push_back({std::stod(rest.at(0)), std::stod(rest.at(1))});
        } else if (keyword == "vn") {
            obj.normals.push_back({std::stod(rest.at(0)), std::stod(rest.at(1)), std::stod(rest.at(2))});
        } else if (keyword == "f") {
            std::vector<ObjCorner> face;
            for (const std::string& word : rest)
                face.push_back(parseCorner(word));
            obj.faces.push_back(face);
        } else {
            obj.statements[keyword].push_back(rest);
        }
    }
    return obj;
}

ObjText ObjText::read(const std::string& path)
{
    return parse(readText(path));
}

} // namespace kavo::test
