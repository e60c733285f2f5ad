#pragma once
// The gallery form of the skinned controls: every control in every state
// (normal, hot, pressed, focused, disabled, and the default button) in each
// of the three looks, side by side in three columns of an 856 x 561 client:
// skinned (an engine is named), themed plain (no engine), classic plain
// (the same, painted with themes off). The gallery test looks at it and
// checks it; the gallery benchmark paints it. Header-only, so both programs
// build it the same way.
//
// Below the buttons and check boxes each column keeps the area from
// kSecondBlockTop down for the bars, panels, group boxes, labels and
// splitters (addSecondBlock).

#include "skin/controls/bars/SeSkinProgressBar.h"
#include "skin/controls/bars/SeSkinTrackBar.h"
#include "skin/controls/buttons/SeSkinButton.h"
#include "skin/controls/buttons/SeSkinCheckBox.h"
#include "skin/controls/panels/SeSkinGroupBox.h"
#include "skin/controls/panels/SeSkinLabel.h"
#include "skin/controls/panels/SeSkinPanel.h"
#include "skin/controls/panels/SeSkinSplitter.h"
#include "ui/forms/Form.h"
#include "ui/stdctrls/Label.h"
#include "ui/stdctrls/Panel.h"

#include "platform/UxTheme.h"

#include <string>
#include <vector>

namespace skingallery {

enum class Look { Skinned, Themed, Classic };
constexpr Look kLooks[] = {Look::Skinned, Look::Themed, Look::Classic};
inline const char* LookName(Look look)
{
    switch (look) {
    case Look::Skinned:
        return "Skinned";
    case Look::Themed:
        return "Themed";
    case Look::Classic:
        return "Classic";
    }
    return "";
}

constexpr int kClientWidth = 856;
constexpr int kClientHeight = 561;
constexpr int kColumnWidth = kClientWidth / 3;
constexpr int kRowsTop = 28;
constexpr int kRowHeight = 30;
constexpr int kSecondBlockTop = 300;

enum class Kind { Button, CheckBox };

struct Entry {
    TSeCustomControl* control;
    Look look;
    Kind kind;
    std::string state; // "normal", "hot", "pressed", "focused", "disabled", "default", ...
    int variant;       // check boxes: the TCheckBoxState shown
};

// The check box with its held-down look settable, for the gallery only.
class GalleryCheckBox : public TSeSkinCheckBox {
public:
    using TSeSkinCheckBox::TSeSkinCheckBox;
    void Hold() { SetPressed(true); }
};

class Gallery {
public:
    // Builds the gallery on `form` (whose client becomes 856 x 561);
    // `engine` skins the first column (null leaves it plain).
    Gallery(TForm* form, TSeSkinEngine* engine) : form_(form), engine_(engine)
    {
        form_->SetClientWidth(kClientWidth);
        form_->SetClientHeight(kClientHeight);
        for (Look look : kLooks)
            addColumn(look);
    }

    const std::vector<Entry>& entries() const { return entries_; }
    // The second block's controls of each look, by name ("track", "track
    // disabled", "progress", "panel", "group", "label", ...).
    struct BlockControl {
        TControl* control;
        Look look;
        std::string name;
    };
    const std::vector<BlockControl>& blockControls() const { return block_; }
    TForm* form() const { return form_; }
    static RECT column(Look look)
    {
        const int left = int(look) * kColumnWidth;
        return RECT{left, 0, left + kColumnWidth, kClientHeight};
    }

