#include "skin/engine/SeComponentStream.h"

#include "platform/ByteOrder.h"

#include "skin/engine/SeByteReader.h"
#include "skin/engine/SeObjectText.h"
#include "skin/engine/SeSkinClasses.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeStreamIo.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Font.h"
#include "ui/component/Stream.h"

#include <cstring>
#include <limits>
#include <memory>
#include <string_view>

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

inline std::string_view readBlock(TSeByteReader& in, std::int64_t count)
{
    if (count < 0 || std::uint64_t(count) > in.Left())
        InvalidStreamOperation();
    return std::string_view(reinterpret_cast<const char*>(in.Take(std::size_t(count))), std::size_t(count));
}

inline std::string_view readShortString(TSeByteReader& in) { return readBlock(in, in.ReadByte()); }

std::int64_t readLittleEndian(TSeByteReader& in, int bytes)
{
    if (in.Left() < std::size_t(bytes))
        InvalidStreamOperation();
    const std::uint64_t v = brio::readLittleEndian(in.Take(std::size_t(bytes)), bytes);
    // Sign-extend from the stored width.
    const int shift = 64 - bytes * 8;
    return std::int64_t(v << shift) >> shift;
}

void writeByte(TStream& stream, std::uint8_t b) { stream.WriteBuffer(&b, 1); }

void writeLittleEndian(TStream& stream, std::int64_t value, int bytes)
{
    std::uint8_t b[8];
    brio::writeLittleEndian(b, std::uint64_t(value), bytes);
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

void setInteger(TSeValue& value, std::int64_t integer)
{
    value.type = TSeValueType::Integer;
    value.integer = integer;
}

void setBoolean(TSeValue& value, bool boolean)
{
    value.type = TSeValueType::Boolean;
    value.boolean = boolean;
}

void readValue(TSeByteReader& in, std::uint8_t tag, TSeValue& value)
{
    switch (tag) {
    case vaNull: return;
    case vaInt8: return setInteger(value, readLittleEndian(in, 1));
    case vaInt16: return setInteger(value, readLittleEndian(in, 2));
    case vaInt32: return setInteger(value, readLittleEndian(in, 4));
    case vaInt64: return setInteger(value, readLittleEndian(in, 8));
    case vaString:
        value.type = TSeValueType::String;
        value.text = readShortString(in);
        return;
    case vaLString:
        value.type = TSeValueType::String;
        value.text = readBlock(in, in.ReadInt32());
        return;
    case vaIdent:
        value.type = TSeValueType::Ident;
        value.text = readShortString(in);
        return;
    case vaFalse: return setBoolean(value, false);
    case vaTrue: return setBoolean(value, true);
    case vaBinary: {
        const std::string_view bytes = readBlock(in, in.ReadInt32());
        value.type = TSeValueType::Binary;
        const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.data());
        value.bytes.assign(first, first + bytes.size());
        return;
    }
    case vaSet:
        value.type = TSeValueType::Set;
        value.items.clear();
        for (;;) {
            const std::string_view item = readShortString(in);
            if (item.empty())
                return;
            value.items.emplace_back(item);
        }
    default: InvalidStreamOperation();
    }
}

// What WriteStreamedObject refuses; a text-form object is held to the same
// limits as if it had gone through its binary form.
void requireShortString(const std::string& text)
{
    if (text.size() > 255)
        throw EWriteError("Invalid stream operation: name longer than 255 bytes");
}

void requireBinaryForm(const TSeStreamedObject& object)
{
    requireShortString(object.className);
    requireShortString(object.name);
    for (const auto& [name, value] : object.properties) {
        requireShortString(name);
        if (value.type == TSeValueType::Ident)
            requireShortString(value.text);
        else if (value.type == TSeValueType::Set)
            for (const std::string& item : value.items)
                requireShortString(item);
    }
}

// Enough for every class's published properties.
constexpr std::size_t TypicalPropertyCount = 48;

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

void readSignature(TSeByteReader& in)
{
    if (in.Left() < 4 || std::memcmp(in.Take(4), Signature, 4) != 0)
        InvalidStreamOperation();
}

