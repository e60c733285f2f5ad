// Shortcut lookup in a skinned menu tree.

#include "skin/controls/menus/SeMatchShortcut.h"

#include "skin/controls/menus/SeCustomItem.h"

#include "ui/component/ShortCut.h"
#include "ui/forms/Application.h"

#include <vector>

namespace {

TSeCustomItem* findVisible(TSeCustomItem* item, TShortCut shortCut)
{
    for (int i = 0; i < item->Count(); ++i) {
        TSeCustomItem* child = item->Items(i);
        if (!child->Visible())
            continue;
        if (child->ShortCut() == shortCut && !child->IsSeparator())
            return child;
        if (TSeCustomItem* found = findVisible(child, shortCut))
            return found;
    }
    return nullptr;
}

// Asks the ancestors, outermost first, to update their children; false
// when one of them changed the tree.
bool updateAncestors(TSeCustomItem* item)
{
    std::vector<TSeCustomItem*> chain;
    for (TSeCustomItem* p = item->Parent(); p; p = p->Parent())
        chain.insert(chain.begin(), p);
    const std::uint64_t before = item->TreeVersion();
    // A handler may free rows; the chain is followed by serials.
    std::vector<std::uint64_t> serials;
    for (TSeCustomItem* p : chain)
        serials.push_back(p->Serial());
    for (std::uint64_t serial : serials) {
        TSeCustomItem* p = TSeCustomItem::FromSerial(serial);
        if (!p)
            return false;
        if (p->OnBeforeDropDown)
            p->OnBeforeDropDown(p);
    }
    TSeCustomItem* root = TSeCustomItem::FromSerial(serials.front());
    return root && root->TreeVersion() == before;
}

} // namespace

bool MatchShortcut(TSeCustomItem* root, WORD key, TShiftState shift)
{
    const TShortCut shortCut = ::ShortCut(key, shift);
    if (!root || shortCut == scNone)
        return false;
    const std::uint64_t rootSerial = root->Serial();
    try {
        for (int attempt = 0; attempt <= brio::kShortcutRetries; ++attempt) {
            if (!TSeCustomItem::FromSerial(rootSerial))
                return false;
            TSeCustomItem* item = findVisible(root, shortCut);
            if (!item)
                return false;
            const std::uint64_t serial = item->Serial();
            if (!updateAncestors(item))
                continue;
            item = TSeCustomItem::FromSerial(serial);
            if (!item || !item->Enabled())
                return false;
            item->Click();
            return true;
        }
    } catch (...) {
        Application->HandleException(nullptr);
        return true;
    }
    return false;
}
