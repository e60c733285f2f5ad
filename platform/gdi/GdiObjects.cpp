#include "platform/gdi/GdiObjects.h"

#include "platform/gdi/DeviceContext.h"

#include <vector>

namespace {

// Handle layout: bits 0-23 slot + 1, bits 24-47 generation, bits 48-55 type.
constexpr std::uintptr_t kSlotBits = 24;
constexpr std::uintptr_t kGenerationBits = 24;
constexpr std::uintptr_t kSlotMask = (std::uintptr_t(1) << kSlotBits) - 1;
constexpr std::uintptr_t kGenerationMask = (std::uintptr_t(1) << kGenerationBits) - 1;

struct Slot {
    std::unique_ptr<GdiObject> object;
    std::uintptr_t generation = 1;
};

struct Table {
    std::vector<Slot> slots;
    std::vector<std::size_t> freeSlots;
    int live = 0;
};

Table& table()
{
    static Table t;
    return t;
}

Slot* slotFor(const void* handle, std::uintptr_t* slotIndex = nullptr)
{
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    std::uintptr_t slot = value & kSlotMask;
    std::uintptr_t generation = (value >> kSlotBits) & kGenerationMask;
    Table& t = table();
    if (slot == 0 || slot > t.slots.size())
        return nullptr;
    Slot& s = t.slots[slot - 1];
    if (!s.object || s.generation != generation)
        return nullptr;
    if (GdiType((value >> (kSlotBits + kGenerationBits)) & 0xFF) != s.object->type())
        return nullptr;
    if (slotIndex)
        *slotIndex = slot - 1;
    return &s;
}

} // namespace

FontObject::~FontObject() = default;

void* InsertGdiObject(std::unique_ptr<GdiObject> object)
{
    if (!object)
        return nullptr;
    Table& t = table();
    std::size_t index;
    if (!t.freeSlots.empty()) {
        index = t.freeSlots.back();
        t.freeSlots.pop_back();
    } else {
        if (t.slots.size() >= kSlotMask)
            return nullptr;
        index = t.slots.size();
        t.slots.emplace_back();
    }
    Slot& s = t.slots[index];
    auto type = std::uintptr_t(object->type());
    s.object = std::move(object);
    ++t.live;
    std::uintptr_t value = (index + 1) | ((s.generation & kGenerationMask) << kSlotBits)
                           | (type << (kSlotBits + kGenerationBits));
    return reinterpret_cast<void*>(value);
}

GdiObject* LookupAnyGdiObject(const void* handle)
{
    Slot* s = slotFor(handle);
    return s ? s->object.get() : nullptr;
}

GdiObject* LookupGdiObject(const void* handle, GdiType type)
{
    GdiObject* o = LookupAnyGdiObject(handle);
    return o && o->type() == type ? o : nullptr;
}

bool RemoveGdiObject(const void* handle)
{
    std::uintptr_t index = 0;
    Slot* s = slotFor(handle, &index);
    if (!s)
        return false;
    // Destroy after the slot is free, so a destructor that looks handles up
    // (a DC releasing its selections) sees a consistent table.
    std::unique_ptr<GdiObject> doomed = std::move(s->object);
    s->generation = (s->generation + 1) & kGenerationMask;
    if (s->generation == 0)
        s->generation = 1;
    Table& t = table();
    t.freeSlots.push_back(index);
    --t.live;
    doomed.reset();
    return true;
}

DeviceContext* LookupDc(HDC h)
{
    return LookupGdi<DeviceContext>(h, GdiType::Dc);
}

int GdiObjectCount()
{
    return table().live;
}

Pixel BrushPixel(const BrushObject& brush, const DeviceContext& dc)
{
    return PixelFromColorRef(brush.followsDcColor ? dc.state().dcBrushColor : brush.color);
}

Pixel PenPixel(const PenObject& pen, const DeviceContext& dc)
{
    return PixelFromColorRef(pen.followsDcColor ? dc.state().dcPenColor : pen.color);
}
