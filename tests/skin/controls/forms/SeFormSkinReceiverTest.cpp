// A skinned form's receiver: the engine's change messages reach the form's
// window and then every control of the form, depth first, through plain
// containers, also while controls come and go during the notification.

#include "skin/controls/SeFormSkinReceiver.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinTypes.h"
#include "tests/support/UiTestSupport.h"

#include <string>
#include <vector>

namespace {

using uitest::UiTest;

class SkinReceiver : public UiTest {
protected:
    void SetUp() override
    {
        UiTest::SetUp();
        ASSERT_EQ(SkinFormCount(), 0) << "a form of an earlier test is still registered";
        form = makeForm("Main");
        engine = new TSeSkinEngine(form);
        form->WindowProc = recording(form, form->WindowProc);
    }

    // Records every skin message `control` handles, then passes it on.
    TWndMethod recording(TControl* control, TWndMethod previous)
    {
        return [this, control, previous](TMessage& m) {
            if (m.Msg == SEM_SKINCHANGING || m.Msg == SEM_SKINCHANGED) {
                EXPECT_EQ(m.WParam, reinterpret_cast<WPARAM>(engine));
                EXPECT_EQ(m.LParam, reinterpret_cast<LPARAM>(engine));
                trace.push_back(control->Name());
                if (onReceive)
                    onReceive(control);
            }
            previous(m);
        };
    }
    template <class T>
    T* add(TWinControl* parent, const std::string& name)
    {
        auto* c = new T(form);
        c->SetName(name);
        c->SetBounds(0, 0, 40, 20);
        c->SetParent(parent);
        c->WindowProc = recording(c, c->WindowProc);
        return c;
    }

    TForm* form = nullptr;
    TSeSkinEngine* engine = nullptr;
    std::vector<std::string> trace;
    std::function<void(TControl*)> onReceive;
};

TEST_F(SkinReceiver, FormWindowThenControlsDepthFirst)
{
    auto* panel = add<TCustomControl>(form, "pnVol");
    add<TGraphicControl>(panel, "tbVolume");
    auto* inner = add<TCustomControl>(panel, "pnInner");
    add<TGraphicControl>(inner, "lbDeep");
    add<TGraphicControl>(form, "lbAfter");

    TSeFormSkinReceiver* receiver = TSeFormSkinReceiver::ForForm(form);
    EXPECT_EQ(TSeFormSkinReceiver::ForForm(form), receiver) << "one per form";
    EXPECT_EQ(SkinFormCount(), 1);

    engine->BeforeChange();
    EXPECT_EQ(trace, (std::vector<std::string>{"Main", "pnVol", "tbVolume", "pnInner", "lbDeep", "lbAfter"}));
}

TEST_F(SkinReceiver, ControlsAddedOrFreedDuringTheWalkAreSeenAsTheyAre)
{
    auto* first = add<TCustomControl>(form, "First");
    auto* doomed = add<TGraphicControl>(form, "Doomed");
    add<TGraphicControl>(form, "Last");
    TSeFormSkinReceiver::ForForm(form);
    engine->BeforeChange(); // the receivers of the three exist now
    trace.clear();

    onReceive = [&](TControl* c) {
        if (c == first) {
            delete doomed;
            add<TGraphicControl>(first, "Born");
        }
    };
    engine->AfterChange();
    EXPECT_EQ(trace, (std::vector<std::string>{"Main", "First", "Born", "Last"}));
}

TEST_F(SkinReceiver, TheFormLeavesTheRegistryWhenFreed)
{
    TForm* other = makeForm("Other");
    other->WindowProc = recording(other, other->WindowProc);
    TSeFormSkinReceiver::ForForm(form);
    TSeFormSkinReceiver::ForForm(other);
    EXPECT_EQ(SkinFormCount(), 2);
    engine->BeforeChange();
    EXPECT_EQ(trace, (std::vector<std::string>{"Main", "Other"}));

    delete other;
    EXPECT_EQ(SkinFormCount(), 1);
    trace.clear();
    engine->BeforeChange();
    EXPECT_EQ(trace, (std::vector<std::string>{"Main"}));
}

} // namespace
