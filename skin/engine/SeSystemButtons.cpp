#include "skin/engine/SeSystemButtons.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"
#include "skin/engine/SeDrawing.h"
#include "skin/engine/SeSkinObjects.h"
#include "ui/graphics/Canvas.h"

namespace {

// Whether a button with this action shows in a window state; pointer,
// focus and other codes leave it as it is.
bool shownInState(TSeAction action, std::uint8_t code, bool visible)
{
    switch (code) {
    case SeStateNormal: return action != sbaRestore && action != sbaRollDown;
    case SeStateMaximized: return action != sbaMaximize && action != sbaRollDown;
    case SeStateMinimized:
        return action != sbaMinimize && action != sbaMaximize && action != sbaRollUp && action != sbaRollDown;
    case SeStateRolledUp: return action != sbaRestore && action != sbaRollUp;
    default: return visible;
    }
}

bool formHasIconFor(TSeAction action, TSeBorderIcons icons)
{
    switch (action) {
    case sbaClose: return icons.Contains(kbiClose);
    case sbaHelp: return icons.Contains(kbiHelp);
    case sbaMinimize: return icons.Contains(kbiMinimize);
    case sbaMaximize:
    case sbaRestore: return icons.Contains(kbiMaximize);
    case sbaRollUp:
    case sbaRollDown: return icons.Contains(kbiRollup);
    case sbaTray: return icons.Contains(kbiTray);
    case sbaSysMenu: return icons.Contains(kbiSystemMenu);
    default: return true;
    }
}

void applyVisibility(TSeSkinObject& object, TSeAction action, std::uint8_t code)
{
    TSeSkinFormLink* form = object.OwnerForm();
    if (!form)
        return;
    object.SetVisible(shownInState(action, code, object.Visible()) && formHasIconFor(action, form->BorderIcons()));
}

TSeSkinObject* treeRoot(TSeSkinObject& object)
{
    TSeSkinObject* root = &object;
    while (auto parent = dynamic_cast<TSeSkinObject*>(root->Owner()))
        root = parent;
    return root;
}

void perform(TSeSkinObject& object, TSeAction action, const std::string& rollPanel)
{
    if (action == sbaRollPanel) {
        if (auto panel = dynamic_cast<TSeRollPanelObject*>(FindObject(treeRoot(object), rollPanel)))
            panel->Roll();
        return;
    }
    TSeSkinFormLink* form = object.OwnerForm();
    if (!form)
        return;
    switch (action) {
    case sbaClose: form->Close(); break;
    case sbaHelp: form->ShowHelp(); break;
    case sbaMinimize: form->Minimize(); break;
    case sbaMaximize: form->Maximize(); break;
    case sbaRestore:
    case sbaRollDown: form->Restore(); break;
    case sbaRollUp: form->Rollup(); break;
    case sbaTray: form->MinimizeToTray(); break;
    case sbaSysMenu: form->ShowSystemMenu(); break;
    case sbaCustom: form->CustomAction(&object); break;
    default: break;
    }
}

void mouseEnter(TSeSkinObject& object, TSeCaptionButton& button)
{
    button.look = button.leftHeld ? TSeButtonLook::Pressed : TSeButtonLook::Hot;
    object.Changed();
}

void mouseLeave(TSeSkinObject& object, TSeCaptionButton& button)
{
    button.look = TSeButtonLook::Normal;
    object.Changed();
}

void mouseDown(TSeSkinObject& object, TSeCaptionButton& button, TMouseButton which)
{
    if (which != mbLeft)
        return;
    button.look = TSeButtonLook::Pressed;
    object.Changed();
}

void mouseMove(TSeSkinObject& object, TSeCaptionButton& button, TShiftState shift)
{
    button.leftHeld = shift.Contains(ssLeft);
    if (button.look == TSeButtonLook::Pressed && button.leftHeld)
        return;
    if (TSeSkinFormLink* form = object.OwnerForm()) {
        POINT p{object.Left(), object.Top()};
        if (object.Control())
            ClientToScreen(object.Control(), &p);
        form->ShowButtonHint(&object, p);
    }
}

void mouseUp(TSeSkinObject& object, TSeCaptionButton& button, TMouseButton which, const std::string& rollPanel)
{
    if (which != mbLeft || button.look != TSeButtonLook::Pressed)
        return;
    button.look = TSeButtonLook::Hot;
    object.Changed();
    perform(object, button.action, rollPanel);
}

void dblClick(TSeSkinObject& object, const TSeCaptionButton& button, TMouseButton which)
{
    if (which == mbLeft && button.action == sbaSysMenu)
        if (TSeSkinFormLink* form = object.OwnerForm())
            form->Close();
}

// The system-menu button shows the form's icon at the small icon size.
bool drawFormIcon(TSeSkinObject& object, const TSeCaptionButton& button, TCanvas& canvas)
{
    if (button.action != sbaSysMenu)
        return false;
    TSeSkinFormLink* form = object.OwnerForm();
    if (!form)
        return false;
    HICON icon = form->FormIcon();
    if (!icon)
        icon = LoadIcon(nullptr, IDI_APPLICATION);
    const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
    SeDrawIcon(canvas.Handle(), icon, RECT{object.Left(), object.Top(), object.Left() + w, object.Top() + h});
    return true;
}

void setChildrenState(TSeSkinObject& object, std::uint8_t code)
{
    for (int i = 0; i < object.ChildCount(); ++i)
        object.Child(i)->ApplyState(code);
}

// Hot and pressed looks draw with Active cleared on the tree, so that no
// active picture hides them.
template <class DrawFn>
void drawInactiveTree(TSeSkinObject& object, DrawFn draw)
{
    const bool wasActive = object.Active();
    object.SetActive(false);
    draw();
    object.SetActive(wasActive);
}

// Both caption button classes draw alike; only their base class and the
// links of their hot and pressed pictures differ. `draw` paints one link.
template <class DrawFn>
void drawCaptionButton(TSeSkinObject& object, const TSeCaptionButton& button, bool active, std::uint8_t state,
                       TCanvas& canvas, const TSeBitmapLink* plain, const TSeBitmapLink* current,
                       const TSeBitmapLink* hot, const TSeBitmapLink* pressed, DrawFn draw)
{
    if (!object.Visible() || object.Width() <= 0 || object.Height() <= 0 || drawFormIcon(object, button, canvas))
        return;
    if (!active) {
        setChildrenState(object, SeStateDisabled);
        draw(plain);
        return;
    }
    switch (button.look) {
    case TSeButtonLook::Normal:
        setChildrenState(object, state);
        draw(current);
        break;
    case TSeButtonLook::Hot:
        setChildrenState(object, SeStateHot);
        drawInactiveTree(object, [&] { draw(hot->IsValid() ? hot : plain); });
        break;
    case TSeButtonLook::Pressed:
        setChildrenState(object, SeStatePressed);
        drawInactiveTree(object, [&] { draw(pressed->IsValid() ? pressed : plain); });
        break;
    }
}

} // namespace

