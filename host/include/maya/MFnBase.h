#pragma once

#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

// The function-set pattern: a function set is attached to one host object and
// offers the operations that make sense for its type. Function sets are not
// copyable.
class DLL_PUBLIC MFnBase
{
public:
    MFnBase();
    virtual ~MFnBase();
    virtual MFn::Type type() const;
    bool hasObj(MFn::Type type) const;
    bool hasObj(const MObject& object) const;
    MObject object(MStatus* ReturnStatus = NULL) const;
    virtual MStatus setObject(MObject& object);
    virtual MStatus setObject(const MObject& object);

protected:
    // Attaches to `object` if it offers `required`; reports the outcome.
    MStatus attach(const MObject& object, MFn::Type required);
    MObject m_object;

private:
    MFnBase(const MFnBase&) = delete;
    MFnBase& operator=(const MFnBase&) = delete;
};

// Declares, inside a function set's class, the members every function set has
// alike: a constructor that attaches to nothing, two that attach to an object
// (reporting the outcome to the optional ReturnStatus), and type().
#define KAVO_FUNCTION_SET_DECLARATIONS(Class)                                                                          \
    Class();                                                                                                           \
    Class(MObject& object, MStatus* ReturnStatus = NULL);                                                              \
    Class(const MObject& object, MStatus* ReturnStatus = NULL);                                                        \
    MFn::Type type() const override
