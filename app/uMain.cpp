#include "app/uMain.h"

#include "app/MainWindowHosts.h"
#include "app/uCommon.h"
#include "dialogs/uSettings.h"
#include "dialogs/uAbout.h"
#include "dialogs/uLoading.h"
#include "player/OutputDeviceSetting.h"
#include "player/PlayerControl.h"
#include "platform/RectMath.h"
#include "platform/desktop/Shell.h"
#include "ui/commondlg/FileDialogs.h"
#include "ui/component/IniFile.h"
#include "ui/forms/ActionList.h"
#include "ui/graphics/Picture.h"
#include "ui/stdctrls/Image.h"
#include "ui/views/ListView.h"
#include "ui/views/TreeView.h"

#include <algorithm>

TfrmBrio* frmBrio = nullptr;
std::function<void(TPlayerControl&)> TfrmBrio::OnPlayerCreated;

namespace {

std::string onOff(bool on)
{
    return on ? "on" : "off";
}

} // namespace

TfrmBrio::TfrmBrio(TComponent* owner) : TForm(owner), pianoGlyph_(std::make_unique<TPicture>())
{
    frmBrio = this;
    buildLayout();
    brio::KeyTable::fillRows(*sslList);
    libraryHost_ = std::make_unique<MainLibraryHost>(*this);
    library_ = std::make_unique<brio::SoundLibrary>(*sstMain, *libraryHost_);
    settingsHost_ = std::make_unique<MainSettingsHost>(*this);
    OpenSettings = [this] { OpenSettingsDialog(); };
    OnCreate = [this](TObject* sender) { FormCreate(sender); };
    OnActivate = [this](TObject* sender) { FormActivate(sender); };
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

TfrmBrio::~TfrmBrio()
{
    DoDestroy();
    // The hook and the handlers reach into this window: undo the hook and
    // free the components while the members they use still live.
    if (FlashPlayer)
        FlashPlayer->WindowProc = OldFlashProc;
    DestroyComponents();
    keyTable_.reset();
    if (brio::ProgramSkin() == sseMain)
        brio::SetProgramSkin(nullptr);
    if (frmBrio == this)
        frmBrio = nullptr;
}

// ---- Start-up ---------------------------------------------------------------------------------------

void TfrmBrio::FormCreate(TObject*)
{
    // The folder comes first: the start-up movie below lies in it.
    if (brio::ExePath.empty())
        brio::InitAppPaths();

    FlashPlayer = new TPlayerControl(flashContainer);
    FlashPlayer->SetName("FlashPlayer");
    FlashPlayer->SetParent(flashContainer);
    if (OnPlayerCreated)
        OnPlayerCreated(*FlashPlayer);
    OldFlashProc = FlashPlayer->WindowProc;
    FlashPlayer->WindowProc = [this](TMessage& message) { FlashWndProc(message); };
    FlashPlayer->SetAlign(alClient);
    FlashPlayer->SetMovie(brio::AppFolder + "log-ok.swf");
    FlashPlayer->SetMenu(false);
    FlashPlayer->SetLoop(false);
    FlashPlayer->SetAlign(alNone);
    FlashPlayer->SetBounds(0, 0, 480, 240);
    keyTable_ = std::make_unique<brio::KeyTable>(*sslList, *FlashPlayer, static_cast<brio::KeyTableView&>(*this));

    brio::LoadSettings();
    FlashPlayer->SetOutputDevice(player::ReadOutputDevice(brio::SettingsFile()));
    // Sounds to microphone needs a sound server: the switch shows where one runs,
    // and the stored wish is made real when the player starts.
    btnMic->SetVisible(FlashPlayer->SoundServerPresent());
    FlashPlayer->SetSoundsToMicrophone(brio::Settings.mic, player::ReadMicrophoneSource(brio::SettingsFile()));
    placeFromSettings();
    pnKey->SetVisible(brio::Settings.keypanel);

    sstMain->Items()->Clear();
    library_->Load(brio::SoundLibraryFile());
    ShowLibrary(brio::Settings.library);
    keyTable_->LoadKeyTable();

    LoadPlayerInterface();

    brio::Settings.soundswitch = false;
    brio::Settings.volumn = 100;
    showSoundGlyph();
    FlashPlayer->SetVariable("playerSoundSwitch", "off");
    FlashPlayer->SetVariable("preSwitch", "off");
    showMicGlyph();
    tbVol->SetPosition(brio::Settings.volumn);
    FlashPlayer->SetVariable("preVol", std::to_string(brio::Settings.volumn));
    sslList->SetSelected(sslList->Items()->Item(0));
}

void TfrmBrio::placeFromSettings()
{
    const brio::TSettingRec& s = brio::Settings;
    int left = s.x ? s.x : Left();
    int top = s.y ? s.y : Top();
    int width = s.w ? s.w : Width();
    int height = s.h ? s.h : Height();
    // A damaged file must neither make a giant window nor put it out of sight.
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    width = std::clamp(width, GetSystemMetrics(SM_CXMINTRACK), std::max(GetSystemMetrics(SM_CXMINTRACK), ::Width(screen)));
    height = std::clamp(height, GetSystemMetrics(SM_CYMINTRACK), std::max(GetSystemMetrics(SM_CYMINTRACK), ::Height(screen)));
    const RECT wanted{left, top, left + width, top + height};
    MONITORINFO monitor{};
    HMONITOR nearest = MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST);
    if (nearest && GetMonitorInfo(nearest, &monitor) && IsEmpty(Intersect(wanted, monitor.rcWork))) {
        left = DesignedLeft;
        top = DesignedTop;
    }
    SetBounds(left, top, width, height);
}

