// .ico files through TIcon. An icon that loads must save, and the saved
// file must load to the same pixels and save to the same bytes.

#include "ui/component/Exception.h"
#include "ui/component/Stream.h"
#include "ui/graphics/Icon.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string saved(TIcon& icon)
{
    TMemoryStream out;
    icon.SaveToStream(out);
    return std::string(reinterpret_cast<const char*>(out.Memory()), std::size_t(out.Size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        TMemoryStream in;
        in.WriteBuffer(data, std::int64_t(size));
        in.SetPosition(0);
        TIcon icon;
        icon.LoadFromStream(in);
        if (icon.Empty() || icon.Width() <= 0 || icon.Height() <= 0)
            std::abort();
        const std::string once = saved(icon);
        TMemoryStream again;
        again.WriteBuffer(once.data(), std::int64_t(once.size()));
        again.SetPosition(0);
        TIcon reloaded;
        reloaded.LoadFromStream(again);
        if (reloaded.Width() != icon.Width() || reloaded.Height() != icon.Height()
            || reloaded.StraightAlphaPixels() != icon.StraightAlphaPixels() || saved(reloaded) != once)
            std::abort();
    } catch (const Exception&) {
    }
    return 0;
}
