#include "skin/engine/SeComponentStream.h"

#include "skin/engine/SeObjectText.h"
#include "skin/engine/SeSkinClasses.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeStreamIo.h"
#include "ui/Exception.h"
#include "ui/Stream.h"

#include <cstring>
#include <limits>

namespace {

enum ValueTag : std::uint8_t {
    vaNull = 0,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaInt64 = 19,
};

// Deeper trees than this are refused rather than risking the stack.
constexpr int MaxNesting = 64;
thread_local int nesting = 0;

struct NestingGuard {
    NestingGuard()
    {
        if (++nesting > MaxNesting) {
            --nesting;
            throw EReadError("Invalid stream operation: skin objects nested too deeply");
        }
    }
    ~NestingGuard() { --nesting; }
};

std::uint8_t readByte(TStream& stream)
{
    std::uint8_t b = 0;
    if (stream.Read(&b, 1) != 1)
        InvalidStreamOperation();
    return b;
}

std::string readBytes(TStream& stream, std::int64_t count)
{
    if (count < 0 || count > BytesLeft(stream))
        InvalidStreamOperation();
    std::string text(std::size_t(count), '\0');
    if (count > 0)
        stream.ReadBuffer(text.data(), count);
    return text;
}

std::string readShortString(TStream& stream) { return readBytes(stream, readByte(stream)); }

std::int64_t readLittleEndian(TStream& stream, int bytes)
{
    std::uint8_t b[8] = {};
    if (BytesLeft(stream) < bytes)
        InvalidStreamOperation();
    stream.ReadBuffer(b, bytes);
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b[i];
    // Sign-extend from the stored width.
    const int shift = 64 - bytes * 8;
    return std::int64_t(v << shift) >> shift;
}

void writeByte(TStream& stream, std::uint8_t b) { stream.WriteBuffer(&b, 1); }

void writeLittleEndian(TStream& stream, std::int64_t value, int bytes)
{
    std::uint8_t b[8];
    auto v = std::uint64_t(value);
    for (int i = 0; i < bytes; ++i, v >>= 8)
        b[i] = std::uint8_t(v);
    stream.WriteBuffer(b, bytes);
}

void writeShortString(TStream& stream, const std::string& text)
{
    if (text.size() > 255)
        throw EWriteError("Invalid stream operation: name longer than 255 bytes");
    writeByte(stream, std::uint8_t(text.size()));
    if (!text.empty())
        stream.WriteBuffer(text.data(), std::int64_t(text.size()));
}

TSeValue readValue(TStream& stream)
{
    TSeValue value;
    switch (readByte(stream)) {
    case vaNull: return value;
    case vaInt8: return TSeValue::Integer(readLittleEndian(stream, 1));
    case vaInt16: return TSeValue::Integer(readLittleEndian(stream, 2));
    case vaInt32: return TSeValue::Integer(readLittleEndian(stream, 4));
    case vaInt64: return TSeValue::Integer(readLittleEndian(stream, 8));
    case vaString: return TSeValue::String(readShortString(stream));
    case vaLString: return TSeValue::String(readBytes(stream, ReadInt32(stream)));
    case vaIdent: return TSeValue::Ident(readShortString(stream));
    case vaFalse: return TSeValue::Boolean(false);
    case vaTrue: return TSeValue::Boolean(true);
    case vaBinary: {
        const std::string bytes = readBytes(stream, ReadInt32(stream));
        value.type = TSeValueType::Binary;
        value.bytes.assign(bytes.begin(), bytes.end());
        return value;
    }
    case vaSet:
        value.type = TSeValueType::Set;
        for (;;) {
            std::string item = readShortString(stream);
            if (item.empty())
                return value;
            value.items.push_back(std::move(item));
        }
    default: InvalidStreamOperation();
    }
}

void writeValue(TStream& stream, const TSeValue& value)
{
    switch (value.type) {
    case TSeValueType::Null: writeByte(stream, vaNull); break;
    case TSeValueType::Integer: {
        const std::int64_t v = value.integer;
        if (v >= -128 && v <= 127) {
            writeByte(stream, vaInt8);
            writeLittleEndian(stream, v, 1);
        } else if (v >= -32768 && v <= 32767) {
            writeByte(stream, vaInt16);
            writeLittleEndian(stream, v, 2);
        } else if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max()) {
            writeByte(stream, vaInt32);
            writeLittleEndian(stream, v, 4);
        } else {
            writeByte(stream, vaInt64);
            writeLittleEndian(stream, v, 8);
        }
        break;
    }
    case TSeValueType::Ident:
        writeByte(stream, vaIdent);
        writeShortString(stream, value.text);
        break;
    case TSeValueType::String:
        if (value.text.size() <= 255) {
            writeByte(stream, vaString);
            writeShortString(stream, value.text);
        } else {
            writeByte(stream, vaLString);
            WriteStreamString(stream, value.text);
        }
        break;
    case TSeValueType::Boolean: writeByte(stream, value.boolean ? vaTrue : vaFalse); break;
    case TSeValueType::Set:
        writeByte(stream, vaSet);
        for (const std::string& item : value.items)
            writeShortString(stream, item);
        writeByte(stream, 0);
        break;
    case TSeValueType::Binary:
        writeByte(stream, vaBinary);
        WriteInt32(stream, std::int32_t(value.bytes.size()));
        if (!value.bytes.empty())
            stream.WriteBuffer(value.bytes.data(), std::int64_t(value.bytes.size()));
        break;
    }
}

constexpr char Signature[4] = {'T', 'P', 'F', '0'};

} // namespace

void InvalidStreamOperation() { throw EReadError("Invalid stream operation"); }