// Walks a value without keeping it, raising wherever readValue would.
void skipValue(TSeByteReader& in)
{
    switch (in.ReadByte()) {
    case vaNull:
    case vaFalse:
    case vaTrue: return;
    case vaInt8: readLittleEndian(in, 1); return;
    case vaInt16: readLittleEndian(in, 2); return;
    case vaInt32: readLittleEndian(in, 4); return;
    case vaInt64: readLittleEndian(in, 8); return;
    case vaString:
    case vaIdent: readShortString(in); return;
    case vaLString:
    case vaBinary: readBlock(in, in.ReadInt32()); return;
    case vaSet:
        while (!readShortString(in).empty()) {
        }
        return;
    default: InvalidStreamOperation();
    }
}

// The whole component stream is checked before any property is set, so a
// malformed stream raises the same error whatever its properties hold.
void checkComponentStream(TSeByteReader in)
{
    readSignature(in);
    readShortString(in);
    readShortString(in);
    while (!readShortString(in).empty())
        skipValue(in);
    if (in.ReadByte() != 0)
        InvalidStreamOperation();
}

// The class a record announced (the class table's name of the object made
// for it) against the one its component stream names.
void requireClass(const std::string& announced, std::string_view className)
{
    if (className != announced)
        throw EReadError("Invalid stream operation: " + std::string(className) + " where " + announced +
                         " was announced");
}

[[noreturn, gnu::noinline]] void noSuchProperty(const std::string& objectName, std::string_view name)
{
    const std::string text(name);
    throw EReadError("Error reading " + objectName + "." + text + ": Property " + text + " does not exist");
}

// Finds a property by name anywhere in the table, starting at `next`;
// names are unique in a table, so where it starts does not change what it
// finds.
[[gnu::noinline]] const TSePropertyInfo& searchProperty(const TSePropertyList& properties, std::size_t& next,
                                                         const std::string& objectName, std::string_view name)
{
    const std::size_t count = properties.size();
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t i = next + step < count ? next + step : next + step - count;
        if (properties[i].name == name) {
            next = i + 1;
            return properties[i];
        }
    }
    noSuchProperty(objectName, name);
}

// Streams list the properties in table order, so the one just after the
// last found (`next`) nearly always is it: one comparison, in line.
inline const TSePropertyInfo& findProperty(const TSePropertyList& properties, std::size_t& next,
                                           const std::string& objectName, std::string_view name)
{
    if (next < properties.size() && properties[next].name == name)
        return properties[next++];
    return searchProperty(properties, next, objectName, name);
}

// One component stream, already checked, straight onto the object.
void applyComponentStream(TSeByteReader& in, TSeSkinObject& object, const std::string& className)
{
    readSignature(in);
    requireClass(className, readShortString(in));
    const std::string name(readShortString(in));
    object.SetName(name);
    const TSePropertyList& properties = object.Properties();
    std::size_t next = 0;
    TSeValue value;
    for (;;) {
        const std::string_view property = readShortString(in);
        if (property.empty())
            break;
        // Setters look only at the member their type names, so the type
        // alone is reset; readValue overwrites whatever it sets.
        value.type = TSeValueType::Null;
        const TSePropertyInfo& info = findProperty(properties, next, name, property);
        const std::uint8_t tag = in.ReadByte();
        if (info.children && tag == vaBinary) {
            // The children are read where they lie: a copy per level would
            // let a deep tree ask for its size times its depth.
            const std::string_view children = readBlock(in, in.ReadInt32());
            ReadObjectsValue(object, reinterpret_cast<const std::uint8_t*>(children.data()), children.size());
            continue;
        }
        readValue(in, tag, value);
        info.set(object, value);
    }
    in.ReadByte();
}

// A new object's fonts take the default character set. Its children came
// through ReadObjectRecord and have theirs already, and no property of a
// parent reaches into its children, so only its own fonts are left.
void applyDefaultCharset(TSeSkinObject& object)
{
    thread_local std::vector<TFont*> fonts;
    fonts.clear();
    object.CollectFonts(fonts);
    for (TFont* font : fonts)
        font->SetCharset(TFontCharset(1));
}

} // namespace

