#pragma once
// Little-endian integers and length-prefixed strings on streams, with every
// count checked against the bytes the stream still holds, so a corrupt
// count raises instead of allocating or reading past the end.

#include <cstdint>
#include <string>

class TStream;

// Size minus position.
std::int64_t BytesLeft(TStream& stream);
// Raises EReadError naming `what` when fewer than `count` bytes remain or
// `count` is negative.
void RequireBytes(TStream& stream, std::int64_t count, const char* what);

std::int32_t ReadInt32(TStream& stream);
void WriteInt32(TStream& stream, std::int32_t value);
// int32 byte count, then the bytes.
std::string ReadStreamString(TStream& stream);
void WriteStreamString(TStream& stream, const std::string& text);
