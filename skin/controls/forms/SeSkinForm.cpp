#include "skin/controls/forms/SeSkinForm.h"

#include "skin/controls/SeFormSkinReceiver.h"
#include "skin/engine/SeBitmap.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinObjects.h"
#include "skin/engine/SeSkinSource.h"
#include "skin/engine/SeSystemButtons.h"

#include "platform/RectMath.h"
#include "platform/text/AsciiText.h"
#include "ui/forms/Application.h"
#include "ui/forms/Form.h"
#include "ui/forms/Timer.h"
#include "ui/graphics/Canvas.h"
#include "ui/graphics/Font.h"

namespace {

constexpr unsigned kHoverInterval = 100;

std::uint8_t stateCodeOf(TSeWindowState state)
{
    switch (state) {
    case kwsMaximized: return SeStateMaximized;
    case kwsMinimized:
    case kwsTray:      return SeStateMinimized;
    case kwsRollup:    return SeStateRolledUp;
    default:           return SeStateNormal;
    }
}

TSeFrameZone zoneOfKind(TSeKind kind)
{
    switch (kind) {
    case skCaption:
    case skTitle:       return fzCaption;
    case skTop:         return fzTop;
    case skLeft:        return fzLeft;
    case skRight:       return fzRight;
    case skBottom:      return fzBottom;
    case skTopLeft:     return fzTopLeft;
    case skTopRight:    return fzTopRight;
    case skBottomLeft:  return fzBottomLeft;
    case skBottomRight: return fzBottomRight;
    case skSysButton:   return fzSysButton;
    default:            return fzNone;
    }
}

// Lays every level out again: a part that appeared deep in the tree (a
// caption button shown in this state) has a place only after its own
// parent is laid out, even when no rectangle above it changed.
void alignTree(TSeSkinObject* object)
{
    object->AlignObjects();
    for (int i = 0; i < object->ChildCount(); ++i)
        alignTree(object->Child(i));
}

bool isCaptionButton(const TSeSkinObject* object)
{
    return dynamic_cast<const TSeSystemButton*>(object) || dynamic_cast<const TSeSysButtonSkinObject*>(object);
}

TSeAction captionButtonAction(const TSeSkinObject* object)
{
    if (auto* button = dynamic_cast<const TSeSystemButton*>(object))
        return button->Action();
    if (auto* button = dynamic_cast<const TSeSysButtonSkinObject*>(object))
        return button->Action();
    return sbaNone;
}

// Draws with the client child hidden, and shows it again on every exit.
class HiddenChild {
public:
    explicit HiddenChild(TSeSkinObject* child) : child_(child), wasVisible_(child && child->Visible())
    {
        if (child_)
            child_->SetVisible(false);
    }
    ~HiddenChild()
    {
        if (child_)
            child_->SetVisible(wasVisible_);
    }
    HiddenChild(const HiddenChild&) = delete;
    HiddenChild& operator=(const HiddenChild&) = delete;

private:
    TSeSkinObject* child_;
    bool wasVisible_;
};

} // namespace

TSeSkinForm::TSeSkinForm(TComponent* owner) : TSeCustomForm(owner)
{
    if (Form())
        TSeFormSkinReceiver::ForForm(Form());
    hoverTimer_ = new TTimer(this);
    hoverTimer_->SetInterval(kHoverInterval);
    hoverTimer_->OnTimer = [this](TObject*) { TrackHover(); };
}

TSeSkinForm::~TSeSkinForm()
{
    DetachHook();
    hoverTimer_->OnTimer = nullptr;
    dropSkin();
}

void TSeSkinForm::SetSkinEngine(TSeSkinEngine* engine)
{
    if (engine == engine_)
        return;
    if (engine_)
        engine_->RemoveFreeNotification(this);
    engine_ = engine;
    if (engine_)
        engine_->FreeNotification(this);
    bindSkin();
}

void TSeSkinForm::SetSkinObject(const std::string& name)
{
    if (name == skinObject_)
        return;
    skinObject_ = name;
    bindSkin();
}

void TSeSkinForm::CustomAction(TSeSkinObject* button)
{
    if (OnCustomAction)
        OnCustomAction(this, button);
}

