#pragma once
// The binary component stream of one skin object ("TPF0", class and object
// name, property list, empty child list), the object records of the skin
// content and the "Objects" property that nests the children.

#include "skin/engine/SeProperties.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TComponent;
class TSeByteReader;
class TSeSkinObject;
class TStream;

// One object as the stream holds it, independent of the class table.
struct TSeStreamedObject {
    std::string className;
    std::string name;
    std::vector<std::pair<std::string, TSeValue>> properties;
};

// Every length and count is checked against the bytes left; a malformed
// stream raises EReadError "Invalid stream operation".
TSeStreamedObject ReadStreamedObject(TStream& stream);
TSeStreamedObject ReadStreamedObject(TSeByteReader& in);
void WriteStreamedObject(TStream& stream, const TSeStreamedObject& object);

// The object's published properties in stream order (empty strings left out).
TSeStreamedObject CaptureObject(const TSeSkinObject& object);
// Sets the properties in their stream order; raises for an unknown property.
void ApplyObject(TSeSkinObject& object, const TSeStreamedObject& streamed);

// The "Objects" value: int32 count or'ed with 0xF0000, then the children as
// binary records. Reading also takes a plain count with text records.
std::vector<std::uint8_t> WriteObjectsValue(const TSeSkinObject& parent);
void ReadObjectsValue(TSeSkinObject& parent, const std::vector<std::uint8_t>& bytes);
void ReadObjectsValue(TSeSkinObject& parent, const std::uint8_t* data, std::size_t size);

// An object record: stream string class name, then either an int32 byte
// count and the component stream (binary form) or a stream string with the
// object's text form. The new object has `owner` and its fonts the default
// character set. A class missing from the table raises.
TSeSkinObject* ReadObjectRecord(TStream& stream, TComponent* owner, bool textForm);
TSeSkinObject* ReadObjectRecord(TSeByteReader& in, TComponent* owner, bool textForm);
void WriteObjectRecord(TStream& stream, const TSeSkinObject& object, bool textForm);

// The component stream bytes of one object, and back.
std::vector<std::uint8_t> SkinObjectToBinary(const TSeSkinObject& object);
void ReadSkinObjectBinary(TStream& stream, TSeSkinObject& object);

[[noreturn]] void InvalidStreamOperation();
