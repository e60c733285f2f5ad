#include "skin/engine/SeSkinClasses.h"

#include "skin/engine/SeBitmapObjects.h"
#include "skin/engine/SeSkinObjects.h"
#include "skin/engine/SeSystemButtons.h"

#include <vector>

namespace {

template <class T>
TSeSkinObject* create(TComponent* owner)
{
    return new T(owner);
}

std::vector<TSeSkinObjectClass>& table()
{
    static std::vector<TSeSkinObjectClass> classes = {
        {"TSeLinkSkinObject", create<TSeLinkSkinObject>},
        {"TSeBitmapSkinObject", create<TSeBitmapSkinObject>},
        {"TSeFormBitmapSkinObject", create<TSeFormBitmapSkinObject>},
        {"TSeSysButtonSkinObject", create<TSeSysButtonSkinObject>},
        {"TSeActiveSkinObject", create<TSeActiveSkinObject>},
        {"TSeColorButtonObject", create<TSeColorButtonObject>},
        {"TSeBitmapBoxObject", create<TSeBitmapBoxObject>},
        {"TSeActiveBitmapBoxObject", create<TSeActiveBitmapBoxObject>},
        {"TSeButtonBitmapBoxObject", create<TSeButtonBitmapBoxObject>},
        {"TSeRollPanelObject", create<TSeRollPanelObject>},
        {"TSeSkinObject", create<TSeSkinObject>},
        {"TSeActiveObject", create<TSeActiveObject>},
        {"TSeBitmapObject", create<TSeBitmapObject>},
        {"TSeActiveBitmap", create<TSeActiveBitmap>},
        {"TSeSystemButton", create<TSeSystemButton>},
        {"TSeButtonObject", create<TSeButtonObject>},
        {"TSeTextObject", create<TSeTextObject>},
    };
    return classes;
}

} // namespace

void AddSkinObjectClass(const std::string& name, TSeSkinObjectFactory create)
{
    table().push_back({name, create});
}

const TSeSkinObjectClass* FindSkinObjectClass(const std::string& name)
{
    for (const TSeSkinObjectClass& cls : table())
        if (cls.name == name)
            return &cls;
    return nullptr;
}

int SkinObjectClassCount() { return int(table().size()); }
const TSeSkinObjectClass& SkinObjectClassAt(int index) { return table()[std::size_t(index)]; }
