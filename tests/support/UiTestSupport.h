#pragma once
// A fixture for framework tests on the headless backend: a manual clock,
// message boxes answered by a hook, scripted input for nested loops (one
// step per idle turn), and clean-up of every form and window afterwards.

#include "platform/backends/headless/HeadlessBackend.h"
#include "ui/forms/Application.h"
#include "ui/control/Controls.h"
#include "ui/component/Exception.h"
#include "ui/forms/Form.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace uitest {

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HeadlessBackend& backend() { return *backend_; }
    // Handles everything waiting (input, posted messages, paints, due timers).
    void pump();
    // Moves the manual clock and handles what became due.
    void advance(unsigned ms);
    // Steps run one per idle turn of whatever loop is running (modal forms,
    // menus); a loop still running after the last step fails the test and
    // is ended.
    void script(std::vector<std::function<void()>> steps);
    bool scriptDone() const { return steps_.empty(); }

    // Screen point of a control's client point.
    TPoint screenPoint(const TControl* control, int x, int y) const;
    TPoint centerOf(const TControl* control) const;
    void click(const TControl* control);
    void moveTo(const TControl* control);
    void pressWith(int modifier, int key);
    // A visible form at (100, 100), client 300 x 200.
    TForm* makeForm(const std::string& name = "Form1");

    struct ShownBox {
        std::string text;
        std::string caption;
        UINT type;
    };
    std::vector<ShownBox> messageBoxes;
    int messageBoxAnswer = 1; // IDOK

private:
    HeadlessBackend* backend_ = nullptr;
    std::deque<std::function<void()>> steps_;
    int idleAfterScript_ = 0;
};

// A recorder of named events, compared in order.
class EventLog {
public:
    void add(std::string event) { events_.push_back(std::move(event)); }
    std::function<void(TObject*)> notify(std::string event)
    {
        return [this, event](TObject*) { add(event); };
    }
    const std::vector<std::string>& events() const { return events_; }
    void clear() { events_.clear(); }

private:
    std::vector<std::string> events_;
};

} // namespace uitest