bool TfrmBrio::LoadPlayerInterface()
{
    const std::string& player = brio::Settings.player;
    FlashPlayer->SetMovie(brio::AppFolder + player);
    if (brio::IsExistingFile(FlashPlayer->Movie())) {
        FlashPlayer->Play();
        return true;
    }
    FlashPlayer->SetMovie(player);
    if (brio::IsExistingFile(FlashPlayer->Movie())) {
        FlashPlayer->Play();
        return true;
    }
    brio::ShowPlainMessage(brio::PlayerMissingMessage);
    return false;
}

void TfrmBrio::FormActivate(TObject*)
{
    // Our windows report an activation when a modal window over this one
    // closes; the hand-over must run after the start only.
    if (splashDone_)
        return;
    splashDone_ = true;
    RunLoadingSplash(this);
    // "Minimize when application starts": once the keys are handed over, to
    // the notification area, or to the taskbar where there is none.
    if (brio::Settings.minimize && SeSkinForm1)
        SeSkinForm1->MinimizeToTray();
}

void TfrmBrio::RunLoadingSplash(TComponent* owner)
{
    auto splash = std::make_unique<TfrmLoading>(owner, *sslList, *FlashPlayer);
    splash->ShowModal();
}

bool TfrmBrio::ReloadPlayerInterface(TComponent* owner)
{
    const bool loaded = LoadPlayerInterface();
    RunLoadingSplash(owner);
    keyTable_->clearLoopFlags();
    // The old interface still runs and may still loop: tell it the boxes are clear.
    if (!loaded)
        keyTable_->SendLoopFlags();
    // A new interface starts with its own switch and volume; make it play as shown.
    const std::string on = onOff(brio::Settings.soundswitch);
    FlashPlayer->SetVariable("playerSoundSwitch", on);
    FlashPlayer->SetVariable("preSwitch", on);
    const std::string volume = std::to_string(brio::Settings.volumn);
    FlashPlayer->SetVariable("playerSoundVol", volume);
    FlashPlayer->SetVariable("preVol", volume);
    return loaded;
}

// ---- Shutdown ---------------------------------------------------------------------------------------

void TfrmBrio::FormClose(TObject*, TCloseAction&)
{
    // The normal bounds, also when the window is minimized or in the tray.
    RECT bounds{Left(), Top(), Left() + Width(), Top() + Height()};
    WINDOWPLACEMENT placement{};
    if (HandleAllocated() && GetWindowPlacement(Handle(), &placement))
        bounds = placement.rcNormalPosition;
    brio::Settings.x = bounds.left;
    brio::Settings.y = bounds.top;
    brio::Settings.w = ::Width(bounds);
    brio::Settings.h = ::Height(bounds);
    brio::Settings.keypanel = pnKey->Visible();
    brio::Settings.library = sstMain->Visible();
    if (sstMain->Visible())
        brio::Settings.librarywidth = sstMain->Width();
    // A refused write raises out of here: the window stays open and the
    // error report shows which file.
    saveSoundLibrary();
    brio::SaveSettings();
    keyTable_->SaveKeyTable();
}