void TSeSkinForm::Notification(TComponent* component, TOperation operation)
{
    TSeCustomForm::Notification(component, operation);
    if (operation == opRemove && component == engine_) {
        engine_ = nullptr;
        // The copy links to the engine's bitmaps.
        dropSkin();
        if (Form())
            Form()->SetColor(clBtnFace);
    }
}

// ---- Binding -----------------------------------------------------------------------------------

void TSeSkinForm::dropSkin()
{
    hoverChild_ = nullptr;
    pressedChild_ = nullptr;
    title_ = nullptr;
    client_ = nullptr;
    appliedState_ = -1;
    copy_.reset();
}

void TSeSkinForm::bindSkin()
{
    dropSkin();
    TSeSkinSource* source = engine_ ? engine_->Source() : nullptr;
    if (source && source->Count() > 0 && !source->Replacing()) {
        TSeSkinObject* formObject = source->GetFormObject();
        TSeSkinObject* named = source->GetObjectByName(skinObject_);
        TSeSkinObject* chosen = named;
        if ((brio::asciiEqualNoCase(skinObject_, "Form") && formObject) || !named)
            chosen = formObject;
        // A skin without any form object is no usable skin.
        if (chosen) {
            copy_.reset(CloneSkinObject(*chosen, nullptr));
            if (HWND hwnd = windowHandle())
                copy_->BindControl(hwnd);
            title_ = FindObjectOfKind(copy_.get(), skTitle);
            client_ = FindObjectOfKind(copy_.get(), skClient);
        }
    }
    TCustomForm* form = Form();
    if (form) {
        if (copy_) {
            form->SetFont(copy_->EffectiveFont());
            if (copy_->Color() != clNone)
                form->SetColor(copy_->Color());
            if (!client_)
                form->SetBounds(form->Left(), form->Top(), copy_->Width(), copy_->Height());
        } else {
            form->SetColor(clBtnFace);
        }
    }
    if (!Loading())
        UpdateFrame();
}

void TSeSkinForm::AfterLoad()
{
    if (BorderStyle() == kbsToolWindow)
        skinObject_ = "ToolWindow";
    bindSkin();
    TSeCustomForm::AfterLoad();
    TCustomForm* form = Form();
    if (!form)
        return;
    if (copy_ && windowHandle())
        copy_->BindControl(windowHandle());
    if (copy_ && !client_)
        form->SetBounds(form->Left(), form->Top(), copy_->Width(), copy_->Height());
    // Every control takes its picture from the new frame.
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(form->Components(i)))
            control->Perform(SEM_SKINOBJECTCHANGED, 0, 0);
}

void TSeSkinForm::HookReinstalled()
{
    if (copy_ && windowHandle())
        copy_->BindControl(windowHandle());
    TSeCustomForm::HookReinstalled();
}

void TSeSkinForm::HandleMessage(TMessage& m)
{
    switch (m.Msg) {
    case SEM_SKINOBJECTCHANGED: {
        auto* object = reinterpret_cast<TSeSkinObject*>(m.LParam);
        if (!object || object->Kind() != skClient)
            PaintNonClient();
        return;
    }
    case SEM_SKINCHANGING:
        if (reinterpret_cast<TSeSkinEngine*>(m.LParam) != engine_ || !engine_)
            return;
        hoverTimer_->SetEnabled(false);
        Application->ProcessMessages();
        dropSkin();
        Application->ProcessMessages();
        return;
    case SEM_SKINCHANGED:
        if (reinterpret_cast<TSeSkinEngine*>(m.LParam) != engine_ || !engine_)
            return;
        bindSkin();
        hoverTimer_->SetEnabled(true);
        return;
    default:
        TSeCustomForm::HandleMessage(m);
    }
}

// ---- Geometry ----------------------------------------------------------------------------------

