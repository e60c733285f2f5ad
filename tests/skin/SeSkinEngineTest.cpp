#include "SkinTestSupport.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SePixels.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/engine/SeSkinNotify.h"
#include "skin/engine/SeSkinObject.h"
#include "skin/engine/SeSkinSource.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace skintest;

namespace {

using Trace = std::vector<std::string>;

// A form or control that writes what it receives into a shared trace.
struct FakeReceiver : TSeSkinReceiver {
    FakeReceiver(std::string n, Trace& t) : name(std::move(n)), trace(t) {}
    void ReceiveSkinMessage(UINT message, TSeSkinEngine* engine) override
    {
        trace.push_back(name + (message == SEM_SKINCHANGING ? " changing" : " changed"));
        EXPECT_NE(engine, nullptr);
        if (onReceive)
            onReceive();
    }
    int SkinChildCount() const override { return int(children.size()); }
    TSeSkinReceiver* SkinChild(int i) const override { return children[std::size_t(i)]; }

    std::string name;
    Trace& trace;
    std::vector<TSeSkinReceiver*> children;
    std::function<void()> onReceive;
};

void expectSequence(const Trace& actual, const Trace& expected)
{
    std::string all;
    for (const std::string& line : actual)
        all += "  " + line + "\n";
    EXPECT_EQ(actual, expected) << "trace:\n" << all;
}

std::string savedSkin(const std::string& fileName, const std::string& skinName)
{
    TSeSkinSource source(nullptr);
    source.SetSkinName(skinName);
    source.Bitmaps().Add(MakePartsBitmap());
    source.AddObject(MakeFormObject(&source.Bitmaps()));
    source.AddObject(MakeButtonObject(&source.Bitmaps()));
    const std::string path = OutputPath(fileName);
    source.SaveSkinFile(path);
    return path;
}

class SkinEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousPump = SetSkinMessagePump([this] { trace.push_back("pump"); });
    }
    void TearDown() override
    {
        for (FakeReceiver* form : registered)
            UnregisterSkinForm(form);
        SetSkinMessagePump(previousPump);
    }
    void registerForm(FakeReceiver& form)
    {
        RegisterSkinForm(&form);
        registered.push_back(&form);
    }

    Trace trace;
    TSeMessagePump previousPump;
    std::vector<FakeReceiver*> registered;
};

} // namespace

TEST_F(SkinEngineTest, NotificationsGoDepthFirstThroughFormsInOrderWithPendingMessagesAfterEach)
{
    FakeReceiver main("main", trace), list("main.list", trace), header("main.list.header", trace),
        button("main.button", trace), dialog("dialog", trace), ok("dialog.ok", trace);
    main.children = {&list, &button};
    list.children = {&header};
    dialog.children = {&ok};
    registerForm(main);
    registerForm(dialog);

    TSeSkinEngine engine(nullptr);
    engine.Source()->Bitmaps().Add(MakePartsBitmap());
    engine.Source()->AddObject(MakeButtonObject(&engine.Source()->Bitmaps()));
    engine.OnBeforeChange = [this](TObject*) { trace.push_back("OnBeforeChange"); };
    engine.OnAfterChange = [this](TObject*) { trace.push_back("OnAfterChange"); };
    engine.SetDeltaHue(40);
    expectSequence(trace, {
                              "OnBeforeChange",
                              "main changing", "main.list changing", "main.list.header changing",
                              "main.button changing", "pump",
                              "dialog changing", "dialog.ok changing", "pump",
                              "main changed", "main.list changed", "main.list.header changed",
                              "main.button changed", "pump",
                              "dialog changed", "dialog.ok changed", "pump",
                              "OnAfterChange",
                          });
}

TEST_F(SkinEngineTest, AFormThatLeavesDuringANotificationIsSkipped)
{
    FakeReceiver first("first", trace), second("second", trace);
    registerForm(first);
    registerForm(second);
    first.onReceive = [&] { UnregisterSkinForm(&second); };
    TSeSkinEngine engine(nullptr);
    NotifySkinForms(SEM_SKINCHANGED, &engine);
    expectSequence(trace, {"first changed", "pump"});
}

TEST_F(SkinEngineTest, DeltaHueAppliesRelativeStepsAndOnlyStoresWithoutASkin)
{
    TSeSkinEngine engine(nullptr);
    engine.SetDeltaHue(25);
    EXPECT_EQ(engine.DeltaHue(), 25);
    EXPECT_EQ(engine.Source()->AppliedHue(), 0);

    engine.SetSkinFile(savedSkin("hue.kskn", "Hue"));
    EXPECT_EQ(engine.Source()->AppliedHue(), 25) << "a stored hue applies at the next load";

    FakeReceiver form("form", trace);
    registerForm(form);
    engine.SetDeltaHue(25);
    EXPECT_TRUE(trace.empty()) << "the current value does nothing";

    TSeBitmap& parts = *engine.Source()->Bitmaps().Items(0);
    const Pixel start = parts.ScanLine(8)[8];
    engine.SetDeltaHue(65);
    EXPECT_EQ(parts.ScanLine(8)[8], HueShiftPixel(start, 40));
    EXPECT_EQ(engine.Source()->PreviousHue(), 25);
    engine.SetDeltaHue(25);
    EXPECT_EQ(engine.Source()->AppliedHue(), 25);
    EXPECT_EQ(engine.Source()->PreviousHue(), 65);
    expectSequence(trace, {"form changing", "pump", "form changed", "pump", "form changing", "pump",
                           "form changed", "pump"});
}

