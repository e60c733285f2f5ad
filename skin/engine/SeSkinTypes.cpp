#include "skin/engine/SeSkinTypes.h"

#include <cstdlib>
#include <optional>

namespace {

const char* const alignNames[] = {"saNone", "saLeft", "saMostLeft", "saTop", "saMostTop", "saRight",
                                  "saMostRight", "saBottom", "saMostBottom", "saClient", "saTopLeft",
                                  "saTopRight", "saBottomLeft", "saBottomRight", "saCenter", "saText"};
const char* const kindNames[] = {"skNone", "skForm", "skCaption", "skTitle", "skTop", "skLeft", "skRight",
                                 "skBottom", "skTopLeft", "skTopRight", "skBottomLeft", "skBottomRight",
                                 "skSysButton", "skClient", "skMenuBar", "skMenuBarItem", "skMenuBarItemText",
                                 "skPopupMenu", "skPopupMenuItem", "skPopupMenuItemText", "skItemText",
                                 "skTranparent"};
const char* const textAlignNames[] = {"taTopLeft",  "taTopCenter",  "taTopRight",     "taLeft",        "taCenter",
                                      "taRight",    "taBottomLeft", "taBottomCenter", "taBottomRight"};
const char* const textEffectNames[] = {"teNone", "teShadow"};
const char* const tileStyleNames[] = {"tsTile", "tsStretch", "tsCenter"};
const char* const actionNames[] = {"sbaNone",    "sbaClose",   "sbaHelp",     "sbaMinimize",
                                   "sbaMaximize", "sbaRestore", "sbaRollUp",   "sbaRollDown",
                                   "sbaTray",    "sbaSysMenu", "sbaRollPanel", "sbaCustom"};
const char* const rollKindNames[] = {"rkLeft", "rkTop", "rkRight", "rkBottom"};
const char* const fontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

template <std::size_t N>
constexpr TSeEnumNames names(const char* const (&list)[N])
{
    return TSeEnumNames{list, int(N)};
}


} // namespace

const TSeEnumNames SeAlignNames = names(alignNames);
const TSeEnumNames SeKindNames = names(kindNames);
const TSeEnumNames SeTextAlignNames = names(textAlignNames);
const TSeEnumNames SeTextEffectNames = names(textEffectNames);
const TSeEnumNames SeTileStyleNames = names(tileStyleNames);
const TSeEnumNames SeActionNames = names(actionNames);
const TSeEnumNames SeRollKindNames = names(rollKindNames);
const TSeEnumNames SeFontStyleNames = names(fontStyleNames);

int FindEnumName(const TSeEnumNames& names, const char* name, std::size_t length)
{
    // Compared in place: most names differ within their first few letters.
    for (int i = 0; i < names.count; ++i) {
        const char* candidate = names.names[i];
        std::size_t k = 0;
        while (k < length && candidate[k] != '\0' && candidate[k] == name[k])
            ++k;
        if (k == length && candidate[k] == '\0')
            return i;
    }
    return -1;
}

namespace {

// Taken from the environment at the first question, unless set before.
std::optional<bool>& rightToLeftLocale()
{
    static std::optional<bool> flag;
    return flag;
}

} // namespace

bool SeLocaleReadsRightToLeft(std::string_view locale)
{
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@-"));
    for (const char* rtl : {"ar", "he", "iw", "fa", "ur", "yi", "ji", "ps", "sd", "ug", "dv", "ckb", "syr"})
        if (language == rtl)
            return true;
    return false;
}

bool SeEnvironmentReadsRightToLeft()
{
    // The messages' locale, as the C library picks it.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return SeLocaleReadsRightToLeft(value);
    return false;
}

bool SeRightToLeftLocale()
{
    if (!rightToLeftLocale())
        rightToLeftLocale() = SeEnvironmentReadsRightToLeft();
    return *rightToLeftLocale();
}

void SetSeRightToLeftLocale(bool rightToLeft) { rightToLeftLocale() = rightToLeft; }
