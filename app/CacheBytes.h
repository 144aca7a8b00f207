#pragma once

// The binary numbers of the point cache formats, put into and taken out of
// byte buffers in a stated byte order whatever the machine's: 32-bit
// integers, 64-bit integers, IEEE single and double precision reals.

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

namespace kavo::app::cachebytes {

enum class Order
{
    Little,
    Big
};

#if defined(__BYTE_ORDER__) && defined(__ORDER_LITTLE_ENDIAN__) && defined(__ORDER_BIG_ENDIAN__)
#define KAVO_APP_CACHEBYTES_NATIVE_ORDER 1
constexpr Order kNativeOrder = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? Order::Little : Order::Big;

// Writers convert millions of values a frame: a copy, swapped when the
// orders differ, instead of a shift per byte.
inline std::uint32_t swapped(std::uint32_t value)
{
    return __builtin_bswap32(value);
}
inline std::uint64_t swapped(std::uint64_t value)
{
    return __builtin_bswap64(value);
}
#endif

template <class Unsigned>
void putUnsigned(Unsigned value, Order order, char* out)
{
    constexpr std::size_t size = sizeof(Unsigned);
#ifdef KAVO_APP_CACHEBYTES_NATIVE_ORDER
    if constexpr (size == 4 || size == 8) {
        const Unsigned ordered = order == kNativeOrder ? value : swapped(value);
        std::memcpy(out, &ordered, size);
        return;
    }
#endif
    for (std::size_t k = 0; k < size; ++k) {
        const std::size_t shift = 8 * (order == Order::Little ? k : size - 1 - k);
        out[k] = static_cast<char>(static_cast<unsigned char>((value >> shift) & 0xFFu));
    }
}

template <class Unsigned>
Unsigned getUnsigned(const char* in, Order order)
{
    constexpr std::size_t size = sizeof(Unsigned);
#ifdef KAVO_APP_CACHEBYTES_NATIVE_ORDER
    if constexpr (size == 4 || size == 8) {
        Unsigned value;
        std::memcpy(&value, in, size);
        return order == kNativeOrder ? value : swapped(value);
    }
#endif
    Unsigned value = 0;
    for (std::size_t k = 0; k < size; ++k) {
        const std::size_t shift = 8 * (order == Order::Little ? k : size - 1 - k);
        value |= static_cast<Unsigned>(static_cast<unsigned char>(in[k])) << shift;
    }
    return value;
}

inline void putInt32(std::int32_t value, Order order, char* out)
{
    putUnsigned(static_cast<std::uint32_t>(value), order, out);
}

inline std::int32_t getInt32(const char* in, Order order)
{
    return static_cast<std::int32_t>(getUnsigned<std::uint32_t>(in, order));
}

// IEEE reals by their bits: float in 32, double in 64.
template <class Real>
using BitsOf = std::conditional_t<sizeof(Real) == 4, std::uint32_t, std::uint64_t>;

template <class Real>
void putReal(Real value, Order order, char* out)
{
    BitsOf<Real> bits;
    std::memcpy(&bits, &value, sizeof bits);
    putUnsigned(bits, order, out);
}

template <class Real>
Real getReal(const char* in, Order order)
{
    const BitsOf<Real> bits = getUnsigned<BitsOf<Real>>(in, order);
    Real value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

inline void putFloat(float value, Order order, char* out)
{
    putReal(value, order, out);
}
inline float getFloat(const char* in, Order order)
{
    return getReal<float>(in, order);
}
inline void putDouble(double value, Order order, char* out)
{
    putReal(value, order, out);
}
inline double getDouble(const char* in, Order order)
{
    return getReal<double>(in, order);
}

// Appends to a growing buffer, for headers.
inline void appendInt32(std::string& bytes, std::int32_t value, Order order)
{
    char field[4];
    putInt32(value, order, field);
    bytes.append(field, sizeof field);
}

inline void appendFloat(std::string& bytes, float value, Order order)
{
    char field[4];
    putFloat(value, order, field);
    bytes.append(field, sizeof field);
}

} // namespace kavo::app::cachebytes
