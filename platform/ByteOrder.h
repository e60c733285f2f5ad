#pragma once
// Little-endian integers in byte buffers, the order every file format and
// clipboard block here is written in, whatever the machine's own order.

#include <cstdint>

namespace brio {

// `bytes` from 1 to 8.
constexpr std::uint64_t readLittleEndian(const unsigned char* p, int bytes)
{
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

constexpr void writeLittleEndian(unsigned char* p, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i, value >>= 8)
        p[i] = static_cast<unsigned char>(value);
}

constexpr std::uint16_t readLittleEndian16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(readLittleEndian(p, 2));
}
constexpr std::uint32_t readLittleEndian32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(readLittleEndian(p, 4));
}
constexpr void writeLittleEndian16(unsigned char* p, std::uint16_t value) { writeLittleEndian(p, value, 2); }
constexpr void writeLittleEndian32(unsigned char* p, std::uint32_t value) { writeLittleEndian(p, value, 4); }

} // namespace brio
