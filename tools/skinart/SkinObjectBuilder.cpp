#include "tools/skinart/SkinObjectBuilder.h"

#include "skin/engine/SeBitmapLink.h"
#include "tools/skinart/SkinArt.h"
#include "tools/skinart/SkinPalette.h"
#include "ui/graphics/Font.h"

#include <cstdio>

namespace skinart::build {

std::unique_ptr<TSeSkinObject> Root(const char* name, int width, int height)
{
    auto root = std::make_unique<TSeSkinObject>(nullptr);
    root->SetName(name);
    root->ArrangeIn(RECT{0, 0, width, height});
    SetColour(root.get(), palette::Surface);
    SetFont(root->Font(), palette::Text);
    return root;
}

void Link(TSeBitmapLink* link, const char* bitmap, RECT r)
{
    link->SetName(bitmap);
    link->SetRect(r);
}

void Margins(TSeSkinObject* object, int left, int top, int right, int bottom)
{
    object->SetMarginLeft(left);
    object->SetMarginTop(top);
    object->SetMarginRight(right);
    object->SetMarginBottom(bottom);
}

void SetFont(TFont* font, Pixel colour, bool bold, int height)
{
    font->SetName("Tahoma");
    font->SetHeight(height);
    font->SetColor(TColor(palette::ColorOf(colour)));
    font->SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
}

void SetColour(TSeSkinObject* object, Pixel colour) { object->SetColor(TColor(palette::ColorOf(colour))); }

void NoFill(TSeSkinObject* object) { object->SetColor(clNone); }

void LayOut(TSeSkinObject* object)
{
    object->AlignObjects();
    for (int i = 0; i < object->ChildCount(); ++i)
        LayOut(object->Child(i));
}

} // namespace skinart::build

namespace skinart {

std::string SourceFileName(int index, const std::string& name, const char* extension)
{
    char number[16];
    std::snprintf(number, sizeof number, "%03d", index + 1);
    return std::string(number) + "-" + name + extension;
}

} // namespace skinart
