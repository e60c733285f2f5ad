// Skin files of every format. The first byte picks the reader: 0-3 the four
// filters in table order, 4 the engine's stored property (flag byte and the
// default format). A skin that loads is written and read back, and must
// give the same bytes again.

#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinFilter.h"
#include "skin/engine/SeSkinSource.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

std::string writeWith(const TSeSkinFilterClass& filterClass, TSeSkinSource& source)
{
    TStringStream out;
    std::unique_ptr<TSeSkinFilter> filter(filterClass.create());
    filter->Source = &source;
    filter->StreamOut(out);
    return out.DataString();
}

void readWith(const TSeSkinFilterClass& filterClass, TSeSkinSource& source, const std::string& bytes)
{
    TStringStream in(bytes);
    std::unique_ptr<TSeSkinFilter> filter(filterClass.create());
    filter->Source = &source;
    filter->StreamIn(in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const int format = data[0] % 5;
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        if (format == 4) {
            TSeSkinEngine engine(nullptr);
            TStringStream in(bytes);
            engine.ReadSkinStream(in);
            TStringStream out;
            engine.WriteSkinStream(out);
            return 0;
        }
        const TSeSkinFilterClass& filterClass = SkinFilterAt(format);
        TSeSkinSource source(nullptr);
        readWith(filterClass, source, bytes);
        const std::string first = writeWith(filterClass, source);
        TSeSkinSource copy(nullptr);
        readWith(filterClass, copy, first);
        if (writeWith(filterClass, copy) != first)
            std::abort();
    } catch (const Exception&) {
    }
    return 0;
}