    // Gives every control its state's flags. Run after the form is shown:
    // showing moves the focus.
    void applyStates()
    {
        // Showing focused the first button; the focus goes to the form
        // itself, so no gallery control shows it by accident and the
        // default button shows the default look.
        form_->SetActiveControl(nullptr);
        ::SetFocus(form_->Handle());
        form_->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form_));
        for (const Entry& e : entries_) {
            if (e.state == "hot")
                e.control->Perform(CM_MOUSEENTER, 0, 0);
            else if (e.state == "focused")
                e.control->Perform(CM_ENTER, 0, 0);
            else if (e.state == "pressed") {
                if (auto* button = dynamic_cast<TSeCustomButton*>(e.control))
                    button->SetState(kbsPressed);
                else if (auto* box = dynamic_cast<GalleryCheckBox*>(e.control))
                    box->Hold();
            }
        }
    }

    // The form as a person sees it: the classic column painted with themes off.
    void paint(HDC dc) const
    {
        form_->PaintTo(dc, 0, 0);
        const bool themed = IsThemeActive();
        EnableTheming(FALSE);
        for (const Entry& e : entries_)
            if (e.look == Look::Classic)
                e.control->PaintTo(dc, e.control->Left(), e.control->Top());
        if (TPanel* holder = holders_[int(Look::Classic)])
            holder->PaintTo(dc, holder->Left(), holder->Top());
        EnableTheming(themed);
    }

