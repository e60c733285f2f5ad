#pragma once
// TSeCustomHint: a non-visual component that puts its own hint window
// class and show-hint handler into the application, so every control hint
// is measured and drawn by it. Components installed one after another form
// a stack: each remembers what it replaced, and leaving puts that back only
// when the application still holds this component's handler; otherwise the
// component that replaced it inherits the remembered pair, so no handler
// or window class that names a freed component is ever left behind.

#include "skin/controls/options/SeWindowOptions.h"
#include "ui/forms/Application.h"

#include <string>

class TCanvas;

class TSeCustomHint : public TComponent {
public:
    explicit TSeCustomHint(TComponent* owner);
    ~TSeCustomHint() override;

    // Setting True installs the component (again on top, if it was already
    // installed); False only stores the value.
    bool Active() const { return active_; }
    void SetActive(bool value);
    TSeAnimation* Animation() { return options_.Animation(); }
    TSeBlending* Blending() { return options_.Blending(); }
    TSeShadow* Shadow() { return options_.Shadow(); }
    const TSeWindowOptions& Options() const { return options_; }
    // Runs after the component has put itself into the hint data.
    TShowHintEvent OnShowHint;

    // `rect` receives the window size the text needs (screen origin).
    virtual void MeasureHint(TCanvas& canvas, const std::string& text, RECT& rect);
    // Paints the whole hint into `rect` of `canvas`.
    virtual void DrawHint(TCanvas& canvas, const RECT& rect, const std::string& text);

    // Whether the application's hint handler and window class are this
    // component's, as they are while it is on top of the stack.
    bool HoldsApplication() const;
    bool Installed() const { return installed_; }

    // The most recently created hint component still alive, or null.
    static TSeCustomHint* DefaultHint();
    // `data` when it is a live hint component, else null; never reads
    // through `data`, so any hint data can be passed.
    static TSeCustomHint* FromHintData(const void* data);

protected:
    void Loaded() override;

private:
    struct Handler;
    struct WindowMaker;

    void install();
    void uninstall();
    void deactivateOthersOfMainForm();
    void showHint(std::string& text, bool& canShow, THintInfo& info);

    bool active_ = true;
    bool installed_ = false;
    TSeWindowOptions options_;
    TShowHintEvent previousHandler_;
    THintWindowClass previousWindowClass_;
};

// The plain hint look, for components and windows without a usable skin.
namespace brio {
void measurePlainHint(TCanvas& canvas, const std::string& text, RECT& rect);
void drawPlainHint(TCanvas& canvas, const RECT& rect, const std::string& text);
} // namespace brio
