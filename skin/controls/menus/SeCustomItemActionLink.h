#pragma once
// How an item follows its action. Each value (caption, checked, enabled,
// hint, image, shortcut, visible; actions carry no help context) stays linked only while
// the item still shows what the action last had: a value the program set
// on the item itself is the item's own from then on. The action's execute
// handler stands in for a click when the item has no OnClick of its own.

#include "ui/component/ShortCut.h"
#include "ui/forms/ActionList.h"

#include <string>

class TCustomAction;
class TSeCustomItem;

class TSeCustomItemActionLink : public TBasicActionLink {
public:
    explicit TSeCustomItemActionLink(TSeCustomItem* client) : client_(client) {}

    // Copies every value from the action (with `onlyDefaults`, only into
    // values the item still has at their defaults) and remembers them.
    void CopyFromAction(bool onlyDefaults);
    void Change() override;

    bool IsCaptionLinked() const;
    bool IsCheckedLinked() const;
    bool IsEnabledLinked() const;
    bool IsHintLinked() const;
    bool IsImageIndexLinked() const;
    bool IsShortCutLinked() const;
    bool IsVisibleLinked() const;

private:
    struct Values {
        std::string caption;
        bool checked = false;
        bool enabled = true;
        std::string hint;
        int imageIndex = -1;
        TShortCut shortCut = scNone;
        bool visible = true;
    };
    // Which values take the action's.
    struct Which {
        bool caption, checked, enabled, hint, imageIndex, shortCut, visible;
    };
    static Values valuesOf(const TCustomAction& action);
    // Remembers `now` and copies the chosen values into the item.
    void apply(const Values& now, const Which& which);

    TSeCustomItem* client_;
    Values last_;
};
