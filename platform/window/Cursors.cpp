#include "platform/window/Cursors.h"

#include "platform/gdi/GdiObjects.h"

#include <map>

namespace {

const int kStockCursorIds[] = {32512, 32513, 32514, 32515, 32516, 32642, 32643, 32644,
                               32645, 32646, 32648, 32649, 32650, 32651, 32760, 32761};

struct StockCursors {
    std::map<int, HCURSOR> byId;
    std::map<HCURSOR, int> idOf;
};

StockCursors& stock()
{
    static StockCursors s;
    return s;
}

bool isStockId(int id)
{
    for (int known : kStockCursorIds)
        if (known == id)
            return true;
    return false;
}

} // namespace

HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name)
{
    // Only the stock shapes exist; programs carry no cursor resources.
    if (instance || !IS_INTRESOURCE(name))
        return nullptr;
    int id = int(reinterpret_cast<std::uintptr_t>(name));
    if (!isStockId(id))
        return nullptr;
    StockCursors& s = stock();
    auto it = s.byId.find(id);
    if (it != s.byId.end() && LookupIcon(it->second))
        return it->second;
    auto icon = std::make_unique<IconObject>();
    icon->isIcon = false;
    icon->markStock();
    auto handle = static_cast<HCURSOR>(InsertGdiObject(std::move(icon)));
    s.byId[id] = handle;
    s.idOf[handle] = id;
    return handle;
}

int StockCursorId(HCURSOR cursor)
{
    auto it = stock().idOf.find(cursor);
    return it == stock().idOf.end() ? 0 : it->second;
}