void TSeSkinForm::arrange()
{
    if (!copy_)
        return;
    RECT frame = frameRect();
    bool sized = copy_->Width() != Width(frame) || copy_->Height() != Height(frame) || copy_->Left() != 0 ||
                 copy_->Top() != 0;
    if (sized)
        copy_->ArrangeIn(frame);
    // Caption buttons show and hide by state: the layout follows.
    int code = stateCodeOf(WindowState());
    if (code != appliedState_) {
        appliedState_ = code;
        copy_->ApplyState(std::uint8_t(code));
        alignTree(copy_.get());
    }
}

RECT TSeSkinForm::GetClientBounds()
{
    if (!copy_)
        return TSeCustomForm::GetClientBounds();
    if (!client_)
        return frameRect();
    arrange();
    RECT r = client_->BoundsRect();
    if (r.left != 0 && r.top != 0)
        return r;
    return TSeCustomForm::GetClientBounds();
}

RECT TSeSkinForm::GetMaximizedBounds()
{
    if (!copy_)
        return TSeCustomForm::GetMaximizedBounds();
    RECT area{};
    if (StayOnTop())
        area = RECT{0, 0, 10000, 10000};
    else
        SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
    MONITORINFO info;
    if (GetMonitorInfo(MonitorFromWindow(windowHandle(), MONITOR_DEFAULTTONEAREST), &info))
        area = Intersect(area, info.rcMonitor);
    return area;
}

HRGN TSeSkinForm::CreateRegion()
{
    if (!copy_)
        return TSeCustomForm::CreateRegion();
    arrange();
    placeLinkedControls();
    return copy_->CreateRegion();
}

// A link object carries a control of the host onto its own rectangle
// (relative to the client area), or hides it when it lies outside its parent.
void TSeSkinForm::placeLinkedControls()
{
    TCustomForm* form = Form();
    if (!form || !copy_)
        return;
    RECT client = GetClientBounds();
    std::vector<TSeSkinObject*> pending{copy_.get()};
    while (!pending.empty()) {
        TSeSkinObject* object = pending.back();
        pending.pop_back();
        for (int i = 0; i < object->ChildCount(); ++i)
            pending.push_back(object->Child(i));
        auto* link = dynamic_cast<TSeLinkSkinObject*>(object);
        if (!link || link->LinkControl().empty())
            continue;
        auto* control = dynamic_cast<TControl*>(form->FindComponent(link->LinkControl()));
        if (!control)
            continue;
        RECT r = link->BoundsRect();
        auto* parent = dynamic_cast<TSeSkinObject*>(link->Owner());
        bool outside = parent && IsEmpty(Intersect(r, parent->BoundsRect()));
        if (outside)
            control->SetBounds(0, 0, 0, 0);
        else
            control->SetBounds(r.left - client.left, r.top - client.top, Width(r), Height(r));
    }
}

TSeSkinObject* TSeSkinForm::childAt(POINT p) const
{
    if (!copy_)
        return nullptr;
    TSeSkinObject* deepest = ObjectAtPoint(copy_.get(), p);
    if (deepest == copy_.get() || (deepest && !deepest->Visible()))
        return nullptr;
    // A caption button takes the pointer for the parts drawn on it.
    for (TSeSkinObject* object = deepest; object && object != copy_.get();
         object = dynamic_cast<TSeSkinObject*>(object->Owner()))
        if (isCaptionButton(object))
            return object;
    return deepest;
}

TSeFrameZone TSeSkinForm::HitTestZone(POINT p)
{
    if (!copy_)
        return TSeCustomForm::HitTestZone(p);
    arrange();
    if (p.x < 0 || p.y < 0 || p.x >= FrameSize().cx || p.y >= FrameSize().cy)
        return fzNone;
    // A part without a kind of its own (a caption's end piece) takes the
    // zone of the nearest ancestor that has one.
    for (TSeSkinObject* object = ObjectAtPoint(copy_.get(), p); object && object != copy_.get();
         object = dynamic_cast<TSeSkinObject*>(object->Owner())) {
        if (isCaptionButton(object))
            return fzSysButton;
        if (TSeFrameZone zone = zoneOfKind(object->Kind()); zone != fzNone)
            return zone;
        if (object->Kind() == skClient)
            return fzNone;
    }
    return fzNone;
}

// ---- Painting ----------------------------------------------------------------------------------

