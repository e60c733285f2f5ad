#pragma once
// TSeSkinHint: the hint component drawn from a skin object ("Hint" by
// default) of a skin engine. Without an engine, or with a skin that lacks
// the object, it keeps the plain look. It drops its copy of the object
// while the engine changes skin and takes a fresh one afterwards, so it
// never draws with bitmaps of a skin that is gone.

#include "skin/controls/hints/SeCustomHint.h"
#include "skin/engine/SeSkinNotify.h"

#include <memory>
#include <string>

class TSeSkinEngine;
class TSeSkinObject;

class TSeSkinHint : public TSeCustomHint, public TSeSkinReceiver {
public:
    explicit TSeSkinHint(TComponent* owner);
    ~TSeSkinHint() override;

    TSeSkinEngine* SkinEngine() const { return engine_; }
    void SetSkinEngine(TSeSkinEngine* engine);
    const std::string& SkinObject() const { return skinObject_; }
    void SetSkinObject(const std::string& name);
    std::string Version() const { return "3.2.0"; }
    void SetVersion(const std::string&) {}
    // The private copy the hints are drawn with, or null (plain look).
    TSeSkinObject* BoundObject() const { return object_.get(); }

    void MeasureHint(TCanvas& canvas, const std::string& text, RECT& rect) override;
    void DrawHint(TCanvas& canvas, const RECT& rect, const std::string& text) override;

    void ReceiveSkinMessage(UINT message, TSeSkinEngine* engine) override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void bind();

    TSeSkinEngine* engine_ = nullptr;
    std::string skinObject_ = "Hint";
    std::unique_ptr<TSeSkinObject> object_;
};
