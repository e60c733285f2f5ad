#include "ui/component/ShortCut.h"

#include "platform/WinUserMessages.h"
#include "platform/text/AsciiText.h"

#include <strings.h>

namespace {

struct KeyName {
    int key;
    const char* name;
};

constexpr KeyName namedKeys[] = {
    {VK_BACK, "BkSp"},        {VK_TAB, "Tab"},           {VK_RETURN, "Enter"},      {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},      {VK_PRIOR, "PgUp"},        {VK_NEXT, "PgDn"},         {VK_END, "End"},
    {VK_HOME, "Home"},        {VK_LEFT, "Left"},         {VK_UP, "Up"},             {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},        {VK_INSERT, "Ins"},        {VK_DELETE, "Del"},        {VK_PAUSE, "Pause"},
    {VK_CAPITAL, "Caps Lock"}, {VK_NUMLOCK, "Num Lock"}, {VK_SCROLL, "Scroll Lock"}, {VK_SNAPSHOT, "PrtSc"},
    {VK_APPS, "Apps"},        {VK_MULTIPLY, "Num *"},    {VK_ADD, "Num +"},         {VK_SUBTRACT, "Num -"},
    {VK_DECIMAL, "Num ."},    {VK_DIVIDE, "Num /"},      {VK_OEM_1, ";"},           {VK_OEM_PLUS, "="},
    {VK_OEM_COMMA, ","},      {VK_OEM_MINUS, "-"},       {VK_OEM_PERIOD, "."},      {VK_OEM_2, "/"},
    {VK_OEM_3, "`"},          {VK_OEM_4, "["},           {VK_OEM_5, "\\"},          {VK_OEM_6, "]"},
    {VK_OEM_7, "'"},
};

struct Modifier {
    TShortCut bit;
    const char* prefix;
};

constexpr Modifier modifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

std::string keyName(int key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, char(key));
    if (key >= VK_F1 && key <= VK_F24)
        return "F" + std::to_string(key - VK_F1 + 1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        return "Num " + std::to_string(key - VK_NUMPAD0);
    for (const KeyName& k : namedKeys)
        if (k.key == key)
            return k.name;
    return "";
}

} // namespace

TShortCut ShortCut(std::uint16_t key, TShiftState shift)
{
    if (key & 0xFF00)
        return scNone;
    TShortCut result = key;
    if (shift.Contains(ssShift))
        result |= scShift;
    if (shift.Contains(ssCtrl))
        result |= scCtrl;
    if (shift.Contains(ssAlt))
        result |= scAlt;
    return result;
}

void ShortCutToKey(TShortCut shortCut, std::uint16_t& key, TShiftState& shift)
{
    key = shortCut & 0xFF;
    shift = {};
    if (shortCut & scShift)
        shift.Include(ssShift);
    if (shortCut & scCtrl)
        shift.Include(ssCtrl);
    if (shortCut & scAlt)
        shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut)
{
    std::string name = keyName(shortCut & 0xFF);
    if (name.empty())
        return "";
    std::string text;
    for (const Modifier& m : modifiers)
        if (shortCut & m.bit)
            text += m.prefix;
    return text + name;
}

TShortCut TextToShortCut(const std::string& text)
{
    TShortCut bits = 0;
    std::size_t at = 0;
    for (bool found = true; found;) {
        found = false;
        for (const Modifier& m : modifiers) {
            std::size_t n = std::char_traits<char>::length(m.prefix);
            if (text.size() - at > n && brio::asciiStartsWithNoCase(std::string_view(text).substr(at), m.prefix)) {
                bits |= m.bit;
                at += n;
                found = true;
            }
        }
    }
    std::string rest = text.substr(at);
    if (rest.empty())
        return scNone;
    for (int key = 1; key <= 0xFF; ++key) {
        std::string name = keyName(key);
        if (!name.empty() && brio::asciiEqualNoCase(name, rest))
            return TShortCut(bits | key);
    }
    return scNone;
}