// ---- TSeSystemButton -------------------------------------------------------------------------

TSeSystemButton::TSeSystemButton(TComponent* owner)
    : TSeActiveBitmap(owner), bitmapHot_(std::make_unique<TSeBitmapLink>()),
      bitmapPressed_(std::make_unique<TSeBitmapLink>())
{
    SetKind(skSysButton);
}
TSeSystemButton::~TSeSystemButton() = default;

const TSePropertyList& TSeSystemButton::Properties() const
{
    using C = TSeSystemButton;
    static const TSePropertyList list = [] {
        TSePropertyList l = ActiveBitmapProperties();
        SeProps::AddEnum(l, "Action", SeActionNames, [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).button_.action); },
                         [](TSeSkinObject& o, int v) { static_cast<C&>(o).button_.action = TSeAction(v); });
        SeProps::AddLink(l, "BitmapHot", [](const TSeSkinObject& o) { return static_cast<const C&>(o).bitmapHot_.get(); });
        SeProps::AddLink(l, "BitmapPressed", [](const TSeSkinObject& o) { return static_cast<const C&>(o).bitmapPressed_.get(); });
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

void TSeSystemButton::CollectLinks(std::vector<TSeBitmapLink*>& links) const
{
    TSeActiveBitmap::CollectLinks(links);
    links.push_back(bitmapHot_.get());
    links.push_back(bitmapPressed_.get());
}

