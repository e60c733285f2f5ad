#pragma once
// Sole owner of a pen, brush, font, bitmap or region: DeleteObject when it
// goes. Stock objects survive DeleteObject, so owning one is harmless.

#include "platform/Gdi.h"

#include <utility>

namespace brio {

template <class Handle>
class GdiObjectOwner {
public:
    GdiObjectOwner() = default;
    explicit GdiObjectOwner(Handle handle) : handle_(handle) {}
    ~GdiObjectOwner() { reset(); }
    GdiObjectOwner(GdiObjectOwner&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObjectOwner& operator=(GdiObjectOwner&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObjectOwner(const GdiObjectOwner&) = delete;
    GdiObjectOwner& operator=(const GdiObjectOwner&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr)
    {
        if (handle_)
            DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

} // namespace brio