private:
    template <class T> T* add(Look look, int x, int y, int w, int h)
    {
        auto* control = new T(form_);
        control->SetBounds(int(look) * kColumnWidth + x, y, w, h);
        control->SetParent(form_);
        if constexpr (std::is_base_of_v<TSeSkinButton, T> || std::is_base_of_v<TSeSkinCheckBox, T>)
            if (look == Look::Skinned)
                control->SetSkinEngine(engine_);
        return control;
    }

    void label(Look look, int x, int y, const std::string& text)
    {
        auto* l = new TLabel(form_);
        l->SetCaption(text);
        l->SetLeft(int(look) * kColumnWidth + x);
        l->SetTop(y);
        l->SetParent(form_);
    }

    TSeSkinButton* button(Look look, int x, int y, const std::string& state, const std::string& caption)
    {
        auto* b = add<TSeSkinButton>(look, x, y, 75, 25);
        b->SetCaption(caption);
        if (state == "disabled")
            b->SetEnabled(false);
        if (state == "default")
            b->SetDefault(true);
        entries_.push_back({b, look, Kind::Button, state, 0});
        return b;
    }

    void checkBox(Look look, int x, int y, const std::string& state, TCheckBoxState value)
    {
        static const char* const captions[] = {"Off", "On", "Mix"};
        auto* c = add<GalleryCheckBox>(look, x, y, 49, 20);
        c->SetAllowGrayed(true);
        c->SetCaption(captions[value]);
        c->SetState(value);
        if (state == "disabled")
            c->SetEnabled(false);
        entries_.push_back({c, look, Kind::CheckBox, state, int(value)});
    }

    void addColumn(Look look)
    {
        label(look, 6, 8, LookName(look));
        const char* const states[] = {"normal", "hot", "pressed", "focused", "disabled", "default"};
        int y = kRowsTop;
        for (const char* state : states) {
            label(look, 6, y + 6, state);
            button(look, 58, y, state, "Button");
            if (std::string(state) != "default")
                for (TCheckBoxState value : {cbUnchecked, cbChecked, cbGrayed})
                    checkBox(look, 137 + 49 * int(value), y + 2, state, value);
            y += kRowHeight;
        }
        // Stock kinds with their glyphs on either side, and a disabled one.
        button(look, 6, y, "glyph", "")->SetKind(bkOK);
        auto* cancel = button(look, 86, y, "glyph", "");
        cancel->SetKind(bkCancel);
        cancel->SetLayout(blGlyphRight);
        button(look, 166, y, "disabled glyph", "")->SetKind(bkHelp);
        entries_.back().control->SetEnabled(false);
        y += kRowHeight;
        // A wrapped caption, and a check box with its box at the right.
        auto* wrapped = button(look, 6, y, "wrapped", "Sounds to microphone");
        wrapped->SetBounds(wrapped->Left(), y, 110, 40);
        wrapped->SetWordWrap(true);
        auto* right = add<GalleryCheckBox>(look, 124, y + 10, 150, 20);
        right->SetCaption("Run on start-up");
        right->SetAlignment(ktaRightJustify);
        right->SetChecked(true);
        entries_.push_back({right, look, Kind::CheckBox, "right", int(cbChecked)});
        addSecondBlock(look);
    }

    // The track bars, progress bars, panels, group boxes, labels and
    // splitters take the area from kSecondBlockTop down, on a plain holder
    // per column (so that the classic column repaints as one), all
    // double-buffered.
    template <class T> T* put(TWinControl* parent, Look look, const std::string& name, int x, int y, int w, int h)
    {
        auto* control = new T(form_);
        control->SetBounds(x, y, w, h);
        control->SetParent(parent);
        control->SetPerformance(kspDoubleBuffer);
        if (look == Look::Skinned)
            control->SetSkinEngine(engine_);
        block_.push_back({control, look, name});
        return control;
    }

    void addSecondBlock(Look look)
    {
        auto* holder = new TPanel(form_);
        holder->SetBevelOuter(bvNone);
        holder->SetBounds(int(look) * kColumnWidth, kSecondBlockTop, kColumnWidth, kClientHeight - kSecondBlockTop);
        holder->SetParent(form_);
        holders_[int(look)] = holder;

        auto* track = put<TSeSkinTrackBar>(holder, look, "track", 6, 0, 136, 42);
        track->SetMax(100);
        track->SetPosition(40);
        track->SetFrequency(10);
        track->SetIntervalHighlightType(htLowInterval);
        auto* trackOff = put<TSeSkinTrackBar>(holder, look, "track disabled", 144, 0, 136, 42);
        trackOff->SetMax(100);
        trackOff->SetPosition(70);
        trackOff->SetFrequency(10);
        trackOff->SetEnabled(false);

        put<TSeSkinProgressBar>(holder, look, "progress", 6, 44, 136, 16)->SetPosition(40);
        auto* smooth = put<TSeSkinProgressBar>(holder, look, "progress smooth", 144, 44, 136, 16);
        smooth->SetSmooth(true);
        smooth->SetPosition(70);

        auto* panel = put<TSeSkinPanel>(holder, look, "panel", 6, 64, 136, 96);
        panel->SetCaption("Panel");
        put<TSeSkinLabel>(panel, look, "label", 8, 30, 60, 16)->SetCaption("&Label");
        auto* grey = put<TSeSkinLabel>(panel, look, "label disabled", 8, 50, 60, 16);
        grey->SetCaption("Disabled");
        grey->SetEnabled(false);
        auto* right = put<TSeSkinLabel>(panel, look, "label right", 60, 70, 68, 16);
        right->SetAlignment(taRightJustify);
        right->SetCaption("Right");

        auto* group = put<TSeSkinGroupBox>(holder, look, "group", 144, 64, 136, 96);
        group->SetCaption("&Group");
        put<TSeSkinProgressBar>(group, look, "progress in group", 10, 30, 110, 14)->SetPosition(60);
        put<TSeSkinLabel>(group, look, "label in group", 10, 52, 60, 16)->SetCaption("Inside");

        auto* rolled = put<TSeSkinPanel>(holder, look, "panel rolled", 6, 166, 136, 90);
        rolled->SetCaption("Rolled");
        rolled->SetRolled(true);
        auto* hide = put<TSeSkinPanel>(holder, look, "panel hide", 6, 194, 136, 40);
        hide->SetCaption("Hide button");
        hide->SetButtonKind(pbkHide);
        hide->SetShowBevel(false);

        auto* checked = put<TSeSkinGroupBox>(holder, look, "group check box", 144, 166, 136, 70);
        checked->SetCaption("Microphone");
        checked->SetUseCheckBox(true);
        checked->SetChecked(false);
        put<TSeSkinLabel>(checked, look, "label in unchecked group", 10, 30, 60, 16)->SetCaption("Follows");

        auto* splitter = put<TSeSkinSplitter>(holder, look, "splitter", 6, 242, 136, 6);
        splitter->SetAlign(alNone);
        splitter->SetBeveled(true);
        splitter->SetBounds(6, 242, 136, 6);
    }

    TForm* form_;
    TSeSkinEngine* engine_;
    std::vector<Entry> entries_;
    std::vector<BlockControl> block_;
    TPanel* holders_[3]{};
};

} // namespace skingallery
