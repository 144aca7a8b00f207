#pragma once

#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

// The members every function set defines alike: a constructor that attaches
// to nothing, two that attach to an object (reporting the outcome to the
// optional ReturnStatus), and type(), which names `kind`. A function set that
// accepts exactly the objects offering `kind` attaches with attach(); one
// that decides for itself, with `attaching`, an expression of `object`.
// Used once per function set, at namespace scope in its source file.
#define KAVO_FUNCTION_SET_MEMBERS(Class, kind) KAVO_FUNCTION_SET_MEMBERS_WITH(Class, kind, attach(object, kind))

#define KAVO_FUNCTION_SET_MEMBERS_WITH(Class, kind, attaching)                                                         \
    Class::Class() = default;                                                                                          \
    Class::Class(MObject& object, MStatus* ReturnStatus) : Class(static_cast<const MObject&>(object), ReturnStatus) {} \
    Class::Class(const MObject& object, MStatus* ReturnStatus)                                                         \
    {                                                                                                                  \
        const MStatus status = attaching;                                                                              \
        if (ReturnStatus)                                                                                              \
            *ReturnStatus = status;                                                                                    \
    }                                                                                                                  \
    MFn::Type Class::type() const                                                                                      \
    {                                                                                                                  \
        return kind;                                                                                                   \
    }
