#pragma once
// The key table: twenty key rows in the key list, each with a sound file, a
// volume and a loop flag; "Key.ini" keeps the files and volumes, and every
// change goes to the player at once. The main window's handlers for the key
// list, its menu and the key volume track bar call in here.

#include <array>
#include <optional>
#include <string>

class TListView;
class TListItem;
class TPlayerControl;

namespace brio {

inline constexpr int KeyRowCount = 20;

// The key's name as the rows and the key labels show it: "0".."9", "A", ..., ";".
const char* KeyRowName(int row);
std::string KeyTableFile();

// What the key table needs from the window that shows it.
class KeyTableView {
public:
    virtual ~KeyTableView() = default;
    virtual int keyVolumePosition() const = 0;
    // Moves the key volume track bar, which keeps the value within 0..100
    // and, when its position changed, runs trVolChange.
    virtual void setKeyVolumePosition(int value) = 0;
    virtual void showKeyDetails(const std::string& caption, const std::string& file) = 0;
    // The open dialog for a key's sound: the chosen full path, or nothing.
    virtual std::optional<std::string> chooseSoundFile() = 0;
    virtual void showMessage(const std::string& text) = 0;
};

class KeyTable {
public:
    KeyTable(TListView& list, TPlayerControl& player, KeyTableView& view);

    // The twenty rows, each with its own image and two empty sub-items.
    static void fillRows(TListView& list);
    void LoadKeyTable();
    // A refused write raises EIniFileException.
    void SaveKeyTable();
    void SendLoopFlags();
    // Unticks every row without telling the player.
    void clearLoopFlags();

    void sslListSelectItem(TListItem* item, bool selected);
    void sslList1Click();
    void sslList1DblClick();
    void CustomItem10Click();
    // A row was ticked or unticked; a mouse tick is followed by a click,
    // which sends the flags, a keyboard tick is not.
    void itemChecked(bool byMouse);
    void trVolChange(int position);

    // Sub-item texts of a row.
    std::string volumeText(int row) const;
    std::string soundFile(int row) const;
    // What the next save writes for the row.
    std::string storedSound(int row) const;

private:
    TListItem* row(int index) const;
    void setSubItem(TListItem* item, int index, const std::string& text);

    TListView& list_;
    TPlayerControl& player_;
    KeyTableView& view_;
    // The stored text of a row whose file was missing at load: written back
    // as it was, so that an unmounted drive does not wipe the key.
    std::array<std::optional<std::string>, KeyRowCount> keptSound_;
};

// A volume text read as a number, 0 when it is none.
int VolumeOf(const std::string& text);

} // namespace brio
