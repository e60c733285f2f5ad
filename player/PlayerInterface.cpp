#include "player/PlayerInterface.h"

#include "platform/images/PngIo.h"
#include "platform/WinUserMessages.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace player {

namespace {

constexpr std::size_t MaxFileBytes = 1 << 20;
constexpr int MaxPanelSide = 4096;

// Lines may still end in the CR of a CRLF.
std::string Trim(std::string_view text) { return brio::asciiTrim(text, " \t\r\n"); }

std::vector<std::string> SplitFields(const std::string& text, char separator)
{
    std::vector<std::string> fields;
    std::stringstream in(text);
    std::string field;
    while (std::getline(in, field, separator))
        fields.push_back(Trim(field));
    if (!text.empty() && text.back() == separator)
        fields.push_back({});
    return fields;
}

std::optional<int> ParseInt(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

std::optional<COLORREF> ParseColor(const std::string& text)
{
    if (text.size() == 7 && text[0] == '#') {
        unsigned value = 0;
        auto [ptr, ec] = std::from_chars(text.data() + 1, text.data() + 7, value, 16);
        if (ec != std::errc{} || ptr != text.data() + 7)
            return std::nullopt;
        return RGB(int(value >> 16) & 0xFF, int(value >> 8) & 0xFF, int(value) & 0xFF);
    }
    std::vector<std::string> parts = SplitFields(text, ',');
    if (parts.size() != 3)
        return std::nullopt;
    int channel[3];
    for (int i = 0; i < 3; ++i) {
        std::optional<int> v = ParseInt(parts[std::size_t(i)]);
        if (!v || *v < 0 || *v > 255)
            return std::nullopt;
        channel[i] = *v;
    }
    return RGB(channel[0], channel[1], channel[2]);
}

std::optional<FontSpec> ParseFont(const std::string& text)
{
    std::vector<std::string> parts = SplitFields(text, ',');
    if (parts.size() < 2 || parts[0].empty() || parts[0].size() >= 32)
        return std::nullopt;
    std::optional<int> height = ParseInt(parts[1]);
    if (!height || *height < 6 || *height > 72)
        return std::nullopt;
    FontSpec font;
    font.face = parts[0];
    font.height = *height;
    for (std::size_t i = 2; i < parts.size(); ++i) {
        std::string flag = brio::asciiLower(parts[i]);
        if (flag == "bold")
            font.bold = true;
        else if (flag == "italic")
            font.italic = true;
        else
            return std::nullopt;
    }
    return font;
}

// x, y, width, height; the rectangle must lie inside the panel.
std::optional<RECT> ParseRect(const std::string& text, int panelWidth, int panelHeight)
{
    std::vector<std::string> parts = SplitFields(text, ',');
    if (parts.size() != 4)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        std::optional<int> n = ParseInt(parts[std::size_t(i)]);
        if (!n)
            return std::nullopt;
        v[i] = *n;
    }
    if (v[0] < 0 || v[1] < 0 || v[2] <= 0 || v[3] <= 0 || v[2] > panelWidth - v[0] || v[3] > panelHeight - v[1])
        return std::nullopt;
    return RECT{v[0], v[1], v[0] + v[2], v[1] + v[3]};
}

// Fills the key rectangles row by row (or column by column) in a grid.
void LayOutGrid(PlayerInterface& ui, int columns, int rows, RECT area, int gap, bool byColumns)
{
    const int cellWidth = (int(area.right - area.left) - gap * (columns - 1)) / columns;
    const int cellHeight = (int(area.bottom - area.top) - gap * (rows - 1)) / rows;
    for (int row = 0; row < KeyRows; ++row) {
        int column = byColumns ? row / rows : row % columns;
        int line = byColumns ? row % rows : row / columns;
        int x = int(area.left) + column * (cellWidth + gap);
        int y = int(area.top) + line * (cellHeight + gap);
        ui.keys[std::size_t(row)].rect = RECT{x, y, x + cellWidth, y + cellHeight};
    }
}

struct Entry {
    std::string section; // lower case
    std::string key;     // lower case
    std::string value;
    int line = 0;
};

class Parser {
public:
    Parser(PlayerInterface& ui, std::string folder) : ui_(ui), folder_(std::move(folder)) {}

