#ifndef KAVO_HOST_MFLOATMATRIX_H
#define KAVO_HOST_MFLOATMATRIX_H

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <iosfwd>

#define MFloatMatrix_kTol 1.0e-5F

// A 4x4 single-precision matrix, matrix[row][column], for row vectors; the
// float twin of MMatrix. The default is the identity.
class OPENMAYA_EXPORT MFloatMatrix
{
public:
    MFloatMatrix();
    MFloatMatrix(const MFloatMatrix& source);
    MFloatMatrix(const float m[4][4]);
    MFloatMatrix(const double m[4][4]);
    ~MFloatMatrix();

    MFloatMatrix& operator=(const MFloatMatrix& source);

    float operator()(unsigned int row, unsigned int col) const;
    const float* operator[](unsigned int row) const;
    float& operator()(unsigned int row, unsigned int col);
    float* operator[](unsigned int row);

    MStatus get(double dest[4][4]) const;
    MStatus get(float dest[4][4]) const;

    MFloatMatrix transpose() const;
    MFloatMatrix& setToIdentity();
    MFloatMatrix& setToProduct(const MFloatMatrix& left, const MFloatMatrix& right);

    MFloatMatrix operator*(const MFloatMatrix& right) const;
    MFloatMatrix& operator*=(const MFloatMatrix& right);
    MFloatMatrix operator+(const MFloatMatrix& right) const;
    MFloatMatrix& operator+=(const MFloatMatrix& right);
    MFloatMatrix operator-(const MFloatMatrix& right) const;
    MFloatMatrix& operator-=(const MFloatMatrix& right);
    MFloatMatrix operator*(float scale) const;
    MFloatMatrix& operator*=(float scale);
    friend OPENMAYA_EXPORT MFloatMatrix operator*(float scale, const MFloatMatrix& matrix);

    // Exact comparison of all sixteen elements.
    bool operator==(const MFloatMatrix& other) const;
    bool operator!=(const MFloatMatrix& other) const;

    // The general 4x4 inverse; the identity for a singular matrix, as MMatrix.
    MFloatMatrix inverse() const;
    float det4x4() const;
    // Determinant of the upper 3x3.
    float det3x3() const;
    // True when no element differs by more than tol.
    bool isEquivalent(const MFloatMatrix& other, float tol = MFloatMatrix_kTol) const;

    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MFloatMatrix& matrix);

    float matrix[4][4];
};

#endif
