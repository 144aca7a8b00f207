#pragma once

namespace kavo::host::math {

// The base of the one-body templates, which are given the class deriving
// from them as Derived: self() is this object as that class, for the members
// that work on or give back a Derived. Empty, so it adds nothing to the size.
template <typename Derived>
class SelfAccess
{
protected:
    Derived& self() { return static_cast<Derived&>(*this); }
    const Derived& self() const { return static_cast<const Derived&>(*this); }
};

} // namespace kavo::host::math
