// Action links of skinned menu items.

#include "skin/controls/menus/SeCustomItemActionLink.h"

#include "skin/controls/menus/SeCustomItem.h"

TSeCustomItemActionLink::Values TSeCustomItemActionLink::valuesOf(const TCustomAction& action)
{
    Values v;
    v.caption = action.Caption();
    v.checked = action.Checked();
    v.enabled = action.Enabled();
    v.hint = action.Hint();
    v.imageIndex = action.ImageIndex();
    v.shortCut = action.ShortCut();
    v.visible = action.Visible();
    return v;
}

void TSeCustomItemActionLink::CopyFromAction(bool onlyDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(Action());
    if (!action)
        return;
    const Values now = valuesOf(*action);
    TSeCustomItem& item = *client_;
    if (!onlyDefaults || item.caption_.empty())
        item.SetCaption(now.caption);
    if (!onlyDefaults || !item.checked_)
        item.SetChecked(now.checked);
    if (!onlyDefaults || item.enabled_)
        item.SetEnabled(now.enabled);
    if (!onlyDefaults || item.hint_.empty())
        item.SetHint(now.hint);
    if (!onlyDefaults || item.imageIndex_ == -1)
        item.SetImageIndex(now.imageIndex);
    if (!onlyDefaults || item.shortCut_ == scNone)
        item.SetShortCut(now.shortCut);
    if (!onlyDefaults || item.visible_)
        item.SetVisible(now.visible);
    last_ = now;
}

bool TSeCustomItemActionLink::IsCaptionLinked() const { return client_->caption_ == last_.caption; }
bool TSeCustomItemActionLink::IsCheckedLinked() const { return client_->checked_ == last_.checked; }
bool TSeCustomItemActionLink::IsEnabledLinked() const { return client_->enabled_ == last_.enabled; }
bool TSeCustomItemActionLink::IsHintLinked() const { return client_->hint_ == last_.hint; }
bool TSeCustomItemActionLink::IsImageIndexLinked() const { return client_->imageIndex_ == last_.imageIndex; }
bool TSeCustomItemActionLink::IsShortCutLinked() const { return client_->shortCut_ == last_.shortCut; }
bool TSeCustomItemActionLink::IsVisibleLinked() const { return client_->visible_ == last_.visible; }

void TSeCustomItemActionLink::Change()
{
    auto* action = dynamic_cast<TCustomAction*>(Action());
    if (!action)
        return;
    const Values now = valuesOf(*action);
    TSeCustomItem& item = *client_;
    // Decide every link before any value moves: setting one value may
    // notify code that reads the others.
    const bool caption = IsCaptionLinked(), checked = IsCheckedLinked(), enabled = IsEnabledLinked(),
               hint = IsHintLinked(), image = IsImageIndexLinked(), shortCut = IsShortCutLinked(),
               visible = IsVisibleLinked();
    last_ = now;
    if (caption)
        item.SetCaption(now.caption);
    if (checked)
        item.SetChecked(now.checked);
    if (enabled)
        item.SetEnabled(now.enabled);
    if (hint)
        item.SetHint(now.hint);
    if (image)
        item.SetImageIndex(now.imageIndex);
    if (shortCut)
        item.SetShortCut(now.shortCut);
    if (visible)
        item.SetVisible(now.visible);
}
