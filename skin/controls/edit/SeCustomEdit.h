#pragma once
// TSeCustomEdit: a single-line text box drawn by the skin library itself,
// not a platform edit control. It keeps its own UTF-16 text, caret,
// selection, sideways scroll and undo record; handles keys, mouse and the
// clipboard; offers a context menu; and can hide its text behind password
// glyphs of several shapes. Positions count UTF-16 units from 0.

#include "skin/controls/base/SeCustomControl.h"
#include "skin/controls/edit/EditTextModel.h"
#include "skin/controls/edit/SeEditTypes.h"
#include "skin/controls/options/SeWindowOptions.h"

#include <string>
#include <unordered_map>
#include <vector>

class TSeCustomItem;
class TSeCustomPopupMenu;

class TSeCustomEdit : public TSeCustomControl {
public:
    explicit TSeCustomEdit(TComponent* owner);
    ~TSeCustomEdit() override;

    // ---- Text ------------------------------------------------------------------------
    std::string Text() const override;
    void SetText(const std::string& value) override;
    const std::u16string& WideText() const { return model_.text(); }
    // Accepted by the validation hook, stored in CharCase, repainted; the
    // undo record is cleared; OnChange fires when the text differs.
    void SetWideText(std::u16string value);

    // ---- Published properties --------------------------------------------------------
    bool AutoSelect = true;
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TEditCharCase CharCase() const { return model_.charCase(); }
    void SetCharCase(TEditCharCase value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    int MaxLength() const { return model_.maxLength(); }
    void SetMaxLength(int value) { model_.setMaxLength(value); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    TPasswordKind PasswordKind() const { return passwordKind_; }
    void SetPasswordKind(TPasswordKind value);
    char16_t PasswordWideChar() const { return passwordChar_; }
    void SetPasswordWideChar(char16_t value);
    TAlignment TextAlignment() const { return alignment_; }
    void SetTextAlignment(TAlignment value);
    TSePopupMenuOptions* ContextMenuOptions() { return &contextMenuOptions_; }

    // ---- Selection, clipboard and undo -----------------------------------------------
    int SelStart() const { return model_.selStart(); }
    void SetSelStart(int value);
    int SelLength() const { return model_.selLength(); }
    void SetSelLength(int value);
    // Selects `length` units from `start`; a negative length leaves the
    // caret at the left end.
    void Select(int start, int length);
    std::string SelText() const;
    int CaretIndex() const { return model_.caret(); }
    void SelectAll();
    // Deletes the selection (recorded for undo).
    void ClearSelection();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return model_.canUndo(); }
    void Undo();
    // Replaces the selection as typing would (MaxLength and CharCase apply).
    void SetSelText(const std::string& value);
    // Whether a copy would put anything on the clipboard.
    bool CanCopy() const { return passwordKind_ == pkNone && model_.selLength() > 0; }

    // ---- Geometry --------------------------------------------------------------------
    // The first character shown at the text area's left edge.
    int FirstVisible() const { return firstVisible_; }
    // Inside the border and the bevel.
    using TSeCustomControl::GetClientArea;
    // The area the text is drawn and clipped in, in client coordinates.
    virtual RECT GetTextArea() const;
    // The caret's left edge in client coordinates.
    POINT CaretPoint();
    // The position a press at client x would put the caret at.
    int PositionAt(int x);
    // The character index under client x (for the word a double click takes).
    int CharacterAt(int x);
    int LineHeight();
    // The font the text is drawn and measured in.
    TFont* TextFont() const { return EditFont(); }

    TSeCustomPopupMenu* ContextMenu() const { return contextMenu_; }
    // Pops the context menu up at a screen point; (-1, -1) opens it at the
    // caret, as a keyboard request does.
    void ShowContextMenu(int screenX, int screenY);

    bool WantsKey(WORD key) const override;
    bool WantsChars() const override { return true; }
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    // The font the text is drawn in: the control's own, or the skin's.
    virtual TFont* EditFont() const;
    // One password cell's width: the glyph character's, "W"'s for the
    // shapes, 10 without a font; at least 1.
    virtual int GetGlyphWidth();
    virtual void PaintPasswordGlyph(TCanvas& canvas, const RECT& cell, bool selected);
    virtual void PaintSelection(TCanvas& canvas, const RECT& selection);
    // The menu in the plain look here; skinned boxes make a skinned one.
    virtual TSeCustomPopupMenu* CreateContextMenu();
    virtual TSeCustomItem* CreateContextMenuItem(TSeCustomPopupMenu* menu);
    // Consulted by every Text assignment; false keeps the old text.
    virtual bool ValidateText(const std::u16string&) { return true; }
    virtual void Change();
    // After a change of font or frame: measurements and the height again.
    void FontOrFrameChanged();

    // The plain frame: the border in Color, the bevels in themed or
    // classic edges.
    void PaintEdges(TCanvas& canvas) override;
    // The text area in Color.
    void PaintBackground(TCanvas& canvas) override;
    void Paint() override;
    void KeyDown(WORD& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void BoundsChanged() override;
    void FrameChanged() override { FontOrFrameChanged(); }

    brio::EditTextModel& model() { return model_; }

private:
    template <typename T> void changeLook(T& field, T value);
    void typeUnit(char16_t unit);
    void insertText(std::u16string_view text);
    // After an edit: positions, scroll and caret follow, OnChange runs.
    void textEdited();
    void caretMoved();
    void scrollToCaret();
    void placeCaret();
    void createCaret();
    void destroyCaret();
    void adjustHeight();
    void fillContextMenu(TSeCustomPopupMenu* menu);
    void updateContextMenu();
    void selectWordAt(int x);
    bool editable() const { return !readOnly_ && Enabled(); }

    // x of every position from the text's start, without scroll.
    const std::vector<int>& positions();
    int advanceOf(char32_t c);
    int textX(int position);
    // The position under client x: the nearest boundary, or the start of
    // the character the point lies on.
    int positionFor(int x, bool nearestBoundary);
    int alignmentOffset();

    brio::EditTextModel model_;
    bool autoSize_ = true;
    bool hideSelection_ = true;
    bool readOnly_ = false;
    TPasswordKind passwordKind_ = pkNone;
    char16_t passwordChar_ = 0;
    TAlignment alignment_ = taLeftJustify;
    TSePopupMenuOptions contextMenuOptions_;
    int firstVisible_ = 0;
    bool selecting_ = false;
    bool hasCaret_ = false;
    char16_t pendingHighSurrogate_ = 0;
    TSeCustomPopupMenu* contextMenu_ = nullptr;

    std::vector<int> positions_;
    bool positionsValid_ = false;
    std::unordered_map<char32_t, int> advances_;
    int lineHeight_ = -1;
};