    void run(const std::string& text)
    {
        std::vector<Entry> entries = read(text);
        // The size first: rectangles are checked against it.
        for (const Entry& e : entries)
            if (e.section == "interface")
                applyInterface(e);
        for (const Entry& e : entries)
            if (e.section == "keys")
                applyKeys(e);
        // The shared style before the per-state ones, whatever the order in the file.
        for (const Entry& e : entries)
            if (e.section == "style")
                for (int s = 0; s < CapStateCount; ++s)
                    applyStyle(ui_.styles[std::size_t(s)], e);
        for (const Entry& e : entries) {
            if (e.section == "status")
                applyStatus(e);
            else if (e.section.rfind("style.", 0) == 0)
                applyStateStyle(e);
            else if (e.section.rfind("key.", 0) == 0)
                applyKey(e);
        }
    }

private:
    std::vector<Entry> read(const std::string& text)
    {
        std::vector<Entry> entries;
        std::stringstream in(text);
        std::string line, section;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            line = Trim(line);
            if (line.empty() || line[0] == ';' || line[0] == '#')
                continue;
            if (line.front() == '[' && line.back() == ']') {
                section = brio::asciiLower(Trim(line.substr(1, line.size() - 2)));
                continue;
            }
            std::size_t equals = line.find('=');
            if (equals == std::string::npos) {
                warn(number, "\"" + line + "\" is not an entry");
                continue;
            }
            entries.push_back({section, brio::asciiLower(Trim(line.substr(0, equals))), Trim(line.substr(equals + 1)), number});
        }
        return entries;
    }

    void warn(int line, const std::string& what)
    {
        ui_.warnings.push_back("line " + std::to_string(line) + ": " + what);
    }
    void badValue(const Entry& e) { warn(e.line, "bad value \"" + e.value + "\" for " + e.key + ", default kept"); }

    void applyInterface(const Entry& e)
    {
        if (e.key == "name")
            ui_.name = e.value;
        else if (e.key == "author")
            ui_.author = e.value;
        else if (e.key == "size")
            applySize(e);
        else if (e.key == "background")
            applyBackground(e);
    }

    void applySize(const Entry& e)
    {
        std::vector<std::string> parts = SplitFields(brio::asciiLower(e.value), 'x');
        std::optional<int> w = parts.size() == 2 ? ParseInt(parts[0]) : std::nullopt;
        std::optional<int> h = parts.size() == 2 ? ParseInt(parts[1]) : std::nullopt;
        if (!w || !h || *w < 64 || *h < 64 || *w > MaxPanelSide || *h > MaxPanelSide)
            return badValue(e);
        ui_.width = *w;
        ui_.height = *h;
    }

    void applyBackground(const Entry& e)
    {
        if (std::optional<COLORREF> color = ParseColor(e.value)) {
            ui_.background = *color;
            return;
        }
        if (e.value.empty() || e.value[0] == '#')
            return badValue(e);
        std::string path = e.value[0] == '/' || folder_.empty() ? e.value : folder_ + "/" + e.value;
        try {
            ui_.backgroundImage = ReadPng(path);
        } catch (const std::exception& error) {
            warn(e.line, std::string("background picture not used: ") + error.what());
        }
    }

    void applyKeys(const Entry& e)
    {
        if (e.key != "grid")
            return;
        // columns, rows, x, y, width, height, gap[, columns|rows]
        std::vector<std::string> parts = SplitFields(e.value, ',');
        if (parts.size() != 7 && parts.size() != 8)
            return badValue(e);
        int v[7];
        for (int i = 0; i < 7; ++i) {
            std::optional<int> n = ParseInt(parts[std::size_t(i)]);
            if (!n)
                return badValue(e);
            v[i] = *n;
        }
        bool byColumns = parts.size() == 8 && brio::asciiLower(parts[7]) == "columns";
        if (parts.size() == 8 && !byColumns && brio::asciiLower(parts[7]) != "rows")
            return badValue(e);
        std::optional<RECT> area = ParseRect(parts[2] + "," + parts[3] + "," + parts[4] + "," + parts[5],
                                             ui_.width, ui_.height);
        const int columns = v[0], rows = v[1], gap = v[6];
        // Bounded first, so that the products below cannot overflow.
        if (columns > MaxPanelSide || rows > MaxPanelSide || gap > MaxPanelSide)
            return badValue(e);
        if (!area || columns < 1 || rows < 1 || columns * rows < KeyRows || gap < 0 ||
            (area->right - area->left) - gap * (columns - 1) < columns * 8 ||
            (area->bottom - area->top) - gap * (rows - 1) < rows * 8)
            return badValue(e);
        LayOutGrid(ui_, columns, rows, *area, gap, byColumns);
    }

