#include "skin/engine/SeSkinObject.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeComponentStream.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinClasses.h"
#include "ui/component/Exception.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Font.h"

#include <typeinfo>

TSeSkinObject::TSeSkinObject(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {}

TSeSkinObject::~TSeSkinObject()
{
    // Children may still look at this object's fields while they go.
    Destroying();
    DestroyComponents();
}

TSeSkinObject* TSeSkinObject::Child(int index) const
{
    if (index < 0 || index >= ComponentCount())
        return nullptr;
    return static_cast<TSeSkinObject*>(Components(index));
}

void TSeSkinObject::SetLeft(int v) { ArrangeIn(RECT{v, top_, v + width_, top_ + height_}); }
void TSeSkinObject::SetTop(int v) { ArrangeIn(RECT{left_, v, left_ + width_, v + height_}); }
void TSeSkinObject::SetWidth(int v) { ArrangeIn(RECT{left_, top_, left_ + v, top_ + height_}); }
void TSeSkinObject::SetHeight(int v) { ArrangeIn(RECT{left_, top_, left_ + width_, top_ + v}); }

// ---- Properties --------------------------------------------------------------------

TSePropertyList TSeSkinObject::BaseProperties()
{
    using O = TSeSkinObject;
    TSePropertyList list;
    SeProps::AddEnum(list, "Align", SeAlignNames, [](const O& o) { return int(o.align_); },
                     [](O& o, int v) { o.align_ = TSeAlign(v); });
    SeProps::AddColor(list, "Color", [](const O& o) { return int(o.color_); }, [](O& o, int v) { o.color_ = v; });
    SeProps::AddBoolean(list, "DrawIfOwner", [](const O& o) { return o.drawIfOwner_; },
                        [](O& o, bool v) { o.drawIfOwner_ = v; });
    SeProps::AddFont(list, "Font", [](const O& o) { return o.font_.get(); });
    SeProps::AddEnum(list, "Kind", SeKindNames, [](const O& o) { return int(o.kind_); },
                     [](O& o, int v) { o.kind_ = TSeKind(v); });
    SeProps::AddBoolean(list, "Masked", [](const O& o) { return o.masked_; }, [](O& o, bool v) { o.masked_ = v; });
    SeProps::AddInteger(list, "Left", [](const O& o) { return o.left_; }, [](O& o, int v) { o.SetLeft(v); });
    SeProps::AddInteger(list, "Top", [](const O& o) { return o.top_; }, [](O& o, int v) { o.SetTop(v); });
    SeProps::AddInteger(list, "Height", [](const O& o) { return o.height_; }, [](O& o, int v) { o.SetHeight(v); });
    SeProps::AddInteger(list, "Width", [](const O& o) { return o.width_; }, [](O& o, int v) { o.SetWidth(v); });
    SeProps::AddInteger(list, "MarginLeft", [](const O& o) { return o.marginLeft_; },
                        [](O& o, int v) { o.marginLeft_ = v; });
    SeProps::AddInteger(list, "MarginRight", [](const O& o) { return o.marginRight_; },
                        [](O& o, int v) { o.marginRight_ = v; });
    SeProps::AddInteger(list, "MarginTop", [](const O& o) { return o.marginTop_; },
                        [](O& o, int v) { o.marginTop_ = v; });
    SeProps::AddInteger(list, "MarginBottom", [](const O& o) { return o.marginBottom_; },
                        [](O& o, int v) { o.marginBottom_ = v; });
    SeProps::AddEnum(list, "TextAlign", SeTextAlignNames, [](const O& o) { return int(o.textAlign_); },
                     [](O& o, int v) { o.textAlign_ = TSeTextAlign(v); });
    SeProps::AddEnum(list, "TextEffect", SeTextEffectNames, [](const O& o) { return int(o.textEffect_); },
                     [](O& o, int v) { o.textEffect_ = TSeTextEffect(v); });
    SeProps::AddInteger(list, "TextMarginLeft", [](const O& o) { return o.textMarginLeft_; },
                        [](O& o, int v) { o.textMarginLeft_ = v; });
    SeProps::AddInteger(list, "TextMarginRight", [](const O& o) { return o.textMarginRight_; },
                        [](O& o, int v) { o.textMarginRight_ = v; });
    SeProps::AddInteger(list, "TextMarginTop", [](const O& o) { return o.textMarginTop_; },
                        [](O& o, int v) { o.textMarginTop_ = v; });
    return list;
}

void TSeSkinObject::AddObjectsProperty(TSePropertyList& list)
{
    TSePropertyInfo info;
    info.name = "Objects";
    info.children = true;
    info.get = [](const TSeSkinObject& o, TSeValue& value) {
        value.type = TSeValueType::Binary;
        value.bytes = WriteObjectsValue(o);
        return true;
    };
    info.set = [](TSeSkinObject& o, const TSeValue& value) {
        if (value.type != TSeValueType::Binary)
            SeProps::InvalidValue("Objects");
        ReadObjectsValue(o, value.bytes);
    };
    list.push_back(std::move(info));
}

const TSePropertyList& TSeSkinObject::Properties() const
{
    static const TSePropertyList list = [] {
        TSePropertyList l = BaseProperties();
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

void TSeSkinObject::CollectLinks(std::vector<TSeBitmapLink*>&) const {}

void TSeSkinObject::CollectFonts(std::vector<TFont*>& fonts) const { fonts.push_back(font_.get()); }

void TSeSkinObject::CollectColors(std::vector<TColor*>& colours) { colours.push_back(&color_); }

// ---- Virtual operations --------------------------------------------------------------

TFont* TSeSkinObject::EffectiveFont() const { return font_.get(); }

void TSeSkinObject::ApplyState(std::uint8_t code)
{
    state_ = code;
    for (int i = 0; i < ChildCount(); ++i)
        Child(i)->ApplyState(code);
}

void TSeSkinObject::UpdateLinks()
{
    std::vector<TSeBitmapLink*> links;
    CollectLinks(links);
    // What LinkTo would make, set in place: the found bitmap and its name,
    // the rectangle as it was.
    if (bitmaps_)
        for (TSeBitmapLink* link : links)
            if (TSeBitmap* image = bitmaps_->Find(link->Name())) {
                link->SetImage(image);
                link->SetName(image->Name());
            }
    for (int i = 0; i < ChildCount(); ++i)
        Child(i)->UpdateLinks();
}

void TSeSkinObject::FillBackground(TCanvas& canvas)
{
    const TColor colour = DrawColor();
    if (colour == clNone)
        return;
    const RECT r = BoundsRect();
    HBRUSH brush = CreateSolidBrush(ColorToRGB(colour));
    ::FillRect(canvas.Handle(), &r, brush);
    DeleteObject(brush);
}

void TSeSkinObject::Draw(TCanvas& canvas)
{
    if (!visible_ || width_ <= 0 || height_ <= 0)
        return;
    if (ChildCount() == 0 || drawIfOwner_) {
        FillBackground(canvas);
        DrawText(canvas);
    }
    DrawChildren(canvas);
}

void TSeSkinObject::DrawChildren(TCanvas& canvas)
{
    for (int i = 0; i < ChildCount(); ++i) {
        TSeSkinObject* child = Child(i);
        if (child->visible_ && child->width_ > 0 && child->height_ > 0)
            child->Draw(canvas);
    }
}

HRGN TSeSkinObject::CreateRegion()
{
    if (kind_ == skClient || !masked_)
        return CreateRectRgn(left_, top_, left_ + width_, top_ + height_);
    if (DrawsBitmap()) {
        if (width_ <= 0 || height_ <= 0)
            return CreateRectRgn(0, 0, 0, 0);
        TSeBitmap scratch;
        scratch.Allocate(width_, height_);
        scratch.Fill(SeKeyValue);
        SetViewportOrgEx(scratch.DC(), -left_, -top_, nullptr);
        {
            TCanvas canvas;
            canvas.SetHandle(scratch.DC());
            Draw(canvas);
            canvas.SetHandle(nullptr);
        }
        return scratch.CreateRegion(left_, top_);
    }
    if (ChildCount() > 0 && !drawIfOwner_) {
        HRGN result = CreateRectRgn(0, 0, 0, 0);
        for (int i = 0; i < ChildCount(); ++i) {
            TSeSkinObject* child = Child(i);
            if (!child->visible_)
                continue;
            if (HRGN part = child->CreateRegion()) {
                CombineRgn(result, result, part, RGN_OR);
                DeleteObject(part);
            }
        }
        return result;
    }
    return CreateRectRgn(left_, top_, left_ + width_, top_ + height_);
}

void TSeSkinObject::ChangeHue(int delta)
{
    std::vector<TColor*> colours;
    CollectColors(colours);
    std::vector<TFont*> fonts;
    CollectFonts(fonts);
    auto shift = [delta](TColor c) {
        return c == clNone ? c : TColor(HueShiftColorRef(ColorToRGB(c), delta));
    };
    for (TColor* c : colours)
        *c = shift(*c);
    for (TFont* font : fonts)
        font->SetColor(shift(font->Color()));
    for (int i = 0; i < ChildCount(); ++i)
        Child(i)->ChangeHue(delta);
}

void TSeSkinObject::ApplyCharset(int charset)
{
    std::vector<TFont*> fonts;
    CollectFonts(fonts);
    for (TFont* font : fonts)
        font->SetCharset(TFontCharset(charset));
    for (int i = 0; i < ChildCount(); ++i)
        Child(i)->ApplyCharset(charset);
}

// ---- Tree operations ------------------------------------------------------------------

void TSeSkinObject::SetActive(bool active)
{
    if (active_ == active)
        return;
    active_ = active;
    for (int i = 0; i < ChildCount(); ++i)
        Child(i)->SetActive(active);
}

void TSeSkinObject::BindControl(HWND control, TBiDiMode biDiMode)
{
    control_ = control;
    biDiMode_ = biDiMode;
    for (int i = 0; i < ChildCount(); ++i)
        Child(i)->BindControl(control, biDiMode);
}

void TSeSkinObject::SetBitmaps(TSeBitmapList* bitmaps)
{
    bitmaps_ = bitmaps;
    for (int i = 0; i < ChildCount(); ++i)
        Child(i)->SetBitmaps(bitmaps);
}

void TSeSkinObject::CloneFrom(const TSeSkinObject& source)
{
    // The source's property table reaches into the source's class; applied
    // to another class its setters would write outside this object.
    if (typeid(source) != typeid(*this))
        throw EInvalidOperation("Cannot copy a " + source.ClassName() + " into a " + ClassName());
    if (&source == this)
        return;
    SetName(source.Name());
    for (const TSePropertyInfo& property : Properties()) {
        if (property.children)
            continue;
        TSeValue value;
        if (property.get(source, value))
            property.set(*this, value);
    }
    std::vector<TSeBitmapLink*> mine, theirs;
    CollectLinks(mine);
    source.CollectLinks(theirs);
    for (std::size_t i = 0; i < mine.size(); ++i)
        mine[i]->CloneFrom(*theirs[i]);
    bitmaps_ = source.bitmaps_;
    text_ = source.text_;

    while (ChildCount() > 0)
        delete Child(ChildCount() - 1);
    for (int i = 0; i < source.ChildCount(); ++i)
        CloneSkinObject(*source.Child(i), this);
}

void TSeSkinObject::Changed()
{
    if (visible_ && control_)
        SendMessage(control_, SEM_SKINOBJECTCHANGED, 0, reinterpret_cast<LPARAM>(this));
}

TSeSkinFormLink* TSeSkinObject::OwnerForm() const
{
    if (!control_)
        return nullptr;
    return reinterpret_cast<TSeSkinFormLink*>(SendMessage(control_, SEM_GETSKINFORM, 0, 0));
}

TSeSkinObject* CloneSkinObject(const TSeSkinObject& source, TComponent* owner)
{
    const TSeSkinObjectClass* cls = FindSkinObjectClass(source.ClassName());
    if (!cls)
        throw EInvalidOperation("Class " + source.ClassName() + " not found");
    std::unique_ptr<TSeSkinObject> copy(cls->create(owner));
    copy->CloneFrom(source);
    return copy.release();
}

// ---- Lookups ---------------------------------------------------------------------------

TSeSkinObject* FindObject(TSeSkinObject* object, const std::string& name)
{
    if (!object)
        return nullptr;
    if (SameSkinName(object->Name(), name))
        return object;
    for (int i = 0; i < object->ChildCount(); ++i)
        if (TSeSkinObject* hit = FindObject(object->Child(i), name))
            return hit;
    return nullptr;
}

TSeSkinObject* FindObjectOfKind(TSeSkinObject* object, TSeKind kind)
{
    if (!object)
        return nullptr;
    if (object->Kind() == kind)
        return object;
    for (int i = 0; i < object->ChildCount(); ++i)
        if (TSeSkinObject* hit = FindObjectOfKind(object->Child(i), kind))
            return hit;
    return nullptr;
}

TSeSkinObject* ObjectAtPoint(TSeSkinObject* object, POINT p)
{
    if (!object || !object->Visible() || object->Kind() == skTranparent)
        return nullptr;
    const RECT r = object->BoundsRect();
    if (p.x < r.left || p.x >= r.right || p.y < r.top || p.y >= r.bottom)
        return nullptr;
    TSeSkinObject* answer = nullptr;
    for (int i = 0; i < object->ChildCount(); ++i)
        if (TSeSkinObject* hit = ObjectAtPoint(object->Child(i), p))
            answer = hit;
    return answer ? answer : object;
}