void TSeSkinForm::PaintFrame(TCanvas& canvas)
{
    if (!copy_) {
        TSeCustomForm::PaintFrame(canvas);
        return;
    }
    arrange();
    copy_->SetActive(FrameActive());
    if (title_)
        title_->SetText(Caption());
    HiddenChild hidden(client_);
    HDC dc = canvas.Handle();
    int bandHeight = client_ ? client_->Top() : 0;
    if (!paintingToWindow_ || bandHeight <= 0) {
        copy_->Draw(canvas);
        return;
    }
    // Straight onto the window, the caption would show half drawn: it is
    // composed aside and copied in one go, the rest drawn around it.
    TSeBitmap band;
    band.Allocate(FrameSize().cx, bandHeight);
    band.Fill(SeKeyValue);
    {
        TCanvas bandCanvas;
        bandCanvas.SetHandle(band.DC());
        copy_->Draw(bandCanvas);
        bandCanvas.SetHandle(nullptr);
    }
    BitBlt(dc, 0, 0, band.Width(), band.Height(), band.DC(), 0, 0, SRCCOPY);
    int saved = SaveDC(dc);
    ExcludeClipRect(dc, 0, 0, band.Width(), band.Height());
    try {
        copy_->Draw(canvas);
    } catch (...) {
        RestoreDC(dc, saved);
        throw;
    }
    RestoreDC(dc, saved);
}

void TSeSkinForm::PaintClient(TCanvas& canvas)
{
    if (!copy_) {
        TSeCustomForm::PaintClient(canvas);
        return;
    }
    arrange();
    copy_->SetActive(FrameActive());
    if (!client_) {
        copy_->Draw(canvas);
        return;
    }
    HDC dc = canvas.Handle();
    int saved = SaveDC(dc);
    RECT r = client_->BoundsRect();
    OffsetViewportOrgEx(dc, -r.left, -r.top, nullptr);
    try {
        client_->Draw(canvas);
    } catch (...) {
        RestoreDC(dc, saved);
        throw;
    }
    RestoreDC(dc, saved);
}

// ---- The skin's children under the mouse -------------------------------------------------------

void TSeSkinForm::setHoverChild(TSeSkinObject* child)
{
    if (child == hoverChild_)
        return;
    if (pressedChild_ && child && child != pressedChild_)
        child = nullptr;
    if (child == hoverChild_)
        return;
    TSeSkinObject* previous = hoverChild_;
    hoverChild_ = child;
    if (previous)
        previous->MouseLeave();
    if (child)
        child->MouseEnter();
}

void TSeSkinForm::FrameMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TSeCustomForm::FrameMouseDown(button, shift, x, y);
    TSeSkinObject* child = childAt(POINT{x, y});
    if (!child)
        return;
    pressedChild_ = child;
    if (!shift.Contains(ssDouble)) {
        child->MouseDown(button);
        return;
    }
    // The second press of a quick double click still presses a caption
    // button; only the system-menu button has a meaning for the double click.
    if (isCaptionButton(child) && captionButtonAction(child) != sbaSysMenu)
        child->MouseDown(button);
    child->DblClick(button);
}

void TSeSkinForm::FrameMouseMove(TShiftState shift, int x, int y)
{
    TSeCustomForm::FrameMouseMove(shift, x, y);
    TSeSkinObject* child = childAt(POINT{x, y});
    setHoverChild(child);
    if (child && (!pressedChild_ || child == pressedChild_))
        child->MouseMove(shift);
}

void TSeSkinForm::FrameMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TSeSkinObject* pressed = pressedChild_;
    pressedChild_ = nullptr;
    TSeCustomForm::FrameMouseUp(button, shift, x, y);
    // The base may have changed the state or the skin meanwhile.
    if (!pressed || !copy_ || childAt(POINT{x, y}) != pressed)
        return;
    pressed->MouseUp(button);
}

void TSeSkinForm::TrackHover()
{
    if (!FrameActive() || !copy_ || !windowHandle())
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT window{};
    GetWindowRect(windowHandle(), &window);
    setHoverChild(childAt(POINT{cursor.x - window.left, cursor.y - window.top}));
}
