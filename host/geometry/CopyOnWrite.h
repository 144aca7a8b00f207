#pragma once

#include <memory>
#include <utility>

namespace kavo::host::geometry {

// How many times storage shared between geometry data objects has been
// copied because one of them was about to change it, since the process
// started. Evaluation should copy only what a node changes; tests hold it to
// that with this count.
unsigned long long sharedStorageCopies();

namespace detail {
void countSharedStorageCopy();
}

// A value that geometry data objects share until one of them changes it:
// copying a CopyOnWrite shares the value, and write() first gives the
// writer a copy of its own while anyone else still holds it. Reading never
// copies. A value shared by several data objects may be read from several
// threads at once; as for any host data, one object is written by one
// thread at a time and not read meanwhile.
template <class T>
class CopyOnWrite
{
public:
    CopyOnWrite() : m_value(std::make_shared<T>()) {}
    explicit CopyOnWrite(T value) : m_value(std::make_shared<T>(std::move(value))) {}

    const T& read() const { return *m_value; }

    T& write()
    {
        if (m_value.use_count() > 1) {
            m_value = std::make_shared<T>(*m_value);
            detail::countSharedStorageCopy();
        }
        return *m_value;
    }

    // Replaces the value; the old one is dropped, never copied.
    void assign(T value) { m_value = std::make_shared<T>(std::move(value)); }

    bool shared() const { return m_value.use_count() > 1; }
    // For a writer that overwrites all of a shared value: `value` takes the
    // place of the copy write() would have made (and is counted as one),
    // without copying contents about to be overwritten.
    void replaceShared(T value)
    {
        m_value = std::make_shared<T>(std::move(value));
        detail::countSharedStorageCopy();
    }

    bool sharesWith(const CopyOnWrite& other) const { return m_value == other.m_value; }

private:
    std::shared_ptr<T> m_value;
};

} // namespace kavo::host::geometry
