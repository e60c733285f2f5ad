// TButton: classic face, default frame, pushed look and focus rectangle.

#include "ui/stdctrls/Button.h"

#include "ui/graphics/Brush.h"
#include "ui/graphics/Font.h"

#include "platform/Gdi.h"
#include "platform/WinUser.h"

TButton::TButton(TComponent* owner) : TButtonControl(owner)
{
    // A quick second press is another click, not a double click.
    controlStyle_.Exclude(csDoubleClicks);
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    pointerInside_ = true;
    TButtonControl::MouseDown(button, shift, x, y);
}

void TButton::MouseMove(TShiftState shift, int x, int y)
{
    if (ControlState().Contains(csLButtonDown)) {
        TRect client = ClientRect();
        bool inside = PtInRect(&client, POINT{x, y});
        if (inside != pointerInside_) {
            pointerInside_ = inside;
            Invalidate();
        }
    }
    TButtonControl::MouseMove(shift, x, y);
}

void TButton::Paint()
{
    HDC dc = Canvas()->Handle();
    RECT r = ClientRect();
    bool down = Down();
    if (Active()) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    if (down && Active()) {
        // A pushed default button is flat: a shadow frame round the face.
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        RECT face = r;
        InflateRect(&face, -1, -1);
        FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    } else {
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    }
    RECT text = r;
    if (down)
        OffsetRect(&text, 1, 1);
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Font()->Assign(Font());
    const TTextFormat format{tfCenter, tfVerticalCenter, tfSingleLine};
    if (Enabled()) {
        c->TextRect(text, Caption(), format);
    } else {
        RECT raised = text;
        OffsetRect(&raised, 1, 1);
        c->Font()->SetColor(clBtnHighlight);
        c->TextRect(raised, Caption(), format);
        c->Font()->SetColor(clBtnShadow);
        c->TextRect(text, Caption(), format);
    }
    if (Focused()) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        c->Brush()->SetStyle(bsSolid);
        c->DrawFocusRect(focus);
    }
}
