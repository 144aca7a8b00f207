#ifndef KAVO_HOST_MMATRIX_H
#define KAVO_HOST_MMATRIX_H

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <iosfwd>

#define MMatrix_kTol 1.0e-10

// A 4x4 double matrix, matrix[row][column], for row vectors: a point p is
// transformed as p * M, so the translation sits in row 3. The default is the
// identity.
class OPENMAYA_EXPORT MMatrix
{
public:
    MMatrix();
    MMatrix(const MMatrix& source);
    MMatrix(const double m[4][4]);
    MMatrix(const float m[4][4]);
    ~MMatrix();

    MMatrix& operator=(const MMatrix& source);

    double operator()(unsigned int row, unsigned int col) const;
    const double* operator[](unsigned int row) const;
    double& operator()(unsigned int row, unsigned int col);
    double* operator[](unsigned int row);

    MStatus get(double dest[4][4]) const;
    MStatus get(float dest[4][4]) const;

    MMatrix transpose() const;
    MMatrix& setToIdentity();
    MMatrix& setToProduct(const MMatrix& left, const MMatrix& right);

    MMatrix operator*(const MMatrix& right) const;
    MMatrix& operator*=(const MMatrix& right);
    MMatrix operator+(const MMatrix& right) const;
    MMatrix& operator+=(const MMatrix& right);
    MMatrix operator-(const MMatrix& right) const;
    MMatrix& operator-=(const MMatrix& right);
    MMatrix operator*(double scale) const;
    MMatrix& operator*=(double scale);
    friend OPENMAYA_EXPORT MMatrix operator*(double scale, const MMatrix& matrix);

    // Exact comparison of all sixteen elements.
    bool operator==(const MMatrix& other) const;
    bool operator!=(const MMatrix& other) const;

    // The general 4x4 inverse, by Gauss-Jordan elimination with partial
    // pivoting. A matrix whose elimination meets an exactly zero pivot is
    // singular and has none (nor has one whose pivot is not a number); the
    // identity is returned for it, so callers never see the infinities of a
    // division by zero. Tiny but non-zero pivots still invert.
    MMatrix inverse() const;
    double det4x4() const;
    // Determinant of the upper 3x3.
    double det3x3() const;
    // True when no element differs by more than tol.
    bool isEquivalent(const MMatrix& other, double tol = MMatrix_kTol) const;

    friend OPENMAYA_EXPORT std::ostream& operator<<(std::ostream& out, const MMatrix& matrix);

    static const MMatrix identity;

    double matrix[4][4];
};

#endif
