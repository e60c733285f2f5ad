#include "skin/engine/SeProperties.h"

#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Font.h"

#include <limits>

TSeValue TSeValue::Integer(std::int64_t v)
{
    TSeValue value;
    value.type = TSeValueType::Integer;
    value.integer = v;
    return value;
}

TSeValue TSeValue::Ident(std::string name)
{
    TSeValue value;
    value.type = TSeValueType::Ident;
    value.text = std::move(name);
    return value;
}

TSeValue TSeValue::String(std::string text)
{
    TSeValue value;
    value.type = TSeValueType::String;
    value.text = std::move(text);
    return value;
}

TSeValue TSeValue::Boolean(bool v)
{
    TSeValue value;
    value.type = TSeValueType::Boolean;
    value.boolean = v;
    return value;
}

namespace {

struct NamedCharset {
    int value;
    const char* name;
};
constexpr NamedCharset charsets[] = {
    {0, "ANSI_CHARSET"},         {1, "DEFAULT_CHARSET"},     {2, "SYMBOL_CHARSET"},   {77, "MAC_CHARSET"},
    {128, "SHIFTJIS_CHARSET"},   {129, "HANGEUL_CHARSET"},   {130, "JOHAB_CHARSET"},  {134, "GB2312_CHARSET"},
    {136, "CHINESEBIG5_CHARSET"}, {161, "GREEK_CHARSET"},    {162, "TURKISH_CHARSET"}, {163, "VIETNAMESE_CHARSET"},
    {177, "HEBREW_CHARSET"},     {178, "ARABIC_CHARSET"},    {186, "BALTIC_CHARSET"}, {204, "RUSSIAN_CHARSET"},
    {222, "THAI_CHARSET"},       {238, "EASTEUROPE_CHARSET"}, {255, "OEM_CHARSET"},
};

int checkedInt(const TSeValue& value, const std::string& property)
{
    if (value.type != TSeValueType::Integer || value.integer < std::numeric_limits<std::int32_t>::min() ||
        value.integer > std::numeric_limits<std::int32_t>::max())
        SeProps::InvalidValue(property);
    return int(value.integer);
}

TSeValue colorValue(int colour)
{
    std::string name;
    if (ColorToIdent(colour, name))
        return TSeValue::Ident(name);
    return TSeValue::Integer(colour);
}

// Skins name the same few colours over and over; each name is searched
// for (case-insensitively, through every colour name) only once.
bool knownColor(const std::string& name, TColor& colour)
{
    constexpr std::size_t Remembered = 16;
    thread_local std::vector<std::pair<std::string, TColor>> known;
    for (const auto& [knownName, knownColour] : known)
        if (knownName == name) {
            colour = knownColour;
            return true;
        }
    if (!IdentToColor(name, colour))
        return false;
    if (known.size() < Remembered)
        known.emplace_back(name, colour);
    return true;
}

int readColor(const TSeValue& value, const std::string& property)
{
    if (value.type == TSeValueType::Ident) {
        TColor colour = 0;
        if (!knownColor(value.text, colour))
            SeProps::InvalidValue(property);
        return colour;
    }
    return checkedInt(value, property);
}

} // namespace

bool CharsetToIdent(int charset, std::string& name)
{
    for (const auto& c : charsets)
        if (c.value == charset) {
            name = c.name;
            return true;
        }
    return false;
}

bool IdentToCharset(const std::string& name, int& charset)
{
    for (const auto& c : charsets)
        if (name == c.name) {
            charset = c.value;
            return true;
        }
    return false;
}

bool ColorToIdent(std::int32_t colour, std::string& name)
{
    std::string text = ColorToString(colour);
    if (text.rfind("cl", 0) != 0)
        return false;
    name = std::move(text);
    return true;
}

