#pragma once
// Published properties of skin objects: one table per class, in stream
// order, shared by the binary component stream, the text form and
// CloneFrom. A value carries the stream's own value kinds.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TFont;
class TSeBitmapLink;
class TSeSkinObject;
struct TSeEnumNames;

enum class TSeValueType : std::uint8_t { Null, Integer, Ident, String, Boolean, Set, Binary };

struct TSeValue {
    TSeValueType type = TSeValueType::Null;
    std::int64_t integer = 0;
    bool boolean = false;
    std::string text;                // identifier or string
    std::vector<std::string> items;  // set members
    std::vector<std::uint8_t> bytes; // binary data

    static TSeValue Integer(std::int64_t v);
    static TSeValue Ident(std::string name);
    static TSeValue String(std::string text);
    static TSeValue Boolean(bool v);
    bool operator==(const TSeValue&) const = default;
};

struct TSePropertyInfo {
    std::string name;
    // False when the value is not written (empty strings).
    std::function<bool(const TSeSkinObject&, TSeValue&)> get;
    // Raises EReadError "Invalid property value" for a value of the wrong kind.
    std::function<void(TSeSkinObject&, const TSeValue&)> set;
    // "Objects": the children, read where they lie rather than as a value.
    bool children = false;
};
using TSePropertyList = std::vector<TSePropertyInfo>;

// Builders for the tables. Accessors are plain functions of the object, so
// a class adds its own entries with short lambdas.
namespace SeProps {

using IntGet = int (*)(const TSeSkinObject&);
using IntSet = void (*)(TSeSkinObject&, int);
using BoolGet = bool (*)(const TSeSkinObject&);
using BoolSet = void (*)(TSeSkinObject&, bool);
using StringGet = const std::string& (*)(const TSeSkinObject&);
using StringSet = void (*)(TSeSkinObject&, const std::string&);
using FontGet = TFont* (*)(const TSeSkinObject&);
using LinkGet = TSeBitmapLink* (*)(const TSeSkinObject&);

void AddInteger(TSePropertyList& list, const char* name, IntGet get, IntSet set);
void AddBoolean(TSePropertyList& list, const char* name, BoolGet get, BoolSet set);
void AddString(TSePropertyList& list, const char* name, StringGet get, StringSet set);
// An enumeration stored as its identifier.
void AddEnum(TSePropertyList& list, const char* name, const TSeEnumNames& names, IntGet get, IntSet set);
// A colour: a colour identifier when it has one, else an integer.
void AddColor(TSePropertyList& list, const char* name, IntGet get, IntSet set);
// Name.Charset, Name.Color, Name.Height, Name.Name, Name.Style.
void AddFont(TSePropertyList& list, const char* name, FontGet get);
// Name.Name (left out when empty), Name.Left, Name.Top, Name.Right, Name.Bottom.
void AddLink(TSePropertyList& list, const char* name, LinkGet get);

[[noreturn]] void InvalidValue(const std::string& property);

} // namespace SeProps

// Character set names as streams write them; DEFAULT_CHARSET is 1.
bool CharsetToIdent(int charset, std::string& name);
bool IdentToCharset(const std::string& name, int& charset);
// Colour names of the windowing library ("clBlack", "clNone", ...).
bool ColorToIdent(std::int32_t colour, std::string& name);
