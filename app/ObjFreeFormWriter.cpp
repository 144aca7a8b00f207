#include "ObjFreeFormWriter.h"

#include "NumberText.h"

#include <maya/MDoubleArray.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnNurbsSurface.h>
#include <maya/MPointArray.h>

namespace kavo::app {

namespace {

bool isRational(const MPointArray& cvs)
{
    for (unsigned int k = 0; k < cvs.length(); ++k)
        if (cvs[k].w != 1.0)
            return true;
    return false;
}

// The CVs before the repeats that close a periodic direction: all of them
// for an open or closed one.
int distinctCount(int count, int degree, bool periodic)
{
    return periodic ? count - degree : count;
}

void writeCvs(const MPointArray& cvs, const std::vector<unsigned int>& written, bool rational, std::ostream& out)
{
    for (unsigned int index : written) {
        const MPoint& cv = cvs[index];
        out << "v " << NumberText::exact(cv.x) << ' ' << NumberText::exact(cv.y) << ' ' << NumberText::exact(cv.z);
        if (rational)
            out << ' ' << NumberText::exact(cv.w);
        out << '\n';
    }
}

void writeKnots(const char* direction, const MDoubleArray& knots, std::ostream& out)
{
    const unsigned int last = knots.length() - 1;
    out << "parm " << direction << ' ' << NumberText::exact(2.0 * knots[0] - knots[1]);
    for (unsigned int k = 0; k <= last; ++k)
        out << ' ' << NumberText::exact(knots[k]);
    out << ' ' << NumberText::exact(2.0 * knots[last] - knots[last - 1]) << '\n';
}

void writeHeader(const char* what, bool rational, std::ostream& out)
{
    out << "# " << what << '\n';
    out << "cstype " << (rational ? "rat " : "") << "bspline\n";
}

} // namespace

bool ObjFreeFormWriter::writeCurve(const MObject& data, std::ostream& out)
{
    MStatus status;
    MFnNurbsCurve curve(data, &status);
    MPointArray cvs;
    MDoubleArray knots;
    double start = 0.0;
    double end = 0.0;
    if (!status || !curve.getCVs(cvs) || !curve.getKnots(knots) || !curve.getKnotDomain(start, end) ||
        knots.length() < 2)
        return false;
    const int degree = curve.degree();
    const int count = static_cast<int>(cvs.length());
    const int distinct = distinctCount(count, degree, curve.form() == MFnNurbsCurve::kPeriodic);

    std::vector<unsigned int> written;
    for (int k = 0; k < distinct; ++k)
        written.push_back(static_cast<unsigned int>(k));
    const bool rational = isRational(cvs);
    writeHeader("NURBS curve", rational, out);
    writeCvs(cvs, written, rational, out);
    out << "deg " << degree << '\n';
    out << "curv " << NumberText::exact(start) << ' ' << NumberText::exact(end);
    for (int k = 0; k < count; ++k)
        out << ' ' << k % distinct + 1;
    out << '\n';
    writeKnots("u", knots, out);
    out << "end\n";
    return static_cast<bool>(out);
}

bool ObjFreeFormWriter::writeSurface(const MObject& data, std::ostream& out)
{
    MStatus status;
    MFnNurbsSurface surface(data, &status);
    MPointArray cvs;
    MDoubleArray knotsU;
    MDoubleArray knotsV;
    double startU = 0.0, endU = 0.0, startV = 0.0, endV = 0.0;
    if (!status || !surface.getCVs(cvs) || !surface.getKnotsInU(knotsU) || !surface.getKnotsInV(knotsV) ||
        !surface.getKnotDomain(startU, endU, startV, endV) || knotsU.length() < 2 || knotsV.length() < 2)
        return false;
    const int countU = surface.numCVsInU();
    const int countV = surface.numCVsInV();
    const int degreeU = surface.degreeU();
    const int degreeV = surface.degreeV();
    const int distinctU = distinctCount(countU, degreeU, surface.formInU() == MFnNurbsSurface::kPeriodic);
    const int distinctV = distinctCount(countV, degreeV, surface.formInV() == MFnNurbsSurface::kPeriodic);

    // The host lists CV (u, v) at u * countV + v.
    std::vector<unsigned int> written;
    for (int u = 0; u < distinctU; ++u)
        for (int v = 0; v < distinctV; ++v)
            written.push_back(static_cast<unsigned int>(u * countV + v));
    const bool rational = isRational(cvs);
    writeHeader("NURBS surface", rational, out);
    writeCvs(cvs, written, rational, out);
    out << "deg " << degreeU << ' ' << degreeV << '\n';
    out << "surf " << NumberText::exact(startU) << ' ' << NumberText::exact(endU) << ' ' << NumberText::exact(startV)
        << ' ' << NumberText::exact(endV);
    for (int v = 0; v < countV; ++v)
        for (int u = 0; u < countU; ++u)
            out << ' ' << (u % distinctU) * distinctV + v % distinctV + 1;
    out << '\n';
    writeKnots("u", knotsU, out);
    writeKnots("v", knotsV, out);
    out << "end\n";
    return static_cast<bool>(out);
}

} // namespace kavo::app
