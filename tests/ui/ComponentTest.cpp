#include "ui/component/Exception.h"
#include "ui/component/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records its destruction and the loading calls it sees.
class Recorder : public TComponent {
public:
    Recorder(TComponent* owner, std::string label, std::vector<std::string>& log)
        : TComponent(owner), label(std::move(label)), log(log) {}
    ~Recorder() override { log.push_back("free " + label); }

    void SetCaption(const std::string& text) { caption = text; }

    std::string label;
    std::string caption;
    std::vector<std::string>& log;

protected:
    void Loaded() override
    {
        // Properties must be complete and the flag still set when Loaded runs.
        log.push_back("loaded " + label + " caption=" + caption
                      + (ComponentState().Contains(csLoading) ? " loading" : ""));
        TComponent::Loaded();
    }
};

// Keeps a pointer to another component and clears it when told.
class Holder : public TComponent {
public:
    using TComponent::TComponent;
    void SetTarget(TComponent* target)
    {
        this->target = target;
        if (target)
            target->FreeNotification(this);
    }
    TComponent* target = nullptr;
    int removals = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == target) {
            target = nullptr;
            ++removals;
        }
    }
};

} // namespace

TEST(Component, OwnerFreesInReverseOrderOfCreation)
{
    std::vector<std::string> log;
    auto* root = new Recorder(nullptr, "root", log);
    auto* a = new Recorder(root, "a", log);
    new Recorder(root, "b", log);
    new Recorder(a, "a1", log);
    new Recorder(root, "c", log);
    ASSERT_EQ(root->ComponentCount(), 3);
    ASSERT_EQ(a->ComponentIndex(), 0);

    delete root;
    std::vector<std::string> expected = {"free root", "free c", "free b", "free a", "free a1"};
    // The root's own destructor body runs first; its parts go newest first,
    // each taking its own parts with it.
    EXPECT_EQ(log, expected);
}

TEST(Component, FreeingAnOwnedComponentLeavesItsOwner)
{
    std::vector<std::string> log;
    Recorder root(nullptr, "root", log);
    auto* a = new Recorder(&root, "a", log);
    auto* b = new Recorder(&root, "b", log);
    delete a;
    ASSERT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(root.Components(0), b);
    EXPECT_THROW(root.Components(1), EListError);
    b->Free();
    EXPECT_EQ(root.ComponentCount(), 0);
}

TEST(Component, FreeNotificationClearsReferencesAcrossOwners)
{
    TComponent formA(nullptr), formB(nullptr);
    auto* holder = new Holder(&formA);
    auto* target = new TComponent(&formB);
    holder->SetTarget(target);
    EXPECT_TRUE(target->ComponentState().Contains(csFreeNotification));

    delete target;
    EXPECT_EQ(holder->target, nullptr);
    EXPECT_EQ(holder->removals, 1);

    // The other way round: the holder goes first and the target must not
    // tell a freed holder anything later (the sanitizer would catch it).
    auto* target2 = new TComponent(&formB);
    holder->SetTarget(target2);
    delete holder;
    delete target2;
}

TEST(Component, SiblingsHearOfEachOthersRemovalThroughTheOwner)
{
    TComponent form(nullptr);
    auto* holder = new Holder(&form);
    auto* sibling = new TComponent(&form);
    holder->target = sibling; // no FreeNotification: the owner passes the news on
    delete sibling;
    EXPECT_EQ(holder->target, nullptr);
}

TEST(Component, RemoveFreeNotificationStopsTheNews)
{
    TComponent formA(nullptr), formB(nullptr);
    auto* holder = new Holder(&formA);
    auto* target = new TComponent(&formB);
    holder->SetTarget(target);
    target->RemoveFreeNotification(holder);
    delete target;
    EXPECT_EQ(holder->removals, 0);
}