namespace SeProps {

void InvalidValue(const std::string& property)
{
    throw EReadError("Invalid property value (" + property + ")");
}

void AddInteger(TSePropertyList& list, const char* name, IntGet get, IntSet set)
{
    const std::string n = name;
    list.push_back({n,
                    [get](const TSeSkinObject& o, TSeValue& v) {
                        v = TSeValue::Integer(get(o));
                        return true;
                    },
                    [set, n](TSeSkinObject& o, const TSeValue& v) { set(o, checkedInt(v, n)); }});
}

void AddBoolean(TSePropertyList& list, const char* name, BoolGet get, BoolSet set)
{
    const std::string n = name;
    list.push_back({n,
                    [get](const TSeSkinObject& o, TSeValue& v) {
                        v = TSeValue::Boolean(get(o));
                        return true;
                    },
                    [set, n](TSeSkinObject& o, const TSeValue& v) {
                        if (v.type != TSeValueType::Boolean)
                            InvalidValue(n);
                        set(o, v.boolean);
                    }});
}

void AddString(TSePropertyList& list, const char* name, StringGet get, StringSet set)
{
    const std::string n = name;
    list.push_back({n,
                    [get](const TSeSkinObject& o, TSeValue& v) {
                        const std::string& text = get(o);
                        if (text.empty())
                            return false;
                        v = TSeValue::String(text);
                        return true;
                    },
                    [set, n](TSeSkinObject& o, const TSeValue& v) {
                        if (v.type != TSeValueType::String)
                            InvalidValue(n);
                        set(o, v.text);
                    }});
}

void AddEnum(TSePropertyList& list, const char* name, const TSeEnumNames& names, IntGet get, IntSet set)
{
    const std::string n = name;
    const TSeEnumNames* table = &names;
    list.push_back({n,
                    [get, table](const TSeSkinObject& o, TSeValue& v) {
                        const int ordinal = get(o);
                        if (ordinal < 0 || ordinal >= table->count)
                            return false;
                        v = TSeValue::Ident(table->names[ordinal]);
                        return true;
                    },
                    [set, table, n](TSeSkinObject& o, const TSeValue& v) {
                        if (v.type != TSeValueType::Ident)
                            InvalidValue(n);
                        const int ordinal = FindEnumName(*table, v.text.data(), v.text.size());
                        if (ordinal < 0)
                            InvalidValue(n);
                        set(o, ordinal);
                    }});
}

void AddColor(TSePropertyList& list, const char* name, IntGet get, IntSet set)
{
    const std::string n = name;
    list.push_back({n,
                    [get](const TSeSkinObject& o, TSeValue& v) {
                        v = colorValue(get(o));
                        return true;
                    },
                    [set, n](TSeSkinObject& o, const TSeValue& v) { set(o, readColor(v, n)); }});
}

void AddFont(TSePropertyList& list, const char* name, FontGet get)
{
    const std::string prefix = std::string(name) + ".";
    const std::string charsetName = prefix + "Charset";
    list.push_back({charsetName,
                    [get](const TSeSkinObject& o, TSeValue& v) {
                        std::string ident;
                        const int charset = get(o)->Charset();
                        v = CharsetToIdent(charset, ident) ? TSeValue::Ident(ident) : TSeValue::Integer(charset);
                        return true;
                    },
                    [get, charsetName](TSeSkinObject& o, const TSeValue& v) {
                        int charset = 0;
                        if (v.type == TSeValueType::Ident) {
                            if (!IdentToCharset(v.text, charset))
                                InvalidValue(charsetName);
                        } else {
                            charset = checkedInt(v, charsetName);
                            if (charset < 0 || charset > 255)
                                InvalidValue(charsetName);
                        }
                        get(o)->SetCharset(TFontCharset(charset));
                    }});
    const std::string colorName = prefix + "Color";
    list.push_back({colorName,
                    [get](const TSeSkinObject& o, TSeValue& v) {
                        v = colorValue(get(o)->Color());
                        return true;
                    },
                    [get, colorName](TSeSkinObject& o, const TSeValue& v) {
                        get(o)->SetColor(readColor(v, colorName));
                    }});
    const std::string heightName = prefix + "Height";
    list.push_back({heightName,
                    [get](const TSeSkinObject& o, TSeValue& v) {
                        v = TSeValue::Integer(get(o)->Height());
                        return true;
                    },
                    [get, heightName](TSeSkinObject& o, const TSeValue& v) {
                        get(o)->SetHeight(checkedInt(v, heightName));
                    }});
    const std::string nameName = prefix + "Name";
    list.push_back({nameName,
                    [get](const TSeSkinObject& o, TSeValue& v) {
                        if (get(o)->Name().empty())
                            return false;
                        v = TSeValue::String(get(o)->Name());
                        return true;
                    },
                    [get, nameName](TSeSkinObject& o, const TSeValue& v) {
                        if (v.type != TSeValueType::String)
                            InvalidValue(nameName);
                        get(o)->SetName(v.text);
                    }});
    const std::string styleName = prefix + "Style";
    list.push_back({styleName,
                    [get](const TSeSkinObject& o, TSeValue& v) {
                        v.type = TSeValueType::Set;
                        const TFontStyles style = get(o)->Style();
                        for (int i = 0; i < SeFontStyleNames.count; ++i)
                            if (style.Contains(TFontStyle(i)))
                                v.items.push_back(SeFontStyleNames.names[i]);
                        return true;
                    },
                    [get, styleName](TSeSkinObject& o, const TSeValue& v) {
                        if (v.type != TSeValueType::Set)
                            InvalidValue(styleName);
                        TFontStyles style;
                        for (const std::string& item : v.items) {
                            const int ordinal = FindEnumName(SeFontStyleNames, item.data(), item.size());
                            if (ordinal < 0)
                                InvalidValue(styleName);
                            style.Include(TFontStyle(ordinal));
                        }
                        get(o)->SetStyle(style);
                    }});
}

void AddLink(TSePropertyList& list, const char* name, LinkGet get)
{
    const std::string prefix = std::string(name) + ".";
    const std::string nameName = prefix + "Name";
    list.push_back({nameName,
                    [get](const TSeSkinObject& o, TSeValue& v) {
                        if (get(o)->Name().empty())
                            return false;
                        v = TSeValue::String(get(o)->Name());
                        return true;
                    },
                    [get, nameName](TSeSkinObject& o, const TSeValue& v) {
                        if (v.type != TSeValueType::String)
                            InvalidValue(nameName);
                        get(o)->SetName(v.text);
                    }});
    struct Side {
        const char* name;
        int (TSeBitmapLink::*read)() const;
        void (TSeBitmapLink::*write)(int);
    };
    static constexpr Side sides[] = {{"Left", &TSeBitmapLink::Left, &TSeBitmapLink::SetLeft},
                                     {"Top", &TSeBitmapLink::Top, &TSeBitmapLink::SetTop},
                                     {"Right", &TSeBitmapLink::Right, &TSeBitmapLink::SetRight},
                                     {"Bottom", &TSeBitmapLink::Bottom, &TSeBitmapLink::SetBottom}};
    for (const Side& side : sides) {
        const std::string full = prefix + side.name;
        const auto read = side.read;
        const auto write = side.write;
        list.push_back({full,
                        [get, read](const TSeSkinObject& o, TSeValue& v) {
                            v = TSeValue::Integer((get(o)->*read)());
                            return true;
                        },
                        [get, write, full](TSeSkinObject& o, const TSeValue& v) {
                            (get(o)->*write)(checkedInt(v, full));
                        }});
    }
}

} // namespace SeProps