void InvalidStreamOperation() { throw EReadError("Invalid stream operation"); }

TSeStreamedObject ReadStreamedObject(TSeByteReader& in)
{
    readSignature(in);
    TSeStreamedObject object;
    object.className = readShortString(in);
    object.name = readShortString(in);
    object.properties.reserve(TypicalPropertyCount);
    for (;;) {
        const std::string_view name = readShortString(in);
        if (name.empty())
            break;
        readValue(in, in.ReadByte(), object.properties.emplace_back(std::string(name), TSeValue{}).second);
    }
    // Skin objects carry their children in "Objects"; the child list is empty.
    if (in.ReadByte() != 0)
        InvalidStreamOperation();
    return object;
}

TSeStreamedObject ReadStreamedObject(TStream& stream)
{
    TSeStreamBytes bytes(stream);
    TSeStreamedObject object = ReadStreamedObject(bytes.Reader());
    bytes.Finish();
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

namespace {

void applyStreamedObject(TSeSkinObject& object, const std::string& className, const TSeStreamedObject& streamed)
{
    requireClass(className, streamed.className);
    object.SetName(streamed.name);
    const TSePropertyList& properties = object.Properties();
    std::size_t next = 0;
    for (const auto& [name, value] : streamed.properties)
        findProperty(properties, next, streamed.name, name).set(object, value);
}

} // namespace

void ApplyObject(TSeSkinObject& object, const TSeStreamedObject& streamed)
{
    applyStreamedObject(object, object.ClassName(), streamed);
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
    ReadObjectsValue(parent, bytes.data(), bytes.size());
}

void ReadObjectsValue(TSeSkinObject& parent, const std::uint8_t* data, std::size_t size)
{
    NestingGuard guard;
    TSeByteReader in(data, size);
    if (size < 4)
        InvalidStreamOperation();
    const auto word = std::uint32_t(in.ReadInt32());
    const bool binary = (word & 0xF0000) == 0xF0000;
    const std::uint32_t count = binary ? (word & ~0xF0000u) : word;
    // Every record needs at least its class name's length word.
    if (std::uint64_t(count) * 4 > in.Left())
        InvalidStreamOperation();
    while (parent.ChildCount() > 0)
        delete parent.Child(parent.ChildCount() - 1);
    for (std::uint32_t i = 0; i < count; ++i)
        ReadObjectRecord(in, &parent, !binary);
    if (!in.AtEnd())
        InvalidStreamOperation();
}

TSeSkinObject* ReadObjectRecord(TSeByteReader& in, TComponent* owner, bool textForm)
{
    const std::string className(in.ReadStreamStringView());
    const TSeSkinObjectClass* cls = FindSkinObjectClass(className);
    if (!cls)
        throw EReadError("Class " + className + " not found");
    if (textForm) {
        const TSeStreamedObject streamed = TextToStreamedObject(in.ReadStreamStringView());
        requireBinaryForm(streamed);
        std::unique_ptr<TSeSkinObject> object(cls->create(owner));
        applyStreamedObject(*object, cls->name, streamed);
        applyDefaultCharset(*object);
        return object.release();
    }
    const std::int32_t size = in.ReadInt32();
    in.Require(size, "an object record");
    TSeByteReader definition(in.Take(std::size_t(size)), std::size_t(size));
    checkComponentStream(definition);
    std::unique_ptr<TSeSkinObject> object(cls->create(owner));
    applyComponentStream(definition, *object, cls->name);
    if (!definition.AtEnd())
        InvalidStreamOperation();
    applyDefaultCharset(*object);
    return object.release();
}

TSeSkinObject* ReadObjectRecord(TStream& stream, TComponent* owner, bool textForm)
{
    TSeStreamBytes bytes(stream);
    TSeSkinObject* object = ReadObjectRecord(bytes.Reader(), owner, textForm);
    bytes.Finish();
    return object;
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
