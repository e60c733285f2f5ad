#include "platform/window/Backend.h"

#include "platform/backends/headless/HeadlessBackend.h"

namespace {

std::unique_ptr<Backend>& backendSlot()
{
    static std::unique_ptr<Backend> backend;
    return backend;
}

} // namespace

Backend& CurrentBackend()
{
    std::unique_ptr<Backend>& slot = backendSlot();
    if (!slot)
        slot = std::make_unique<HeadlessBackend>();
    return *slot;
}

void SetBackend(std::unique_ptr<Backend> backend)
{
    backendSlot() = std::move(backend);
}

HeadlessBackend* CurrentHeadlessBackend()
{
    return dynamic_cast<HeadlessBackend*>(&CurrentBackend());
}