    void applyStatus(const Entry& e)
    {
        if (e.key == "rect") {
            if (std::optional<RECT> r = ParseRect(e.value, ui_.width, ui_.height))
                ui_.statusRect = *r;
            else
                badValue(e);
        } else if (e.key == "color" || e.key == "accent") {
            if (std::optional<COLORREF> c = ParseColor(e.value))
                (e.key == "color" ? ui_.statusText : ui_.statusAccent) = *c;
            else
                badValue(e);
        } else if (e.key == "font") {
            if (std::optional<FontSpec> f = ParseFont(e.value))
                ui_.statusFont = *f;
            else
                badValue(e);
        }
    }

    void applyStateStyle(const Entry& e)
    {
        std::string name = e.section.substr(6);
        for (int s = 0; s < CapStateCount; ++s)
            if (name == CapStateName(CapState(s)))
                return applyStyle(ui_.styles[std::size_t(s)], e);
    }

    void applyStyle(CapStyle& style, const Entry& e)
    {
        COLORREF* color = e.key == "face"     ? &style.face
                          : e.key == "edge"   ? &style.edge
                          : e.key == "label"  ? &style.label
                          : e.key == "text"   ? &style.text
                          : e.key == "accent" ? &style.accent
                                              : nullptr;
        if (color) {
            if (std::optional<COLORREF> c = ParseColor(e.value))
                *color = *c;
            else
                badValue(e);
            return;
        }
        FontSpec* font = e.key == "labelfont" ? &style.labelFont : e.key == "textfont" ? &style.textFont : nullptr;
        if (font) {
            if (std::optional<FontSpec> f = ParseFont(e.value))
                *font = *f;
            else
                badValue(e);
        }
    }

    void applyKey(const Entry& e)
    {
        std::optional<int> row = ParseInt(e.section.substr(4));
        if (!row || *row < 0 || *row >= KeyRows) {
            warn(e.line, "no key row \"" + e.section.substr(4) + "\"");
            return;
        }
        KeySpec& key = ui_.keys[std::size_t(*row)];
        if (e.key == "rect") {
            if (std::optional<RECT> r = ParseRect(e.value, ui_.width, ui_.height))
                key.rect = *r;
            else
                badValue(e);
        } else if (e.key == "trigger") {
            if (int vk = VirtualKeyFromName(e.value))
                key.virtualKey = vk;
            else
                badValue(e);
        } else if (e.key == "label") {
            if (!e.value.empty() && e.value.size() <= 16)
                key.label = e.value;
            else
                badValue(e);
        }
    }

    PlayerInterface& ui_;
    std::string folder_;
};

} // namespace

const char* CapStateName(CapState state)
{
    switch (state) {
    case CapState::Empty: return "empty";
    case CapState::Assigned: return "assigned";
    case CapState::Playing: return "playing";
    case CapState::Looping: return "looping";
    case CapState::Unplayable: return "unplayable";
    }
    return "empty";
}

int DefaultTriggerKey(int row)
{
    static const char rowTen[] = "ASDFGHJKL";
    if (row >= 0 && row < 10)
        return '0' + row;
    if (row >= 10 && row < 19)
        return rowTen[row - 10];
    return row == 19 ? VK_OEM_1 : 0;
}

std::string DefaultKeyLabel(int row)
{
    static const char* labels[KeyRows] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                          "A", "S", "D", "F", "G", "H", "J", "K", "L", ";"};
    return row >= 0 && row < KeyRows ? labels[row] : "";
}

