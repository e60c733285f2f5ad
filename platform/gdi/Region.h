#pragma once
// A set of pixels as banded rectangles (pixman's region algebra), by value.

#include "platform/WinTypes.h"

#include <span>
#include <vector>

#include <pixman.h>

class Region {
public:
    Region();
    explicit Region(const RECT& r);
    Region(const RECT* rects, int count);
    ~Region();
    Region(const Region& other);
    Region(Region&& other) noexcept;
    Region& operator=(const Region& other);
    Region& operator=(Region&& other) noexcept;

    static Region fromRects(const std::vector<RECT>& rects) { return Region(rects.data(), int(rects.size())); }

    bool isEmpty() const;
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int complexity() const;
    RECT bounds() const;
    int rectCount() const;
    std::span<const pixman_box32_t> boxes() const;
    std::vector<RECT> rects() const;

    bool contains(int x, int y) const;
    bool intersects(const RECT& r) const;
    bool containsWhole(const RECT& r) const;
    bool operator==(const Region& other) const;

    void clear();
    void setRect(const RECT& r);
    void translate(int dx, int dy);
    void intersect(const Region& other);
    void intersect(const RECT& r);
    void unite(const Region& other);
    void unite(const RECT& r);
    void subtract(const Region& other);
    void subtract(const RECT& r);
    void exclusiveOr(const Region& other);

    const pixman_region32_t* raw() const { return &region_; }

private:
    pixman_region32_t region_;
};
