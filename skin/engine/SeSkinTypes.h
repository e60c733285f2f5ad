#pragma once
// Enumerations of the skin object model (streamed by name, in ordinal
// order), the skin library's private messages and the seam through which
// caption buttons reach their form-skinning component.

#include "platform/WinTypes.h"
#include "ui/component/Set.h"

#include <cstdint>
#include <string_view>

class TSeSkinObject;

enum TSeAlign : std::uint8_t {
    saNone, saLeft, saMostLeft, saTop, saMostTop, saRight, saMostRight, saBottom, saMostBottom, saClient,
    saTopLeft, saTopRight, saBottomLeft, saBottomRight, saCenter, saText,
};
// skTranparent is spelled as skin streams store it.
enum TSeKind : std::uint8_t {
    skNone, skForm, skCaption, skTitle, skTop, skLeft, skRight, skBottom, skTopLeft, skTopRight, skBottomLeft,
    skBottomRight, skSysButton, skClient, skMenuBar, skMenuBarItem, skMenuBarItemText, skPopupMenu,
    skPopupMenuItem, skPopupMenuItemText, skItemText, skTranparent,
};
// Scoped: taCenter would clash with the framework's TAlignment.
enum class TSeTextAlign : std::uint8_t {
    taTopLeft, taTopCenter, taTopRight, taLeft, taCenter, taRight, taBottomLeft, taBottomCenter, taBottomRight,
};
enum TSeTextEffect : std::uint8_t { teNone, teShadow };
enum TscTileStyle : std::uint8_t { tsTile, tsStretch, tsCenter };
enum TSeAction : std::uint8_t {
    sbaNone, sbaClose, sbaHelp, sbaMinimize, sbaMaximize, sbaRestore, sbaRollUp, sbaRollDown, sbaTray,
    sbaSysMenu, sbaRollPanel, sbaCustom,
};
enum TSeRollKind : std::uint8_t { rkLeft, rkTop, rkRight, rkBottom };

// Identifier names per enumeration, in ordinal order.
struct TSeEnumNames {
    const char* const* names;
    int count;
};
extern const TSeEnumNames SeAlignNames, SeKindNames, SeTextAlignNames, SeTextEffectNames, SeTileStyleNames,
    SeActionNames, SeRollKindNames, SeFontStyleNames;
// -1 when `name` is not one of them (exact letter case, as streams store it).
int FindEnumName(const TSeEnumNames& names, const char* name, std::size_t length);

// State codes set with ApplyState.
enum : std::uint8_t {
    SeStateNormal = 0,
    SeStateMaximized = 2,
    SeStateMinimized = 3,
    SeStateRolledUp = 4,
    SeStateHot = 5,
    SeStatePressed = 6,
    SeStateFocused = 7,
    SeStateDisabled = 8,
};

constexpr UINT SEM_SKINCHANGED = 0x06A6;
constexpr UINT SEM_SKINCHANGING = 0x06A7;
constexpr UINT SEM_SKINOBJECTCHANGED = 0x0849;
constexpr UINT SEM_GETSKINFORM = 0x084A;

enum TSeBorderIcon : std::uint8_t { kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiHelp, kbiRollup, kbiTray };
using TSeBorderIcons = TSet<TSeBorderIcon>;

// What a caption button needs of the form-skinning component. That
// component answers SEM_GETSKINFORM with a pointer to this interface (as the
// LRESULT); until one answers, buttons keep their visibility and do nothing.
class TSeSkinFormLink {
public:
    virtual TSeBorderIcons BorderIcons() const = 0;
    virtual void Close() = 0;
    virtual void ShowHelp() = 0;
    virtual void Minimize() = 0;
    virtual void Maximize() = 0;
    virtual void Restore() = 0;
    virtual void Rollup() = 0;
    virtual void MinimizeToTray() = 0;
    virtual void ShowSystemMenu() = 0;
    // The OnCustomAction event, when assigned.
    virtual void CustomAction(TSeSkinObject* button) = 0;
    // The application's hint at a screen point.
    virtual void ShowButtonHint(TSeSkinObject* button, POINT screenPoint) = 0;
    // The form's icon, or null for the application's.
    virtual HICON FormIcon() const = 0;

protected:
    ~TSeSkinFormLink() = default;
};

// Whether the user's locale reads right to left; text alignment swaps then
// for objects whose control is not left-to-right. Taken from the
// environment (LC_ALL, LC_MESSAGES, LANG) unless set.
bool SeRightToLeftLocale();
void SetSeRightToLeftLocale(bool rightToLeft);
// A locale name ("ar_EG.UTF-8", "he") whose language is written right to left.
bool SeLocaleReadsRightToLeft(std::string_view locale);
bool SeEnvironmentReadsRightToLeft();
