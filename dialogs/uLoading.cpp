#include "dialogs/uLoading.h"

#include "app/uCommon.h"
#include "player/PlayerControl.h"
#include "ui/forms/Timer.h"
#include "ui/views/ListView.h"

namespace {

constexpr int RowCount = 20;
constexpr int SoundColumn = 1;
constexpr int VolumeColumn = 0;

std::string subItem(TListView& keys, int row, int column)
{
    if (row >= keys.Items()->Count())
        return "";
    const TListSubItems* items = keys.Items()->Item(row)->SubItems();
    return column < items->Count() ? items->Strings(column) : "";
}

} // namespace

TfrmLoading::TfrmLoading(TComponent* owner, TListView& keys, TPlayerControl& player)
    : TForm(owner), keys_(keys), player_(player)
{
    BeginLoading();
    SetName("frmLoading");
    SetCaption("Loading");
    SetBorderStyle(bsSingle);
    SetBorderIcons({});
    SetPosition(poOwnerFormCenter);
    SetBounds(337, 362, 455, 76);
    SetClientWidth(455);
    SetClientHeight(76);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);

    SeSkinLabel1 = new brio::LabelKind(this);
    SeSkinLabel1->SetParent(this);
    SeSkinLabel1->SetBounds(16, 24, 136, 13);
    SeSkinLabel1->SetCaption("Please wait for load key list...");
    SeSkinLabel1->SetTransparent(true);

    ssp = new brio::ProgressBarKind(this);
    ssp->SetParent(this);
    ssp->SetBounds(16, 48, 425, 16);
    ssp->SetMax(100);
    ssp->SetPosition(0);
    ssp->SetShowBorder(true);
    ssp->SetBorderWidth(0);
    ssp->SetSmooth(false);
    ssp->SetTransparent(true);

    Timer1 = new TTimer(this);
    Timer1->SetInterval(TickMilliseconds);
    Timer1->OnTimer = [this](TObject* sender) { Timer1Timer(sender); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    // No frame buttons: the splash closes itself when it is done.
    SeSkinForm1 = brio::SkinFrame(this, {});
    EndLoading();
}

void TfrmLoading::FormCreate(TObject*)
{
    KeyIndex = 0;
}

void TfrmLoading::Timer1Timer(TObject*)
{
    // A tick can come in again while this one repaints through the message
    // loop, and a late one after the last row: neither may send anything.
    if (KeyIndex >= RowCount || !Timer1->Enabled())
        return;
    Timer1->SetEnabled(false);
    const std::string file = subItem(keys_, KeyIndex, SoundColumn);
    if (brio::IsExistingFile(file)) {
        player_.SetVariable("currentFn", file);
        player_.SetVariable("currentIndex", std::to_string(KeyIndex));
    }
    ++KeyIndex;
    ssp->SetPosition(KeyIndex * 5);
    if (KeyIndex < RowCount) {
        Timer1->SetEnabled(true);
        return;
    }
    sendVolumes();
    Close();
}

void TfrmLoading::sendVolumes()
{
    for (int row = 0; row < RowCount; ++row)
        player_.SetVariable("se_vol_" + std::to_string(row), subItem(keys_, row, VolumeColumn));
}
