#pragma once
// Little-endian integers and length-prefixed strings written to streams.
// Reading goes through TSeByteReader (SeByteReader.h), which checks every
// count against the bytes that are there.

#include <cstdint>
#include <string>

class TStream;

// Size minus position.
std::int64_t BytesLeft(TStream& stream);

void WriteInt32(TStream& stream, std::int32_t value);
// int32 byte count, then the bytes.
void WriteStreamString(TStream& stream, const std::string& text);