TEST(Component, LoadingBracketCallsLoadedAfterAllProperties)
{
    std::vector<std::string> log;
    Recorder root(nullptr, "root", log);
    root.BeginLoading();
    auto* a = new Recorder(&root, "a", log);
    auto* a1 = new Recorder(a, "a1", log);
    auto* b = new Recorder(&root, "b", log);
    EXPECT_TRUE(a1->ComponentState().Contains(csLoading));
    a->SetCaption("A");
    b->SetCaption("B");
    a1->SetCaption("A1");
    root.SetCaption("R");

    root.BeginLoading(); // nested: nothing happens at its end
    root.EndLoading();
    EXPECT_TRUE(log.empty());

    root.EndLoading();
    std::vector<std::string> expected = {"loaded a caption=A loading", "loaded a1 caption=A1 loading",
                                         "loaded b caption=B loading", "loaded root caption=R loading"};
    EXPECT_EQ(log, expected);
    EXPECT_FALSE(a1->ComponentState().Contains(csLoading));
    EXPECT_FALSE(root.ComponentState().Contains(csLoading));

    // A component made after the bracket is not loading.
    auto* late = new Recorder(&root, "late", log);
    EXPECT_FALSE(late->ComponentState().Contains(csLoading));
    log.clear();
    root.EndLoading(); // unmatched: ignored
    EXPECT_TRUE(log.empty());
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwnerIgnoringCase)
{
    TComponent form(nullptr);
    auto* button = new TComponent(&form);
    auto* other = new TComponent(&form);
    button->SetName("btnOk");
    EXPECT_EQ(form.FindComponent("BTNOK"), button);
    EXPECT_EQ(form.FindComponent("btnCancel"), nullptr);
    EXPECT_EQ(form.FindComponent(""), nullptr);

    try {
        other->SetName("BtnOK");
        FAIL() << "duplicate name accepted";
    } catch (const EComponentError& e) {
        EXPECT_STREQ(e.what(), "A component named BtnOK already exists");
    }
    EXPECT_EQ(other->Name(), "");

    for (const char* bad : {"1st", "has space", "dash-name", "ünicode"})
        EXPECT_THROW(other->SetName(bad), EComponentError) << bad;
    EXPECT_NO_THROW(button->SetName("BTNOK")); // its own name in other letters
    EXPECT_EQ(button->Name(), "BTNOK");
    EXPECT_NO_THROW(other->SetName("_second2"));

    // Ownerless components may share names; moving one into an owner checks.
    TComponent loose(nullptr);
    loose.SetName("btnOk");
    EXPECT_THROW(form.InsertComponent(&loose), EComponentError);
    EXPECT_EQ(loose.Owner(), nullptr);
}

TEST(Component, InsertComponentMovesBetweenOwnersAndNotifies)
{
    TComponent first(nullptr), second(nullptr);
    auto* watcher = new Holder(&second);
    auto* moved = new TComponent(&first);
    watcher->target = moved;
    second.InsertComponent(moved);
    EXPECT_EQ(moved->Owner(), &second);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(second.ComponentCount(), 2);
    second.RemoveComponent(moved);
    EXPECT_EQ(watcher->target, nullptr);
    EXPECT_EQ(moved->Owner(), nullptr);
    delete moved;
}

TEST(Component, DestroyingStateIsSeenByOwnedComponents)
{
    bool sawDestroying = false;
    class Probe : public TComponent {
    public:
        Probe(TComponent* owner, bool& flag) : TComponent(owner), flag(flag) {}
        ~Probe() override { flag = ComponentState().Contains(csDestroying); }
        bool& flag;
    };
    auto* root = new TComponent(nullptr);
    new Probe(root, sawDestroying);
    delete root;
    EXPECT_TRUE(sawDestroying);
}

TEST(Persistent, AssignBetweenUnrelatedClassesNamesBoth)
{
    class TAlpha : public TPersistent {};
    class TBeta : public TPersistent {};
    TAlpha alpha;
    TBeta beta;
    try {
        alpha.Assign(&beta);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TBeta to a TAlpha");
    }
    try {
        alpha.Assign(nullptr);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a nil to a TAlpha");
    }
}