TSeStreamedObject ReadStreamedObject(TStream& stream)
{
    char signature[4];
    if (BytesLeft(stream) < 4)
        InvalidStreamOperation();
    stream.ReadBuffer(signature, 4);
    if (std::memcmp(signature, Signature, 4) != 0)
        InvalidStreamOperation();
    TSeStreamedObject object;
    object.className = readShortString(stream);
    object.name = readShortString(stream);
    for (;;) {
        std::string name = readShortString(stream);
        if (name.empty())
            break;
        object.properties.emplace_back(std::move(name), readValue(stream));
    }
    // Skin objects carry their children in "Objects"; the child list is empty.
    if (readByte(stream) != 0)
        InvalidStreamOperation();
    return object;
}

void WriteStreamedObject(TStream& stream, const TSeStreamedObject& object)
{
    stream.WriteBuffer(Signature, 4);
    writeShortString(stream, object.className);
    writeShortString(stream, object.name);
    for (const auto& [name, value] : object.properties) {
        writeShortString(stream, name);
        writeValue(stream, value);
    }
    writeByte(stream, 0);
    writeByte(stream, 0);
}

TSeStreamedObject CaptureObject(const TSeSkinObject& object)
{
    TSeStreamedObject streamed;
    streamed.className = object.ClassName();
    streamed.name = object.Name();
    for (const TSePropertyInfo& property : object.Properties()) {
        TSeValue value;
        if (property.get(object, value))
            streamed.properties.emplace_back(property.name, std::move(value));
    }
    return streamed;
}

void ApplyObject(TSeSkinObject& object, const TSeStreamedObject& streamed)
{
    if (streamed.className != object.ClassName())
        throw EReadError("Invalid stream operation: " + streamed.className + " where " + object.ClassName() +
                         " was announced");
    object.SetName(streamed.name);
    const TSePropertyList& properties = object.Properties();
    for (const auto& [name, value] : streamed.properties) {
        const TSePropertyInfo* found = nullptr;
        for (const TSePropertyInfo& property : properties)
            if (property.name == name) {
                found = &property;
                break;
            }
        if (!found)
            throw EReadError("Error reading " + streamed.name + "." + name + ": Property " + name +
                             " does not exist");
        found->set(object, value);
    }
}

std::vector<std::uint8_t> SkinObjectToBinary(const TSeSkinObject& object)
{
    TMemoryStream stream;
    WriteStreamedObject(stream, CaptureObject(object));
    return std::vector<std::uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

void ReadSkinObjectBinary(TStream& stream, TSeSkinObject& object)
{
    ApplyObject(object, ReadStreamedObject(stream));
}

std::vector<std::uint8_t> WriteObjectsValue(const TSeSkinObject& parent)
{
    TMemoryStream stream;
    WriteInt32(stream, std::int32_t(parent.ChildCount() | 0xF0000));
    for (int i = 0; i < parent.ChildCount(); ++i)
        WriteObjectRecord(stream, *parent.Child(i), false);
    return std::vector<std::uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

void ReadObjectsValue(TSeSkinObject& parent, const std::vector<std::uint8_t>& bytes)
{
    NestingGuard guard;
    TMemoryStream stream;
    if (!bytes.empty())
        stream.WriteBuffer(bytes.data(), std::int64_t(bytes.size()));
    stream.SetPosition(0);
    if (bytes.size() < 4)
        InvalidStreamOperation();
    const auto word = std::uint32_t(ReadInt32(stream));
    const bool binary = (word & 0xF0000) == 0xF0000;
    const std::uint32_t count = binary ? (word & ~0xF0000u) : word;
    // Every record needs at least its class name's length word.
    if (std::int64_t(count) * 4 > BytesLeft(stream))
        InvalidStreamOperation();
    while (parent.ChildCount() > 0)
        delete parent.Child(parent.ChildCount() - 1);
    for (std::uint32_t i = 0; i < count; ++i)
        ReadObjectRecord(stream, &parent, !binary);
    if (BytesLeft(stream) != 0)
        InvalidStreamOperation();
}

TSeSkinObject* ReadObjectRecord(TStream& stream, TComponent* owner, bool textForm)
{
    const std::string className = ReadStreamString(stream);
    const TSeSkinObjectClass* cls = FindSkinObjectClass(className);
    if (!cls)
        throw EReadError("Class " + className + " not found");
    std::string definition;
    if (textForm) {
        definition = ReadStreamString(stream);
    } else {
        const std::int32_t size = ReadInt32(stream);
        RequireBytes(stream, size, "an object record");
        definition.resize(std::size_t(size));
        if (size > 0)
            stream.ReadBuffer(definition.data(), size);
    }
    TMemoryStream binary;
    if (textForm) {
        ObjectTextToBinary(definition, binary);
    } else if (!definition.empty()) {
        binary.WriteBuffer(definition.data(), std::int64_t(definition.size()));
    }
    binary.SetPosition(0);

    std::unique_ptr<TSeSkinObject> object(cls->create(owner));
    ReadSkinObjectBinary(binary, *object);
    if (BytesLeft(binary) != 0)
        InvalidStreamOperation();
    object->ApplyCharset(1);
    return object.release();
}

void WriteObjectRecord(TStream& stream, const TSeSkinObject& object, bool textForm)
{
    WriteStreamString(stream, object.ClassName());
    const std::vector<std::uint8_t> binary = SkinObjectToBinary(object);
    if (textForm) {
        WriteStreamString(stream, ObjectBinaryToText(binary));
    } else {
        WriteInt32(stream, std::int32_t(binary.size()));
        stream.WriteBuffer(binary.data(), std::int64_t(binary.size()));
    }
}
