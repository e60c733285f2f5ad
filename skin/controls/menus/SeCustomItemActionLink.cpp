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
    const TSeCustomItem& item = *client_;
    // While loading, only values still at their defaults take the action's.
    const bool all = !onlyDefaults;
    const Which which{all || item.caption_.empty(), all || !item.checked_,          all || item.enabled_,
                      all || item.hint_.empty(),    all || item.imageIndex_ == -1, all || item.shortCut_ == scNone,
                      all || item.visible_};
    apply(valuesOf(*action), which);
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
    // Decide every link before any value moves: setting one value may
    // notify code that reads the others.
    const Which which{IsCaptionLinked(),    IsCheckedLinked(),  IsEnabledLinked(), IsHintLinked(),
                      IsImageIndexLinked(), IsShortCutLinked(), IsVisibleLinked()};
    apply(valuesOf(*action), which);
}

void TSeCustomItemActionLink::apply(const Values& now, const Which& which)
{
    last_ = now;
    TSeCustomItem& item = *client_;
    if (which.caption)
        item.SetCaption(now.caption);
    if (which.checked)
        item.SetChecked(now.checked);
    if (which.enabled)
        item.SetEnabled(now.enabled);
    if (which.hint)
        item.SetHint(now.hint);
    if (which.imageIndex)
        item.SetImageIndex(now.imageIndex);
    if (which.shortCut)
        item.SetShortCut(now.shortCut);
    if (which.visible)
        item.SetVisible(now.visible);
}
