#pragma once
// TSeSkinEngine: the component that owns the application's skin. It loads
// the skin from its stored SkinStream or from a skin file, shifts its hue,
// and tells every form and control before and after the skin changes.

#include "platform/WinTypes.h"
#include "ui/component/Component.h"
#include "ui/component/Types.h"

#include <string>

class TSeSkinReceiver;
class TSeSkinSource;
class TStream;

class TSeSkinEngine : public TComponent {
public:
    explicit TSeSkinEngine(TComponent* owner);
    ~TSeSkinEngine() override;

    // ---- Published properties, in stream order --------------------------------------------
    int DeltaHue() const { return deltaHue_; }
    // Shifts the loaded skin, with notifications; without a skin the value
    // is only stored and applied at the next load.
    void SetDeltaHue(int value);
    const std::string& SkinFile() const { return skinFile_; }
    // Loads the file (nothing for a missing one or an unclaimed extension),
    // notifying before and after. A file that fails to load raises and
    // leaves the previous skin in place.
    void SetSkinFile(const std::string& value);
    std::string SkinStore() const;
    void SetSkinStore(const std::string&) {}
    bool SkinStoreCompression() const { return skinStoreCompression_; }
    void SetSkinStoreCompression(bool value) { skinStoreCompression_ = value; }
    std::string Version() const { return "3.2.0"; }
    void SetVersion(const std::string&) {}
    TNotifyEvent OnBeforeChange;
    TNotifyEvent OnAfterChange;

    // The binary property "SkinStream": a flag byte (2 with a skin, else 0)
    // and the default-format stream.
    void DefineProperties(TFiler& filer) override;
    void ReadSkinStream(TStream& stream);
    void WriteSkinStream(TStream& stream) const;

    TSeSkinSource* Source() const { return source_; }

    // The message to `receiver` and its children, depth first, with the
    // engine as both parameters.
    void Notify(TSeSkinReceiver& receiver, UINT message);
    void BeforeChange();
    void AfterChange();

protected:
    // Applies a stored non-zero hue to the stored skin and raises
    // OnAfterChange when a skin is loaded.
    void Loaded() override;

private:
    void applyHue();

    int deltaHue_ = 0;
    std::string skinFile_;
    bool skinStoreCompression_ = false;
    bool busy_ = false;
    TSeSkinSource* source_ = nullptr;
};
