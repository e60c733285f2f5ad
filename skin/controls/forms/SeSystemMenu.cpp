// The system menu: a linked menu when there is one, otherwise the built-in
// one, whose entries follow the border icons and the window state.

#include "skin/controls/forms/SeCustomForm.h"

#include "skin/controls/forms/SeFormPopupMenu.h"
#include "skin/controls/forms/SeSkinForm.h"
#include "skin/controls/menus/SeCustomItem.h"
#include "skin/controls/menus/SeCustomPopupMenu.h"

#include "ui/component/Exception.h"
#include "ui/forms/Form.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImageList.h"

#include <array>

namespace {

constexpr const char* kRestoreText = "&Restore";
constexpr const char* kMinimizeText = "Mi&nimize";
constexpr const char* kMaximizeText = "Ma&ximize";
constexpr const char* kRollupText = "Ro&llup";
constexpr const char* kTrayText = "Minimize to &Tray";
constexpr const char* kCloseText = "&Close";

// Image indices in the menu's image list, in the order of these names.
constexpr std::array<const char*, 6> kImageNames{"SE_FORM_CLOSE",   "SE_FORM_MINIMIZE", "SE_FORM_MAXIMIZE",
                                                 "SE_FORM_RESTORE", "SE_FORM_ROLLUP",   "SE_FORM_TRAY"};
enum : int { kImageClose, kImageMinimize, kImageMaximize, kImageRestore, kImageRollup, kImageTray };

} // namespace

TPopupMenu* TSeCustomForm::BuildSystemMenu()
{
    if (!builtInMenu_)
        builtInMenu_ = CreateFormPopupMenu(this);
    if (!menuImages_) {
        menuImages_ = new TImageList(this);
        menuImages_->SetSize(16, 16);
        for (const char* name : kImageNames) {
            TBitmap image;
            try {
                image.LoadFromResourceName(nullptr, name);
            } catch (const EResNotFound&) {
                image.SetSize(16, 16);
            }
            menuImages_->AddMasked(&image, clFuchsia);
        }
    }
    auto* menu = static_cast<TSeCustomPopupMenu*>(builtInMenu_);
    menu->SetImages(menuImages_);
    if (auto* skinned = dynamic_cast<TSeSkinForm*>(this))
        SetFormMenuEngine(menu, skinned->SkinEngine());
    TSeCustomItem* items = menu->Items();
    items->Clear();
    auto add = [&](const char* caption, int image) {
        TSeCustomItem* item = items->CreateItem(builtInMenu_);
        item->SetCaption(caption);
        item->SetImageIndex(image);
        std::string text = caption;
        item->OnClick = [this, text](TObject*) { runMenuCommand(text); };
        items->Add(item);
        return item;
    };
    TSeWindowState state = windowState_;
    bool normal = state == kwsNormal, maximized = state == kwsMaximized, rolledUp = state == kwsRollup;
    if (!normal)
        add(kRestoreText, kImageRestore);
    if (borderIcons_.Contains(kbiMinimize) && (normal || maximized || rolledUp))
        add(kMinimizeText, kImageMinimize);
    if (borderIcons_.Contains(kbiMaximize) && (normal || rolledUp))
        add(kMaximizeText, kImageMaximize);
    if (borderIcons_.Contains(kbiRollup) && (normal || maximized))
        add(kRollupText, kImageRollup);
    if (borderIcons_.Contains(kbiTray) && (normal || maximized || rolledUp))
        add(kTrayText, kImageTray);
    if (borderIcons_.Contains(kbiClose)) {
        if (items->Count() > 0)
            add("-", -1);
        add(kCloseText, kImageClose)->SetShortCut(TextToShortCut("Alt+F4"));
    }
    return builtInMenu_;
}

void TSeCustomForm::runMenuCommand(const std::string& caption)
{
    if (caption == kCloseText)
        Close();
    else if (caption == kMaximizeText)
        Maximize();
    else if (caption == kMinimizeText)
        Minimize();
    else if (caption == kRollupText)
        Rollup();
    else if (caption == kTrayText)
        MinimizeToTray();
    else if (caption == kRestoreText)
        Restore();
}

void TSeCustomForm::ShowSystemMenu()
{
    POINT at{};
    if (windowState_ == kwsTray) {
        GetCursorPos(&at);
    } else if (menuPointSet_) {
        at = menuPoint_;
    } else if (form_) {
        TPoint origin = form_->ClientOrigin();
        at = POINT{origin.x, origin.y};
    }
    menuPointSet_ = false;
    if (windowState_ == kwsTray && trayMenuLink_) {
        ApplyFormMenuOptions(trayMenuLink_, trayMenuOptions_.get());
        trayMenuLink_->Popup(at.x, at.y);
        return;
    }
    if (windowState_ != kwsTray && systemMenuLink_) {
        ApplyFormMenuOptions(systemMenuLink_, systemMenuOptions_.get());
        systemMenuLink_->Popup(at.x, at.y);
        return;
    }
    TPopupMenu* menu = BuildSystemMenu();
    ApplyFormMenuOptions(menu, systemMenuOptions_.get());
    menu->Popup(at.x, at.y);
}
