#pragma once
// TfrmBrio: the main window. It holds the player (the key panel) on the
// left, the key list with the selected key's volume on the right, and the
// bottom bar with the Options menu, the sound switch and the key-panel
// toggle; it owns every state of a run and stores it when it closes.

#include "dialogs/ControlKinds.h"
#include "library/KeyTable.h"
#include "library/SoundLibrary.h"

#include "ui/forms/Form.h"

#include <functional>
#include <memory>

class TAction;
class TActionList;
class TImage;
class TImageList;
class TListItem;
class TListView;
class TOpenDialog;
class TPicture;
class TPlayerControl;
class TSaveDialog;
class TSeSkinHint;
class TSeSkinMessage;
class TTreeView;
class MainLibraryHost;
class MainSettingsHost;

class TfrmBrio : public TForm, private brio::KeyTableView {
public:
    static constexpr int DesignedLeft = 97;
    static constexpr int DesignedTop = 99;
    static constexpr int DesignedClientWidth = 848;
    static constexpr int DesignedClientHeight = 561;
    // The group tree's width when first shown, and the least it is shown at.
    static constexpr int DefaultLibraryWidth = 160;
    static constexpr int MinLibraryWidth = 60;

    explicit TfrmBrio(TComponent* owner);
    ~TfrmBrio() override;

    // Called with the player right after it is made, before anything is
    // sent to it (tests hand it an audio engine of their own here).
    static std::function<void(TPlayerControl&)> OnPlayerCreated;

    // ---- Components
    TImage* soundonImage = nullptr;
    TImage* soundoffImage = nullptr;
    brio::CaptionPanelKind* SeSkinPanel1 = nullptr;
    TImage* miconImage = nullptr;
    TImage* micoffImage = nullptr;
    brio::GroupBoxKind* pnKey = nullptr;
    brio::SplitterKind* SeSkinSplitter1 = nullptr;
    TTreeView* sstMain = nullptr;
    TListView* sslList = nullptr;
    TPanel* pnVol = nullptr;
    TLabel* lbKeyName = nullptr;
    TLabel* lbKeyFile = nullptr;
    brio::TrackBarKind* trVol = nullptr;
    brio::GroupBoxKind* flashContainer = nullptr;
    brio::GroupBoxKind* ssbBottom = nullptr;
    brio::ButtonKind* ssbOptions = nullptr;
    brio::TrackBarKind* tbVol = nullptr;
    brio::ButtonKind* btnSound = nullptr;
    brio::ButtonKind* btnMic = nullptr;
    brio::ButtonKind* SeSkinButton1 = nullptr;

    TOpenDialog* od = nullptr;
    TSaveDialog* sd = nullptr;
    brio::PopupMenuKind* ssMenu = nullptr;
    brio::PopupMenuKind* ssTreeMenu = nullptr;
    brio::PopupMenuKind* ssList = nullptr;
    TActionList* alMain = nullptr;
    TImageList* ilMain = nullptr;
    TImageList* ilPlayList = nullptr;
    TSeSkinEngine* sseMain = nullptr;
    TSeSkinForm* SeSkinForm1 = nullptr;
    TSeSkinMessage* ssmMsg = nullptr;
    TSeSkinHint* sshHint = nullptr;

    TAction* actPlay = nullptr;
    TAction* actPlayLoop = nullptr;
    TAction* actAppend = nullptr;
    TAction* actRemove = nullptr;
    TAction* actSaveAs = nullptr;
    TAction* actAppendGroup = nullptr;
    TAction* actModifyGroup = nullptr;
    TAction* actRemoveGroup = nullptr;
    TAction* actAbout = nullptr;
    TAction* actSettings = nullptr;
    TAction* actExit = nullptr;
    TAction* actHelp = nullptr;
    TAction* actStop = nullptr;
    TAction* actModify = nullptr;
    TAction* actGetMSE = nullptr;
    TAction* actGetPlayer = nullptr;
    TAction* actChangeVol = nullptr;

