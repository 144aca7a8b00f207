#include "PlyWriter.h"

#include "NumberText.h"

#include <maya/MFnVectorArrayData.h>
#include <maya/MVectorArray.h>

namespace kavo::app {

bool PlyWriter::write(const MObject& data, std::ostream& out)
{
    MStatus status;
    MFnVectorArrayData particles(data, &status);
    MVectorArray positions;
    if (!status || !particles.copyTo(positions))
        return false;
    out << "ply\n"
        << "format ascii 1.0\n"
        << "comment particle positions\n"
        << "element vertex " << positions.length() << '\n'
        << "property double x\n"
        << "property double y\n"
        << "property double z\n"
        << "end_header\n";
    for (unsigned int k = 0; k < positions.length(); ++k)
        out << NumberText::exact(positions[k].x) << ' ' << NumberText::exact(positions[k].y) << ' '
            << NumberText::exact(positions[k].z) << '\n';
    return static_cast<bool>(out);
}

} // namespace kavo::app
