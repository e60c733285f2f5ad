#pragma once
// What the movie variables that the host sets mean to the key panel. Values
// it cannot use (not a number, a row outside 0..19, "currentIndex" without a
// "currentFn" before it) are ignored.

#include <string>

namespace player {

// The effects a variable can have, in the order the variables arrive.
class PlayerCommands {
public:
    virtual ~PlayerCommands() = default;
    virtual void setSoundSwitch(bool on) = 0;
    virtual void setMasterVolume(int percent) = 0;
    virtual void setKeyVolume(int row, int percent) = 0;
    virtual void setLoop(int row, bool loop) = 0;
    virtual void assign(int row, const std::string& path) = 0;
    // The library's preview, a voice that belongs to no key.
    virtual void preview(const std::string& path, bool loop) = 0;
    virtual void stopPreview() = 0;
};

class VariableInterpreter {
public:
    // Returns whether the variable had an effect.
    bool apply(const std::string& name, const std::string& value, PlayerCommands& commands);
    // A new interface forgets a file that waited for its row.
    void reset() { pendingFile_.clear(), hasPendingFile_ = false; }

private:
    std::string pendingFile_;
    bool hasPendingFile_ = false;
    bool previewLoop_ = false; // "previewLoop", for the next "previewFn"
};

// A whole decimal number with optional surrounding spaces; false otherwise.
bool ParsePercent(const std::string& text, int& percent);
// A key row written as the host writes it: decimal, no sign, no leading zeros.
bool ParseRow(const std::string& text, int& row);

} // namespace player
