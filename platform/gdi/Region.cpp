#include "platform/gdi/Region.h"

#include "platform/Gdi.h"
#include "platform/RectMath.h"

#include <new>

namespace {

pixman_box32_t toBox(const RECT& r)
{
    return pixman_box32_t{r.left, r.top, r.right, r.bottom};
}

// pixman reports allocation failure by returning false; we cannot go on
// with a half-made region, so it is the same as any other failed allocation.
void check(pixman_bool_t ok)
{
    if (!ok)
        throw std::bad_alloc();
}

} // namespace

Region::Region()
{
    pixman_region32_init(&region_);
}

Region::Region(const RECT& r)
{
    RECT n = Normalized(r);
    if (IsEmpty(n))
        pixman_region32_init(&region_);
    else
        pixman_region32_init_rect(&region_, n.left, n.top, unsigned(Width(n)), unsigned(Height(n)));
}

Region::Region(const RECT* rects, int count)
{
    std::vector<pixman_box32_t> boxes;
    boxes.reserve(count > 0 ? std::size_t(count) : 0);
    for (int i = 0; i < count; ++i) {
        RECT n = Normalized(rects[i]);
        if (!IsEmpty(n))
            boxes.push_back(toBox(n));
    }
    check(pixman_region32_init_rects(&region_, boxes.data(), int(boxes.size())));
}

Region::~Region()
{
    pixman_region32_fini(&region_);
}

Region::Region(const Region& other)
{
    pixman_region32_init(&region_);
    check(pixman_region32_copy(&region_, &other.region_));
}

Region::Region(Region&& other) noexcept
{
    // pixman regions are cheap to copy when simple; for a moved complex
    // region we take its data pointer and leave the source empty.
    region_ = other.region_;
    pixman_region32_init(&other.region_);
}

Region& Region::operator=(const Region& other)
{
    if (this != &other)
        check(pixman_region32_copy(&region_, &other.region_));
    return *this;
}

Region& Region::operator=(Region&& other) noexcept
{
    if (this != &other) {
        pixman_region32_fini(&region_);
        region_ = other.region_;
        pixman_region32_init(&other.region_);
    }
    return *this;
}

bool Region::isEmpty() const
{
    return !pixman_region32_not_empty(&region_);
}

int Region::complexity() const
{
    int n = rectCount();
    return n == 0 ? NULLREGION : n == 1 ? SIMPLEREGION : COMPLEXREGION;
}

RECT Region::bounds() const
{
    if (isEmpty())
        return RECT{};
    const pixman_box32_t* b = pixman_region32_extents(&region_);
    return RECT{b->x1, b->y1, b->x2, b->y2};
}

int Region::rectCount() const
{
    return pixman_region32_n_rects(&region_);
}

std::span<const pixman_box32_t> Region::boxes() const
{
    int n = 0;
    const pixman_box32_t* b = pixman_region32_rectangles(&region_, &n);
    return {b, std::size_t(n)};
}

std::vector<RECT> Region::rects() const
{
    std::vector<RECT> out;
    for (const pixman_box32_t& b : boxes())
        out.push_back(RECT{b.x1, b.y1, b.x2, b.y2});
    return out;
}

bool Region::contains(int x, int y) const
{
    return pixman_region32_contains_point(&region_, x, y, nullptr);
}

bool Region::intersects(const RECT& r) const
{
    RECT n = Normalized(r);
    if (IsEmpty(n))
        return false;
    pixman_box32_t box = toBox(n);
    return pixman_region32_contains_rectangle(&region_, &box) != PIXMAN_REGION_OUT;
}

bool Region::containsWhole(const RECT& r) const
{
    RECT n = Normalized(r);
    if (IsEmpty(n))
        return false;
    pixman_box32_t box = toBox(n);
    return pixman_region32_contains_rectangle(&region_, &box) == PIXMAN_REGION_IN;
}

bool Region::operator==(const Region& other) const
{
    return pixman_region32_equal(&region_, &other.region_);
}

void Region::clear()
{
    pixman_region32_clear(&region_);
}

void Region::setRect(const RECT& r)
{
    *this = Region(r);
}

void Region::translate(int dx, int dy)
{
    pixman_region32_translate(&region_, dx, dy);
}

void Region::intersect(const Region& other)
{
    check(pixman_region32_intersect(&region_, &region_, &other.region_));
}

void Region::intersect(const RECT& r)
{
    RECT n = Normalized(r);
    if (IsEmpty(n)) {
        clear();
        return;
    }
    check(pixman_region32_intersect_rect(&region_, &region_, n.left, n.top, unsigned(Width(n)), unsigned(Height(n))));
}

void Region::unite(const Region& other)
{
    check(pixman_region32_union(&region_, &region_, &other.region_));
}

void Region::unite(const RECT& r)
{
    RECT n = Normalized(r);
    if (IsEmpty(n))
        return;
    check(pixman_region32_union_rect(&region_, &region_, n.left, n.top, unsigned(Width(n)), unsigned(Height(n))));
}

void Region::subtract(const Region& other)
{
    check(pixman_region32_subtract(&region_, &region_, &other.region_));
}

void Region::subtract(const RECT& r)
{
    subtract(Region(r));
}

void Region::exclusiveOr(const Region& other)
{
    Region both = *this;
    both.intersect(other);
    unite(other);
    subtract(both);
}
