#include "ui/graphics/Graphic.h"

#include "ui/component/Stream.h"

void TGraphic::SetTransparent(bool transparent)
{
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    Changed();
}

void TGraphic::SetModified(bool modified)
{
    if (modified)
        Changed();
    else
        modified_ = false;
}

void TGraphic::Changed()
{
    modified_ = true;
    if (OnChange)
        OnChange(this);
}

void TGraphic::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName)
{
    // Encode first so that a failure leaves no half-written file behind.
    TMemoryStream encoded;
    SaveToStream(encoded);
    TFileStream stream(fileName, fmCreate);
    stream.WriteBuffer(encoded.Memory(), encoded.Size());
}