void TfrmBrio::saveSoundLibrary()
{
    library_->Save(brio::SoundLibraryFile());
}

void TfrmBrio::OpenSettingsDialog()
{
    auto dialog = std::make_unique<TfrmSettings>(nullptr, *settingsHost_);
    dialog->ShowModal();
}

void TfrmBrio::ShowLibrary(bool shown)
{
    if (shown && brio::Settings.librarywidth < MinLibraryWidth)
        brio::Settings.librarywidth = DefaultLibraryWidth; // the designed 41 pixels show nothing readable
    if (shown)
        // Never so wide that the key list beside it cannot be read.
        sstMain->SetWidth(std::min(brio::Settings.librarywidth, std::max(MinLibraryWidth, pnKey->Width() - 120)));
    sstMain->SetVisible(shown);
    // Left-aligned controls line up by their left edges: the splitter must come after the tree,
    // or it resizes nothing.
    if (shown)
        SeSkinSplitter1->SetLeft(sstMain->Left() + sstMain->Width());
    SeSkinSplitter1->SetVisible(shown);
    actLibrary->SetChecked(shown);
}

void TfrmBrio::actLibraryExecute(TObject*)
{
    ShowLibrary(!sstMain->Visible());
}

// ---- Options menu -----------------------------------------------------------------------------------

void TfrmBrio::ssbOptionsClick(TObject*)
{
    ssMenu->Popup(Left() + ssbBottom->Left() + ssbOptions->Left() + 4, Top() + ssbBottom->Top() + ssbOptions->Top() - 146);
}

void TfrmBrio::actExitExecute(TObject*)
{
    Close();
}

void TfrmBrio::actSettingsExecute(TObject*)
{
    if (OpenSettings)
        OpenSettings();
}

void TfrmBrio::actAboutExecute(TObject*)
{
    auto about = std::make_unique<TfrmAbout>(this);
    about->ShowModal();
}

