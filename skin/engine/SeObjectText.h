#pragma once
// The text form of a component stream, laid out as the classic object text:
// CR LF line ends, two spaces per level, "object Name: TClass" ... "end".

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TStream;
struct TSeStreamedObject;

std::string StreamedObjectToText(const TSeStreamedObject& object);
// Raises EReadError naming the line and what was expected.
TSeStreamedObject TextToStreamedObject(std::string_view text);

// Whole component streams ("TPF0" ...) to text and back.
std::string ObjectBinaryToText(const std::vector<std::uint8_t>& binary);
void ObjectTextToBinary(const std::string& text, TStream& binary);
