#include "library/KeyTable.h"

#include "app/uCommon.h"
#include "player/PlayerControl.h"
#include "ui/component/IniFile.h"
#include "ui/views/ListView.h"

#include <charconv>

namespace brio {

namespace {

constexpr const char* KeySection = "key";
constexpr const char* VolumeSection = "volumn";
constexpr int DefaultVolume = 100;
constexpr int VolumeColumn = 0;
constexpr int SoundColumn = 1;

const char* const RowNames[KeyRowCount] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
                                           "A", "S", "D", "F", "G", "H", "J", "K", "L", ";"};

} // namespace

const char* KeyRowName(int row)
{
    return row >= 0 && row < KeyRowCount ? RowNames[row] : "";
}

std::string KeyTableFile()
{
    return AppFolder + "Key.ini";
}

int VolumeOf(const std::string& text)
{
    int value = 0;
    const char* begin = text.data();
    while (begin != text.data() + text.size() && *begin == ' ')
        ++begin;
    const auto result = std::from_chars(begin, text.data() + text.size(), value);
    return result.ec == std::errc() ? value : 0;
}

KeyTable::KeyTable(TListView& list, TPlayerControl& player, KeyTableView& view)
    : list_(list), player_(player), view_(view)
{
}

TListItem* KeyTable::row(int index) const
{
    return index >= 0 && index < list_.Items()->Count() ? list_.Items()->Item(index) : nullptr;
}

void KeyTable::setSubItem(TListItem* item, int index, const std::string& text)
{
    while (item->SubItems()->Count() <= index)
        item->SubItems()->Add("");
    item->SubItems()->SetStrings(index, text);
}

std::string KeyTable::volumeText(int index) const
{
    TListItem* item = row(index);
    return item && item->SubItems()->Count() > VolumeColumn ? item->SubItems()->Strings(VolumeColumn) : "";
}

std::string KeyTable::soundFile(int index) const
{
    TListItem* item = row(index);
    return item && item->SubItems()->Count() > SoundColumn ? item->SubItems()->Strings(SoundColumn) : "";
}

std::string KeyTable::storedSound(int index) const
{
    if (index >= 0 && index < KeyRowCount && keptSound_[std::size_t(index)])
        return *keptSound_[std::size_t(index)];
    return StoredPathOf(soundFile(index));
}

void KeyTable::fillRows(TListView& list)
{
    TListItems* items = list.Items();
    items->BeginUpdate();
    items->Clear();
    for (int n = 0; n < KeyRowCount; ++n) {
        TListItem* item = items->Add();
        item->SetCaption(std::string("Key ") + RowNames[n]);
        item->SetImageIndex(n);
        item->SubItems()->Add("");
        item->SubItems()->Add("");
    }
    items->EndUpdate();
}

void KeyTable::LoadKeyTable()
{
    TIniFile ini(KeyTableFile());
    for (int n = 0; n < KeyRowCount; ++n) {
        TListItem* item = row(n);
        if (!item)
            break;
        const std::string key = std::to_string(n);
        const std::string stored = ini.ReadString(KeySection, key, "");
        const std::string full = FullPathOf(stored);
        keptSound_[std::size_t(n)].reset();
        if (IsExistingFile(full) && !HasLineBreak(full))
            setSubItem(item, SoundColumn, full);
        else if (!stored.empty())
            keptSound_[std::size_t(n)] = stored;
        setSubItem(item, VolumeColumn, std::to_string(ini.ReadInteger(VolumeSection, key, DefaultVolume)));
    }
}

void KeyTable::SaveKeyTable()
{
    TIniFile ini(KeyTableFile());
    for (int n = 0; n < KeyRowCount && row(n); ++n) {
        const std::string key = std::to_string(n);
        ini.WriteString(KeySection, key, storedSound(n));
        ini.WriteInteger(VolumeSection, key, VolumeOf(volumeText(n)));
    }
}

void KeyTable::SendLoopFlags()
{
    for (int n = 0; n < KeyRowCount; ++n) {
        TListItem* item = row(n);
        player_.SetVariable("loopFlag_" + std::to_string(n), item && item->Checked() ? "true" : "false");
    }
}

void KeyTable::clearLoopFlags()
{
    for (int n = 0; n < list_.Items()->Count(); ++n)
        row(n)->SetChecked(false);
}

void KeyTable::sslListSelectItem(TListItem* item, bool)
{
    if (!item)
        return;
    view_.showKeyDetails(item->Caption(), soundFile(item->Index()));
    view_.setKeyVolumePosition(VolumeOf(volumeText(item->Index())));
}

void KeyTable::trVolChange(int position)
{
    TListItem* selected = list_.Selected();
    if (!selected)
        return;
    const std::string text = std::to_string(position);
    setSubItem(selected, VolumeColumn, text);
    player_.SetVariable("se_vol_" + std::to_string(selected->Index()), text);
    // The master volume, so that the player's mix stays where the user put it.
    player_.SetVariable("playerSoundVol", std::to_string(Settings.volumn));
}

void KeyTable::sslList1Click()
{
    SendLoopFlags();
}

void KeyTable::itemChecked(bool byMouse)
{
    if (!byMouse)
        SendLoopFlags();
}

void KeyTable::sslList1DblClick()
{
    TListItem* selected = list_.Selected();
    if (!selected)
        return;
    const std::optional<std::string> chosen = view_.chooseSoundFile();
    if (!chosen || chosen->empty())
        return;
    if (HasLineBreak(*chosen)) {
        view_.showMessage("A sound file whose name holds a line break cannot be used. Please rename it and choose it again.");
        return;
    }
    const int index = selected->Index();
    setSubItem(selected, SoundColumn, *chosen);
    keptSound_[std::size_t(index)].reset();
    player_.SetVariable("currentFn", *chosen);
    player_.SetVariable("currentIndex", std::to_string(index));
    view_.showKeyDetails(selected->Caption(), *chosen);
}

void KeyTable::CustomItem10Click()
{
    TListItem* selected = list_.Selected();
    if (!selected)
        return;
    selected->SetChecked(true);
    sslList1Click();
}

} // namespace brio
