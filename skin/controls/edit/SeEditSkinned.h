#pragma once
// The skin look both skinned edit boxes (with and without a button) add
// to their plain base: a binding to a skin object ("Edit"), whose "Frame"
// part (or the object itself), in the box's state and laid out to the
// whole box, draws the border and, clipped to the text area, the text's
// background; its "Text" part (or the object) gives the font. Without a
// usable skin the plain look is drawn.
//
// Typing repaints the whole box, but the frame only changes with the
// state, the size or the skin: its picture is kept and copied in.

#include "skin/controls/base/SeSkinBinding.h"
#include "skin/controls/menus/SeSkinPopupMenu.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinTypes.h"

#include "platform/gdi/GdiObjectOwner.h"
#include "platform/gdi/MemoryDib.h"

#include <string>

class TSeSkinEngine;

template <typename Edit> class TSeEditSkinned : public Edit {
public:
    explicit TSeEditSkinned(TComponent* owner) : Edit(owner), binding_(*this, "Edit")
    {
        // A new copy may bring another font: measurements and height again.
        binding_.OnChange = [this] {
            frameCache_.reset();
            this->FontOrFrameChanged();
        };
    }

    TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    virtual void SetSkinEngine(TSeSkinEngine* engine)
    {
        binding_.SetEngine(engine);
        if (auto* menu = dynamic_cast<TSeSkinPopupMenu*>(this->ContextMenu()))
            menu->SetSkinEngine(engine);
    }
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }
    std::string Version() const { return "3.2.0"; }
    bool Skinned() const { return binding_.Skinned(); }

    void WndProc(TMessage& m) override
    {
        if (m.Msg == SEM_SKINOBJECTCHANGED)
            frameCache_.reset();
        if (!binding_.HandleMessage(m))
            Edit::WndProc(m);
    }

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        Edit::Notification(component, operation);
        binding_.Notification(component, operation);
    }

    TFont* EditFont() const override
    {
        TSeSkinObject* skin = binding_.Object();
        if (!skin)
            return Edit::EditFont();
        TSeSkinObject* text = FindObject(skin, "Text");
        return (text ? text : skin)->EffectiveFont();
    }

    // The frame is drawn whole, edges included, with the background.
    void PaintEdges(TCanvas& canvas) override
    {
        if (!binding_.Object())
            Edit::PaintEdges(canvas);
    }

    void PaintBackground(TCanvas& canvas) override
    {
        TSeSkinObject* skin = binding_.Object();
        if (!skin) {
            Edit::PaintBackground(canvas);
            return;
        }
        const int width = this->Width();
        const int height = this->Height();
        const std::uint8_t state = currentState();
        // A see-through box draws over its parent's picture, which a kept
        // picture would hide.
        if (this->Transparent()) {
            drawFrame(skin, canvas, state);
            return;
        }
        if (frameCache_.empty() || cachedState_ != state || frameCache_.width() != width ||
            frameCache_.height() != height) {
            frameCache_ = brio::MemoryDib(width, height, brio::MemoryDib::Fill::Unfilled);
            if (frameCache_.empty()) {
                drawFrame(skin, canvas, state);
                return;
            }
            // The key colour the buffered paint starts from.
            brio::GdiObjectOwner<HBRUSH> key(CreateSolidBrush(RGB(0x7F, 0x00, 0x7F)));
            const RECT all{0, 0, width, height};
            FillRect(frameCache_.dc(), &all, key.get());
            TCanvas cacheCanvas;
            cacheCanvas.SetHandle(frameCache_.dc());
            drawFrame(skin, cacheCanvas, state);
            cacheCanvas.SetHandle(nullptr);
            cachedState_ = state;
        }
        BitBlt(canvas.Handle(), 0, 0, width, height, frameCache_.dc(), 0, 0, SRCCOPY);
    }

    void MouseEnter() override
    {
        Edit::MouseEnter();
        this->Invalidate();
    }
    void MouseLeave() override
    {
        Edit::MouseLeave();
        this->Invalidate();
    }

    TSeCustomPopupMenu* CreateContextMenu() override
    {
        auto* menu = new TSeSkinPopupMenu(this);
        menu->SetSkinEngine(binding_.Engine());
        return menu;
    }

private:
    std::uint8_t currentState() const
    {
        return !this->Enabled()                     ? SeStateDisabled
               : this->Hot()                         ? SeStateHot
               : this->HasFocus() || this->Focused() ? SeStateFocused
                                                      : SeStateNormal;
    }

    void drawFrame(TSeSkinObject* skin, TCanvas& canvas, std::uint8_t state)
    {
        TSeSkinObject* frame = FindObject(skin, "Frame");
        if (!frame)
            frame = skin;
        frame->ApplyState(state);
        frame->ArrangeIn(RECT{0, 0, this->Width(), this->Height()});
        frame->Draw(canvas);
    }

    mutable TSeSkinBinding binding_;
    brio::MemoryDib frameCache_;
    std::uint8_t cachedState_ = SeStateNormal;
};