int VirtualKeyFromName(const std::string& name)
{
    if (name.size() == 1) {
        char c = brio::asciiUpper(name[0]);
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))
            return c;
        static const struct {
            char c;
            int vk;
        } punctuation[] = {{';', VK_OEM_1},     {'=', VK_OEM_PLUS}, {',', VK_OEM_COMMA}, {'-', VK_OEM_MINUS},
                           {'.', VK_OEM_PERIOD}, {'/', VK_OEM_2},    {'`', VK_OEM_3},     {'[', 0xDB},
                           {'\\', 0xDC},         {']', 0xDD},        {'\'', 0xDE}};
        for (const auto& p : punctuation)
            if (p.c == c)
                return p.vk;
        return 0;
    }
    std::string lower = brio::asciiLower(name);
    if (lower == "space")
        return VK_SPACE;
    if (lower.size() >= 2 && lower[0] == 'f') {
        std::optional<int> n = ParseInt(lower.substr(1));
        if (n && *n >= 1 && *n <= 12)
            return VK_F1 + *n - 1;
    }
    if (lower.size() == 4 && lower.rfind("num", 0) == 0 && lower[3] >= '0' && lower[3] <= '9')
        return VK_NUMPAD0 + (lower[3] - '0');
    return 0;
}

PlayerInterface DefaultPlayerInterface()
{
    PlayerInterface ui;
    LayOutGrid(ui, 5, 4, RECT{8, 30, 472, 232}, 6, false);
    for (int row = 0; row < KeyRows; ++row) {
        ui.keys[std::size_t(row)].virtualKey = DefaultTriggerKey(row);
        ui.keys[std::size_t(row)].label = DefaultKeyLabel(row);
    }
    CapStyle& empty = ui.styles[std::size_t(CapState::Empty)];
    empty.face = RGB(0x24, 0x25, 0x29);
    empty.edge = RGB(0x30, 0x32, 0x37);
    empty.label = RGB(0x6A, 0x6E, 0x76);
    empty.text = RGB(0x55, 0x59, 0x60);
    CapStyle& playing = ui.styles[std::size_t(CapState::Playing)];
    playing.face = RGB(0x4A, 0x33, 0x1C);
    playing.edge = RGB(0xF2, 0x8C, 0x28);
    playing.label = RGB(0xFF, 0xFF, 0xFF);
    playing.text = RGB(0xF0, 0xD8, 0xC0);
    playing.accent = RGB(0xFF, 0xA2, 0x40);
    CapStyle& looping = ui.styles[std::size_t(CapState::Looping)];
    looping.face = RGB(0x1C, 0x3A, 0x4A);
    looping.edge = RGB(0x3C, 0xB4, 0xE6);
    looping.label = RGB(0xFF, 0xFF, 0xFF);
    looping.text = RGB(0xC8, 0xE4, 0xF0);
    looping.accent = RGB(0x3C, 0xB4, 0xE6);
    CapStyle& unplayable = ui.styles[std::size_t(CapState::Unplayable)];
    unplayable.face = RGB(0x3A, 0x22, 0x24);
    unplayable.edge = RGB(0xB0, 0x3A, 0x3A);
    unplayable.label = RGB(0xE0, 0xA0, 0xA0);
    unplayable.text = RGB(0xD0, 0x80, 0x80);
    unplayable.accent = RGB(0xE0, 0x50, 0x50);
    return ui;
}

PlayerInterface ParsePlayerInterface(const std::string& text, const std::string& folder)
{
    PlayerInterface ui = DefaultPlayerInterface();
    Parser(ui, folder).run(text);
    return ui;
}

PlayerInterface LoadPlayerInterface(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("Cannot open " + path + ": " + std::strerror(errno));
    std::string text;
    char buffer[8192];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, std::size_t(in.gcount()));
        if (text.size() > MaxFileBytes)
            throw std::runtime_error(path + " is too large for a player interface");
    }
    if (in.bad())
        throw std::runtime_error("Cannot read " + path);
    if (text.find('\0') != std::string::npos)
        throw std::runtime_error(path + " is not a text file");
    std::string lower = brio::asciiLower(text);
    if (lower.find("[interface]") == std::string::npos)
        throw std::runtime_error(path + " has no [interface] section");
    std::size_t slash = path.find_last_of('/');
    PlayerInterface ui = ParsePlayerInterface(text, slash == std::string::npos ? "." : path.substr(0, slash));
    ui.path = path;
    return ui;
}

} // namespace player