void TfrmBrio::openDocument(const std::string& target)
{
    ShellExecute(HandleAllocated() ? Handle() : nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmBrio::CustomItem3Click(TObject*)
{
    openDocument(brio::ShippedDocument("user-guide.md"));
}

void TfrmBrio::CustomItem7Click(TObject*)
{
    openDocument(brio::ShippedDocument("player-interfaces.md"));
}

void TfrmBrio::CustomItem8Click(TObject*)
{
    openDocument(brio::SoundEffectsAddress);
}

// ---- Group tree -------------------------------------------------------------------------------------

void TfrmBrio::sstMainMouseDown(TObject*, TMouseButton button, TShiftState, int x, int y)
{
    if (button != mbRight)
        return;
    if (TTreeNode* node = sstMain->GetNodeAt(x, y))
        sstMain->SetSelected(node);
    // At the pointer: the tree sits inside the key panel, so its own coordinates
    // are not the window's.
    POINT at{x, y};
    ::ClientToScreen(sstMain->Handle(), &at);
    ssTreeMenu->Popup(at.x, at.y);
}

void TfrmBrio::ssTreeMenuPopup(TObject*)
{
    const brio::LibraryMenuState state = library_->MenuState();
    ciAppend->SetEnabled(state.append);
    ciAppendGroup->SetEnabled(state.appendGroup);
    for (brio::MenuItemKind* item : {ciPlay, ciStop, ciPlayLoop, ciModify, ciRemove, ciSaveas})
        item->SetEnabled(state.soundCommands);
    ciModifyGroup->SetEnabled(state.groupCommands);
    ciRemoveGroup->SetEnabled(state.groupCommands);
}

void TfrmBrio::actPlayExecute(TObject*)
{
    library_->actPlayExecute();
}

void TfrmBrio::actPlayLoopExecute(TObject*)
{
    library_->actPlayLoopExecute();
}

// ---- Key list ---------------------------------------------------------------------------------------

void TfrmBrio::sslList1Click(TObject*)
{
    if (keyTable_)
        keyTable_->sslList1Click();
}

void TfrmBrio::sslList1DblClick(TObject*)
{
    if (keyTable_)
        keyTable_->sslList1DblClick();
}

void TfrmBrio::sslListSelectItem(TObject*, TListItem* item, bool selected)
{
    if (keyTable_)
        keyTable_->sslListSelectItem(item, selected);
}

void TfrmBrio::trVolChange(TObject*)
{
    if (keyTable_)
        keyTable_->trVolChange(trVol->Position());
}

void TfrmBrio::CustomItem9Click(TObject* sender)
{
    sslList1DblClick(sender);
}

void TfrmBrio::CustomItem10Click(TObject*)
{
    if (keyTable_)
        keyTable_->CustomItem10Click();
}

void TfrmBrio::actChangeVolExecute(TObject*)
{
    if (pnVol->Visible()) {
        pnVol->SetVisible(false);
        return;
    }
    const TPoint at = pnKey->ScreenToClient(ssList->PopupPoint());
    pnVol->SetBounds(at.x, at.y, pnVol->Width(), pnVol->Height());
    pnVol->SetVisible(true);
    if (TListItem* selected = sslList->Selected())
        trVol->SetPosition(brio::VolumeOf(keyTable_->volumeText(selected->Index())));
}

int TfrmBrio::keyVolumePosition() const
{
    return trVol->Position();
}

void TfrmBrio::setKeyVolumePosition(int value)
{
    trVol->SetPosition(value);
}

void TfrmBrio::showKeyDetails(const std::string& caption, const std::string& file)
{
    lbKeyName->SetCaption(caption);
    lbKeyFile->SetCaption(file);
}

std::optional<std::string> TfrmBrio::chooseSoundFile()
{
    if (!od->Execute())
        return std::nullopt;
    return od->FileName();
}

void TfrmBrio::showMessage(const std::string& text)
{
    brio::ShowPlainMessage(text);
}

// ---- Bottom bar -------------------------------------------------------------------------------------

void TfrmBrio::tbVolChange(TObject*)
{
    brio::Settings.volumn = tbVol->Position();
    FlashPlayer->SetVariable("playerSoundVol", std::to_string(tbVol->Position()));
    FlashPlayer->SetVariable("preVol", std::to_string(brio::Settings.volumn));
}

void TfrmBrio::btnSoundClick(TObject*)
{
    brio::Settings.soundswitch = !brio::Settings.soundswitch;
    showSoundGlyph();
    const std::string on = onOff(brio::Settings.soundswitch);
    FlashPlayer->SetVariable("playerSoundSwitch", on);
    FlashPlayer->SetVariable("preSwitch", on);
}

void TfrmBrio::btnMicClick(TObject*)
{
    brio::Settings.mic = !brio::Settings.mic;
    showMicGlyph();
    // The flag stays as the user set it; a microphone that cannot be made says why, once.
    if (!FlashPlayer->SetSoundsToMicrophone(brio::Settings.mic, player::ReadMicrophoneSource(brio::SettingsFile())))
        brio::ShowPlainMessage(FlashPlayer->MicrophoneMessage());
}

void TfrmBrio::showSoundGlyph()
{
    const bool on = brio::Settings.soundswitch;
    brio::SetButtonGlyph(btnSound, (on ? soundoffImage : soundonImage)->Picture(), on ? "On" : "Off");
}

void TfrmBrio::showMicGlyph()
{
    const bool on = brio::Settings.mic;
    brio::SetButtonGlyph(btnMic, (on ? micoffImage : miconImage)->Picture(), on ? "Off" : "Mic");
}

void TfrmBrio::SeSkinButton1Click(TObject*)
{
    pnKey->SetVisible(!pnKey->Visible());
    SetWidth(pnKey->Visible() ? FullWidth() : FullWidth() - pnKey->Width());
}

int TfrmBrio::FullWidth() const
{
    return DesignedClientWidth + (Width() - ClientWidth());
}

// ---- Right button -----------------------------------------------------------------------------------

void TfrmBrio::FlashWndProc(TMessage& message)
{
    // The player never sees the right button go down: at the press it gets
    // a button-up instead, which comes through here once more.
    if (message.Msg == WM_RBUTTONDOWN) {
        FlashPlayer->Perform(WM_RBUTTONUP, message.WParam, message.LParam);
        message.Result = 0;
        return;
    }
    OldFlashProc(message);
}