void TSeSystemButton::ApplyState(std::uint8_t code)
{
    TSeActiveBitmap::ApplyState(code);
    applyVisibility(*this, button_.action, code);
}

void TSeSystemButton::Draw(TCanvas& canvas)
{
    drawCaptionButton(*this, button_, active_, state_, canvas, Bitmap(), CurrentLink(), bitmapHot_.get(), bitmapPressed_.get(),
                      [&](const TSeBitmapLink* link) { DrawWithLink(canvas, link); });
}

void TSeSystemButton::MouseEnter() { mouseEnter(*this, button_); }
void TSeSystemButton::MouseLeave() { mouseLeave(*this, button_); }
void TSeSystemButton::MouseDown(TMouseButton b) { mouseDown(*this, button_, b); }
void TSeSystemButton::MouseMove(TShiftState shift) { mouseMove(*this, button_, shift); }
void TSeSystemButton::MouseUp(TMouseButton b) { mouseUp(*this, button_, b, std::string()); }
void TSeSystemButton::DblClick(TMouseButton b) { dblClick(*this, button_, b); }

// ---- TSeSysButtonSkinObject ------------------------------------------------------------------

TSeSysButtonSkinObject::TSeSysButtonSkinObject(TComponent* owner)
    : TSeBitmapSkinObject(owner), bitmapHover_(std::make_unique<TSeBitmapLink>()),
      bitmapDown_(std::make_unique<TSeBitmapLink>())
{
    SetKind(skSysButton);
}
TSeSysButtonSkinObject::~TSeSysButtonSkinObject() = default;

const TSePropertyList& TSeSysButtonSkinObject::Properties() const
{
    using C = TSeSysButtonSkinObject;
    static const TSePropertyList list = [] {
        TSePropertyList l = BitmapSkinObjectProperties();
        SeProps::AddEnum(l, "Action", SeActionNames, [](const TSeSkinObject& o) { return int(static_cast<const C&>(o).button_.action); },
                         [](TSeSkinObject& o, int v) { static_cast<C&>(o).button_.action = TSeAction(v); });
        SeProps::AddLink(l, "BitmapHover", [](const TSeSkinObject& o) { return static_cast<const C&>(o).bitmapHover_.get(); });
        SeProps::AddLink(l, "BitmapDown", [](const TSeSkinObject& o) { return static_cast<const C&>(o).bitmapDown_.get(); });
        SeProps::AddString(
            l, "RollPanel", [](const TSeSkinObject& o) -> const std::string& { return static_cast<const C&>(o).rollPanel_; },
            [](TSeSkinObject& o, const std::string& v) { static_cast<C&>(o).rollPanel_ = v; });
        AddObjectsProperty(l);
        return l;
    }();
    return list;
}

void TSeSysButtonSkinObject::CollectLinks(std::vector<TSeBitmapLink*>& links) const
{
    TSeBitmapSkinObject::CollectLinks(links);
    links.push_back(bitmapHover_.get());
    links.push_back(bitmapDown_.get());
}

void TSeSysButtonSkinObject::ApplyState(std::uint8_t code)
{
    TSeBitmapSkinObject::ApplyState(code);
    applyVisibility(*this, button_.action, code);
}

void TSeSysButtonSkinObject::Draw(TCanvas& canvas)
{
    drawCaptionButton(*this, button_, active_, state_, canvas, Bitmap(), CurrentLink(), bitmapHover_.get(), bitmapDown_.get(),
                      [&](const TSeBitmapLink* link) { DrawWithLink(canvas, link); });
}

void TSeSysButtonSkinObject::MouseEnter() { mouseEnter(*this, button_); }
void TSeSysButtonSkinObject::MouseLeave() { mouseLeave(*this, button_); }
void TSeSysButtonSkinObject::MouseDown(TMouseButton b) { mouseDown(*this, button_, b); }
void TSeSysButtonSkinObject::MouseMove(TShiftState shift) { mouseMove(*this, button_, shift); }
void TSeSysButtonSkinObject::MouseUp(TMouseButton b) { mouseUp(*this, button_, b, rollPanel_); }
void TSeSysButtonSkinObject::DblClick(TMouseButton b) { dblClick(*this, button_, b); }
