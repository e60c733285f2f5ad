// The object text parser: text to a component stream, that stream into a
// skin object of its class, and the object back to text, which must parse
// to the same stream again.

#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SeObjectText.h"
#include "skin/engine/SeSkinClasses.h"
#include "skin/engine/SeSkinObject.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        TMemoryStream binary;
        ObjectTextToBinary(text, binary);
        const std::vector<std::uint8_t> bytes(binary.Memory(), binary.Memory() + binary.Size());
        // What the parser accepts, the writer must give back losslessly.
        const std::string again = ObjectBinaryToText(bytes);
        TMemoryStream reparsed;
        ObjectTextToBinary(again, reparsed);
        if (reparsed.Size() != binary.Size() ||
            !std::equal(bytes.begin(), bytes.end(), reparsed.Memory()))
            std::abort();

        binary.SetPosition(0);
        const TSeStreamedObject streamed = ReadStreamedObject(binary);
        const TSeSkinObjectClass* cls = FindSkinObjectClass(streamed.className);
        if (!cls)
            return 0;
        std::unique_ptr<TSeSkinObject> object(cls->create(nullptr));
        ApplyObject(*object, streamed);
        ObjectBinaryToText(SkinObjectToBinary(*object));
    } catch (const Exception&) {
    }
    return 0;
}