TEST_F(SkinEngineTest, SkinStreamWritesAFlagByteAndReadsAnyNonZeroFlag)
{
    TSeSkinEngine empty(nullptr);
    TStringStream none;
    empty.WriteSkinStream(none);
    EXPECT_EQ(none.DataString(), std::string(1, '\0'));

    TSeSkinEngine source(nullptr);
    source.SetSkinFile(savedSkin("stream.kskn", "Stored"));
    ASSERT_EQ(source.Source()->Count(), 2);
    TStringStream stored;
    source.WriteSkinStream(stored);
    const std::string bytes = stored.DataString();
    EXPECT_EQ(bytes.substr(0, 7), std::string("\x02QFLZ\x78\x01"));

    TSeSkinEngine target(nullptr);
    target.SetSkinFile("not-there.kskn");
    std::string flagOne = bytes;
    flagOne[0] = 1;
    TStringStream in(flagOne);
    target.ReadSkinStream(in);
    EXPECT_EQ(target.Source()->Count(), 2);
    EXPECT_EQ(target.Source()->SkinName(), "Stored");
    EXPECT_EQ(target.SkinFile(), "");

    TStringStream zero(std::string(1, '\0') + bytes.substr(1));
    target.Source()->SetSkinName("Kept");
    target.ReadSkinStream(zero);
    EXPECT_EQ(target.Source()->SkinName(), "Kept");

    TStringStream again;
    target.WriteSkinStream(again);
    TSeSkinEngine third(nullptr);
    again.SetPosition(0);
    third.ReadSkinStream(again);
    TStringStream thirdOut;
    third.WriteSkinStream(thirdOut);
    EXPECT_EQ(thirdOut.DataString(), again.DataString());
}

TEST_F(SkinEngineTest, LoadingRaisesOnAfterChangeOnceWhenASkinWasStored)
{
    TSeSkinEngine source(nullptr);
    source.SetSkinFile(savedSkin("loaded.kskn", "Loaded"));
    TStringStream stored;
    source.WriteSkinStream(stored);

    TSeSkinEngine engine(nullptr);
    int raised = 0;
    engine.OnAfterChange = [&](TObject*) { ++raised; };
    engine.BeginLoading();
    stored.SetPosition(0);
    engine.ReadSkinStream(stored);
    EXPECT_EQ(raised, 0);
    engine.EndLoading();
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(trace.empty()) << "no notifications while a form loads";

    TSeSkinEngine bare(nullptr);
    bare.OnAfterChange = [&](TObject*) { ++raised; };
    bare.BeginLoading();
    bare.EndLoading();
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(bare.SkinStore(), "(none)");
    EXPECT_EQ(bare.Version(), "3.2.0");
    bare.SetVersion("1.0");
    EXPECT_EQ(bare.Version(), "3.2.0");
}

TEST_F(SkinEngineTest, ABadSkinFileRaisesKeepsThePreviousSkinAndClearsReplacing)
{
    const std::string bad = OutputPath("bad.kskn");
    {
        TFileStream out(bad, fmCreate);
        out.WriteBuffer("QFLZ\x78\x01garbage", 13);
    }
    TSeSkinEngine engine(nullptr);
    engine.SetSkinFile(savedSkin("good.kskn", "Good"));
    FakeReceiver form("form", trace);
    registerForm(form);
    bool replacingSeen = false;
    form.onReceive = [&] { replacingSeen = replacingSeen || engine.Source()->Replacing(); };

    EXPECT_THROW(engine.SetSkinFile(bad), EReadError);
    EXPECT_FALSE(engine.Source()->Replacing());
    EXPECT_TRUE(replacingSeen);
    EXPECT_EQ(engine.Source()->SkinName(), "Good");
    ASSERT_NE(engine.Source()->GetFormObject(), nullptr);
    expectSequence(trace, {"form changing", "pump", "form changed", "pump"});

    // A good file replaces it; a missing one leaves no skin.
    engine.SetSkinFile(savedSkin("other.uskn", "Other"));
    EXPECT_EQ(engine.Source()->SkinName(), "Other");
    engine.SetSkinFile(OutputPath("missing.kskn"));
    EXPECT_EQ(engine.Source()->Count(), 0);
    EXPECT_EQ(engine.SkinFile(), OutputPath("missing.kskn"));
}
