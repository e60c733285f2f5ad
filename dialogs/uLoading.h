#pragma once
// TfrmLoading: the splash that hands the key table to the player, one key
// row per tick of its timer, then every key's volume, and closes itself.
// The caller shows it modally and frees it.

#include "dialogs/ControlKinds.h"

#include "ui/forms/Form.h"

class TListView;
class TPlayerControl;
class TTimer;

class TfrmLoading : public TForm {
public:
    static constexpr int TickMilliseconds = 100;

    // Reads the rows of `keys` and sets variables on `player`; both must
    // outlive the splash.
    TfrmLoading(TComponent* owner, TListView& keys, TPlayerControl& player);

    void FormCreate(TObject* sender);
    void Timer1Timer(TObject* sender);

    brio::LabelKind* SeSkinLabel1 = nullptr;
    brio::ProgressBarKind* ssp = nullptr;
    TTimer* Timer1 = nullptr;
    TSeSkinForm* SeSkinForm1 = nullptr;
    // Key rows already handled, 0 to 20.
    int KeyIndex = 0;

private:
    void sendVolumes();

    TListView& keys_;
    TPlayerControl& player_;
};