    brio::MenuItemKind* ciPlay = nullptr;
    brio::MenuItemKind* ciStop = nullptr;
    brio::MenuItemKind* ciPlayLoop = nullptr;
    brio::MenuItemKind* ciAppend = nullptr;
    brio::MenuItemKind* ciModify = nullptr;
    brio::MenuItemKind* ciRemove = nullptr;
    brio::MenuItemKind* ciSaveas = nullptr;
    brio::MenuItemKind* ciAppendGroup = nullptr;
    brio::MenuItemKind* ciModifyGroup = nullptr;
    brio::MenuItemKind* ciRemoveGroup = nullptr;
    brio::MenuItemKind* CustomItem9 = nullptr;
    brio::MenuItemKind* CustomItem10 = nullptr;

    // Made by FormCreate inside flashContainer.
    TPlayerControl* FlashPlayer = nullptr;
    // The player's window procedure before the right-button hook.
    TWndMethod OldFlashProc;

    // ---- Handlers
    void FormCreate(TObject* sender);
    void FormActivate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    // Whether a player interface file was found and started.
    bool LoadPlayerInterface();
    // After the player interface was changed: loads it, hands it the key
    // table (the splash owned by `owner`), and makes it match what the window shows.
    // True when the new interface started.
    bool ReloadPlayerInterface(TComponent* owner);

    void actExitExecute(TObject* sender);
    void actSettingsExecute(TObject* sender);
    void actAboutExecute(TObject* sender);
    void actChangeVolExecute(TObject* sender);
    void actPlayExecute(TObject* sender);
    void actPlayLoopExecute(TObject* sender);
    void CustomItem3Click(TObject* sender);
    void CustomItem7Click(TObject* sender);
    void CustomItem8Click(TObject* sender);
    void CustomItem9Click(TObject* sender);
    void CustomItem10Click(TObject* sender);
    void sstMainMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    void ssTreeMenuPopup(TObject* sender);
    void sslList1Click(TObject* sender);
    void sslList1DblClick(TObject* sender);
    void sslListSelectItem(TObject* sender, TListItem* item, bool selected);
    void trVolChange(TObject* sender);
    void ssbOptionsClick(TObject* sender);
    void tbVolChange(TObject* sender);
    void btnSoundClick(TObject* sender);
    void btnMicClick(TObject* sender);
    void SeSkinButton1Click(TObject* sender);
    void FlashWndProc(TMessage& message);

    brio::KeyTable& KeyTable() { return *keyTable_; }
    // The outer width that holds the whole designed client area, key panel
    // included, inside the frame the skin draws.
    int FullWidth() const;
    // Runs the loading splash over the window; the settings dialog passes itself as owner.
    void RunLoadingSplash(TComponent* owner);
    // What the Settings entry opens: the settings dialog unless a test says otherwise.
    std::function<void()> OpenSettings;
    void OpenSettingsDialog();
    // Settings.mic changed elsewhere: the switch shows it.
    void MicrophoneChanged() { showMicGlyph(); }

    // ---- The sound library in the group tree
    brio::SoundLibrary& Library() { return *library_; }
    // Shows or hides the tree and its splitter (the Options menu's "Sound library").
    void ShowLibrary(bool shown);
    void actLibraryExecute(TObject* sender);
    brio::MenuItemKind* ciLibrary = nullptr;
    TAction* actLibrary = nullptr;

private:
    void buildLayout();
    void buildBottomBar();
    void buildKeyPanel();
    void buildActionsAndMenus();
    void loadArtwork();
    void placeFromSettings();
    void showSoundGlyph();
    void showMicGlyph();
    void saveSoundLibrary();
    void openDocument(const std::string& target);

    // brio::KeyTableView
    int keyVolumePosition() const override;
    void setKeyVolumePosition(int value) override;
    void showKeyDetails(const std::string& caption, const std::string& file) override;
    std::optional<std::string> chooseSoundFile() override;
    void showMessage(const std::string& text) override;

    std::unique_ptr<brio::KeyTable> keyTable_;
    std::unique_ptr<MainLibraryHost> libraryHost_;
    std::unique_ptr<brio::SoundLibrary> library_;
    std::unique_ptr<MainSettingsHost> settingsHost_;
    // The key-panel toggle's three piano keys.
    std::unique_ptr<TPicture> pianoGlyph_;
    bool splashDone_ = false;
};

// The one main window while it exists.
extern TfrmBrio* frmBrio;

namespace brio {

inline constexpr const char* PlayerMissingMessage = "Cannot load plug-in player! Please re-install Brio and retry.";
inline constexpr const char* SoundEffectsAddress = "https://freesound.org/";

} // namespace brio
