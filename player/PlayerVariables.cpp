#include "player/PlayerVariables.h"

#include "player/PlayerInterface.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace player {

namespace {

using brio::asciiTrim;

bool ParseSwitch(const std::string& text, bool& on)
{
    std::string value = asciiTrim(text);
    if (brio::asciiEqualNoCase(value, "on"))
        on = true;
    else if (brio::asciiEqualNoCase(value, "off"))
        on = false;
    else
        return false;
    return true;
}

bool ParseFlag(const std::string& text, bool& flag)
{
    std::string value = asciiTrim(text);
    if (brio::asciiEqualNoCase(value, "true"))
        flag = true;
    else if (brio::asciiEqualNoCase(value, "false"))
        flag = false;
    else
        return false;
    return true;
}

// The row after a prefix such as "se_vol_".
bool RowAfter(const std::string& name, const char* prefix, int& row)
{
    const std::string p(prefix);
    return name.size() > p.size() && name.compare(0, p.size(), p) == 0 && ParseRow(name.substr(p.size()), row);
}

} // namespace

bool ParsePercent(const std::string& text, int& percent)
{
    std::string value = asciiTrim(text);
    int parsed = 0;
    const char* end = value.data() + value.size();
    auto [ptr, ec] = std::from_chars(value.data(), end, parsed);
    if (value.empty() || ec != std::errc{} || ptr != end)
        return false;
    percent = std::clamp(parsed, 0, 100);
    return true;
}

bool ParseRow(const std::string& text, int& row)
{
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[0] == '0'))
        return false;
    int parsed = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        parsed = parsed * 10 + (c - '0');
    }
    if (parsed >= KeyRows)
        return false;
    row = parsed;
    return true;
}

bool VariableInterpreter::apply(const std::string& name, const std::string& value, PlayerCommands& commands)
{
    int row = 0;
    int percent = 0;
    bool flag = false;
    if (name == "playerSoundSwitch" || name == "preSwitch") {
        if (!ParseSwitch(value, flag))
            return false;
        commands.setSoundSwitch(flag);
    } else if (name == "playerSoundVol" || name == "preVol") {
        // After a key's volume change the host sends a date here: not a number, ignored.
        if (!ParsePercent(value, percent))
            return false;
        commands.setMasterVolume(percent);
    } else if (RowAfter(name, "se_vol_", row)) {
        if (!ParsePercent(value, percent))
            return false;
        commands.setKeyVolume(row, percent);
    } else if (RowAfter(name, "loopFlag_", row)) {
        if (!ParseFlag(value, flag))
            return false;
        commands.setLoop(row, flag);
    } else if (name == "previewLoop") {
        if (!ParseFlag(value, flag))
            return false;
        previewLoop_ = flag;
    } else if (name == "previewFn") {
        if (value.empty())
            return false;
        commands.preview(value, previewLoop_);
    } else if (name == "previewStop") {
        commands.stopPreview();
    } else if (name == "currentFn") {
        pendingFile_ = value;
        hasPendingFile_ = true;
    } else if (name == "currentIndex") {
        // The pair is used up either way, so a stray index never reuses an old file.
        bool hadFile = hasPendingFile_;
        std::string path = std::move(pendingFile_);
        reset();
        if (!hadFile || !ParseRow(asciiTrim(value), row))
            return false;
        commands.assign(row, path);
    } else {
        return false;
    }
    return true;
}

} // namespace player
