// The main window's static definition: its components, their geometry and
// first properties, the actions, the three popup menus and the pictures.

#include "app/uMain.h"

#include "player/PlayerControl.h"
#include "skin/controls/hints/SeSkinHint.h"
#include "skin/controls/message/SeSkinMessage.h"
#include "skin/engine/SeSkinEngine.h"
#include "skin/shipped/ShippedSkin.h"
#include "ui/component/Stream.h"
#include "platform/images/NamedBitmaps.h"
#include "ui/commondlg/FileDialogs.h"
#include "ui/forms/ActionList.h"
#include "ui/forms/Application.h"
#include "ui/graphics/Icon.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/Colors.h"
#include "ui/graphics/Font.h"
#include "ui/graphics/ImageList.h"
#include "ui/graphics/Picture.h"
#include "ui/stdctrls/Image.h"
#include "ui/views/ListView.h"
#include "ui/views/TreeView.h"

namespace {

template <class T>
T* make(TfrmBrio* form, TWinControl* parent, const char* name, int left, int top, int width, int height)
{
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

TImage* makePicture(TfrmBrio* form, TWinControl* parent, const char* name, int left, int top, int size)
{
    TImage* image = make<TImage>(form, parent, name, left, top, size, size);
    image->SetVisible(false);
    return image;
}

brio::ButtonKind* makeGlyphButton(TfrmBrio* form, TWinControl* parent, const char* name, int left, int tabOrder)
{
    auto* button = make<brio::ButtonKind>(form, parent, name, left, 8, 25, 25);
    button->SetTabOrder(tabOrder);
    brio::BindSkin(button, "Button");
    return button;
}

TAction* makeAction(TfrmBrio* form, TActionList* list, const char* name, const char* caption, int image)
{
    auto* action = new TAction(form);
    action->SetName(name);
    action->SetCaption(caption);
    action->SetImageIndex(image);
    action->SetActionList(list);
    return action;
}

brio::MenuItemKind* addItem(TfrmBrio* form, brio::PopupMenuKind* menu, const char* name, TAction* action)
{
    auto* item = new brio::MenuItemKind(form);
    item->SetSkinEngine(form->sseMain);
    item->SetName(name);
    if (action)
        item->SetAction(action);
    else
        item->SetCaption("-");
    menu->Items()->Add(item);
    return item;
}

brio::MenuItemKind* addItem(TfrmBrio* form, brio::PopupMenuKind* menu, const char* name, const char* caption,
                            TNotifyEvent click)
{
    auto* item = new brio::MenuItemKind(form);
    item->SetSkinEngine(form->sseMain);
    item->SetName(name);
    item->SetCaption(caption);
    item->OnClick = std::move(click);
    menu->Items()->Add(item);
    return item;
}

// A strip of cells drawn on magenta, which stands for "see through".
void addStrip(TImageList* list, const char* name)
{
    HBITMAP strip = LoadBitmap(nullptr, name);
    if (!strip)
        return;
    TBitmap bitmap;
    bitmap.SetHandle(strip);
    list->AddMasked(&bitmap, clFuchsia);
}

// The program's icon, for the frame, the task list and the notification area.
HICON loadIcon(const char* name)
{
    HBITMAP colour = LoadBitmap(nullptr, name);
    if (!colour)
        return nullptr;
    ICONINFO info{};
    info.hbmColor = colour;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    return icon;
}

void loadPicture(TImage* image, const char* name)
{
    if (HBITMAP bitmap = LoadBitmap(nullptr, name)) {
        TBitmap picture;
        picture.SetHandle(bitmap);
        image->Picture()->Assign(&picture);
    }
}

} // namespace

void TfrmBrio::buildLayout()
{
    BeginLoading();
    sseMain = new TSeSkinEngine(this);
    sseMain->SetName("sseMain");
    const auto skin = ShippedSkinStream();
    TStringStream stored(std::string(reinterpret_cast<const char*>(skin.data()), skin.size()));
    if (!skin.empty())
        sseMain->ReadSkinStream(stored);
    brio::SetProgramSkin(sseMain);

    SetName("frmBrio");
    SetCaption("Brio");
    SetColor(clBtnFace);
    SetBorderStyle(bsSingle);
    SetBorderIcons({biSystemMenu, biMinimize});
    SetPosition(poDesigned);
    SetBounds(DesignedLeft, DesignedTop, 856, 595);
    SetClientWidth(DesignedClientWidth);
    SetClientHeight(DesignedClientHeight);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-11);

    soundonImage = makePicture(this, this, "soundonImage", 72, 192, 33);
    soundoffImage = makePicture(this, this, "soundoffImage", 80, 200, 33);

    SeSkinPanel1 = make<brio::CaptionPanelKind>(this, this, "SeSkinPanel1", 0, 0, 848, 519);
    SeSkinPanel1->SetAlign(alClient);
    SeSkinPanel1->SetCaption("Clatterbox");
    SeSkinPanel1->SetShowCaption(true);
    SeSkinPanel1->SetShowBevel(true);
    SeSkinPanel1->SetBevelWidth(1);
    SeSkinPanel1->SetBorderWidth(3);
    SeSkinPanel1->SetShowButton(false);
    miconImage = makePicture(this, SeSkinPanel1, "miconImage", 352, 296, 105);
    micoffImage = makePicture(this, SeSkinPanel1, "micoffImage", 248, 296, 105);

    buildKeyPanel();

    flashContainer = make<brio::GroupBoxKind>(this, SeSkinPanel1, "flashContainer", 4, 24, 490, 491);
    brio::StyleGroupBox(flashContainer);
    flashContainer->SetAlign(alLeft);
    flashContainer->SetTabOrder(1);

    buildBottomBar();
    buildActionsAndMenus();
    loadArtwork();
    SeSkinForm1 = brio::SkinFrame(this, {kbiClose, kbiMinimize, kbiTray});
    EndLoading();
    // The skin's frame decides the outer size that holds the designed client area.
    SetClientWidth(DesignedClientWidth);
    SetClientHeight(DesignedClientHeight);
}

void TfrmBrio::buildKeyPanel()
{
    pnKey = make<brio::GroupBoxKind>(this, SeSkinPanel1, "pnKey", 494, 24, 350, 491);
    brio::StyleGroupBox(pnKey);
    pnKey->SetAlign(alClient);
    pnKey->SetTabOrder(0);

    SeSkinSplitter1 = make<brio::SplitterKind>(this, pnKey, "SeSkinSplitter1", 41, 0, 4, 424);
    SeSkinSplitter1->SetAlign(alLeft);
    SeSkinSplitter1->SetCursor(crHSplit);

    auto* tree = make<brio::TreeViewKind>(this, pnKey, "sstMain", 0, 0, 41, 424);
    tree->SetSkinEngine(sseMain);
    tree->SetSkinObject("ListBox");
    sstMain = tree;
    sstMain->SetAlign(alLeft);
    sstMain->SetVisible(false);
    sstMain->OnMouseDown = [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        sstMainMouseDown(sender, button, shift, x, y);
    };
    // A double click on a sound plays it.
    sstMain->OnDblClick = [this](TObject*) { library_->actPlayExecute(); };

    sslList = make<TListView>(this, pnKey, "sslList", 45, 0, 305, 424);
    sslList->SetAlign(alClient);
    sslList->SetBorderStyle(bsNone);
    sslList->SetCheckboxes(true);
    sslList->SetRowSelect(true);
    sslList->SetHideSelection(false);
    sslList->ColumnClick = false;
    sslList->FlatScrollBars = true;
    sslList->ReadOnly = true;
    sslList->SetTabOrder(3);
    const std::pair<const char*, int> columns[] = {{"(Loop flag) Key", 90}, {"Volume(%)", 64}, {"Sounds", 350}};
    for (const auto& [caption, width] : columns) {
        TListColumn* column = sslList->Columns()->Add();
        column->SetCaption(caption);
        column->SetWidth(width);
    }
    sslList->OnClick = [this](TObject* sender) { sslList1Click(sender); };
    sslList->OnDblClick = [this](TObject* sender) { sslList1DblClick(sender); };
    sslList->OnSelectItem = [this](TObject* sender, TListItem* item, bool selected) {
        sslListSelectItem(sender, item, selected);
    };
    // A mouse tick is followed by the list's click, which sends the flags.
    sslList->OnItemChecked = [this](TObject*, TListItem*) {
        keyTable_->itemChecked((GetKeyState(VK_LBUTTON) & 0x8000) != 0);
    };

    pnVol = make<TPanel>(this, pnKey, "pnVol", 0, 424, 350, 67);
    pnVol->SetAlign(alBottom);
    pnVol->SetCaption("");
    pnVol->SetBevelOuter(bvNone);
    pnVol->SetTabOrder(4);
    lbKeyName = make<TLabel>(this, pnVol, "lbKeyName", 8, 8, 64, 13);
    lbKeyName->Font()->SetStyle({fsBold});
    lbKeyName->SetCaption("lbKeyName");
    lbKeyFile = make<TLabel>(this, pnVol, "lbKeyFile", 8, 24, 54, 13);
    lbKeyFile->SetCaption("lbKeyName");
    trVol = make<brio::TrackBarKind>(this, pnVol, "trVol", 3, 36, 238, 28);
    trVol->SetMax(100);
    brio::BindSkin(trVol, "TrackBar");
    trVol->SetTabOrder(0);
    trVol->OnChange = [this](TObject* sender) { trVolChange(sender); };
}

void TfrmBrio::buildBottomBar()
{
    ssbBottom = make<brio::GroupBoxKind>(this, this, "ssbBottom", 0, 519, 848, 42);
    brio::StyleGroupBox(ssbBottom);
    brio::BindSkin(ssbBottom, "GroupBox");
    ssbBottom->SetAlign(alBottom);
    ssbBottom->SetTabOrder(1);

    ssbOptions = make<brio::ButtonKind>(this, ssbBottom, "ssbOptions", 8, 8, 75, 25);
    ssbOptions->SetCaption("Options");
    brio::BindSkin(ssbOptions, "Button");
    ssbOptions->SetTabOrder(0);
    ssbOptions->OnClick = [this](TObject* sender) { ssbOptionsClick(sender); };

    tbVol = make<brio::TrackBarKind>(this, ssbBottom, "tbVol", 123, 4, 86, 28);
    tbVol->SetMax(100);
    brio::BindSkin(tbVol, "TrackBar");
    tbVol->SetVisible(false);
    tbVol->SetTabOrder(1);
    tbVol->OnChange = [this](TObject* sender) { tbVolChange(sender); };

    btnSound = makeGlyphButton(this, ssbBottom, "btnSound", 96, 2);
    btnSound->OnClick = [this](TObject* sender) { btnSoundClick(sender); };
    btnMic = makeGlyphButton(this, ssbBottom, "btnMic", 233, 3);
    btnMic->SetVisible(false);
    btnMic->OnClick = [this](TObject* sender) { btnMicClick(sender); };
    SeSkinButton1 = makeGlyphButton(this, ssbBottom, "SeSkinButton1", 465, 4);
    SeSkinButton1->OnClick = [this](TObject* sender) { SeSkinButton1Click(sender); };
}

void TfrmBrio::buildActionsAndMenus()
{
    ilMain = new TImageList(this);
    ilMain->SetName("ilMain");
    ilMain->SetSize(16, 16);
    ilMain->SetAllocBy(4);
    ilPlayList = new TImageList(this);
    ilPlayList->SetName("ilPlayList");
    ilPlayList->SetSize(24, 24);
    ilPlayList->SetAllocBy(4);
    sslList->SetSmallImages(ilPlayList);
    sstMain->SetImages(ilMain);

    od = new TOpenDialog(this);
    od->SetName("od");
    od->SetDefaultExt("*.wav; *.mp3");
    od->SetFilter("Music File|*.wav; *.mp3|Mp3 File|*.mp3|Wave File|*.wav|All File|*.*");
    od->SetFilterIndex(1);
    sd = new TSaveDialog(this);
    sd->SetName("sd");

    alMain = new TActionList(this);
    alMain->SetName("alMain");
    alMain->SetImages(ilMain);
    constexpr int None = -1;
    actPlay = makeAction(this, alMain, "actPlay", "Play(&P)", 0);
    actPlayLoop = makeAction(this, alMain, "actPlayLoop", "Play Loop(&L)", None);
    actAppend = makeAction(this, alMain, "actAppend", "Append(&A)", None);
    actRemove = makeAction(this, alMain, "actRemove", "Remove(&R)", None);
    actSaveAs = makeAction(this, alMain, "actSaveAs", "Save as...(&S)", 1);
    actAppendGroup = makeAction(this, alMain, "actAppendGroup", "Append Group", 5);
    actModifyGroup = makeAction(this, alMain, "actModifyGroup", "Modify Group", None);
    actRemoveGroup = makeAction(this, alMain, "actRemoveGroup", "Remove Group", None);
    actAbout = makeAction(this, alMain, "actAbout", "About...(&A)", 2);
    actSettings = makeAction(this, alMain, "actSettings", "Settings...(&S)", 5);
    actExit = makeAction(this, alMain, "actExit", "Exit(&E)", 3);
    actHelp = makeAction(this, alMain, "actHelp", "Help(&H)", 0);
    actStop = makeAction(this, alMain, "actStop", "Stop(&T)", None);
    actModify = makeAction(this, alMain, "actModify", "Modify...(&M)", None);
    actGetMSE = makeAction(this, alMain, "actGetMSE", "Get More Sound Effects", 4);
    actGetPlayer = makeAction(this, alMain, "actGetPlayer", "Get More Player Interface", 4);
    actChangeVol = makeAction(this, alMain, "actChangeVol", "Change Volumn(&V)", None);

    actPlay->OnExecute = [this](TObject* sender) { actPlayExecute(sender); };
    actPlayLoop->OnExecute = [this](TObject* sender) { actPlayLoopExecute(sender); };
    actAbout->OnExecute = [this](TObject* sender) { actAboutExecute(sender); };
    actSettings->OnExecute = [this](TObject* sender) { actSettingsExecute(sender); };
    actExit->OnExecute = [this](TObject* sender) { actExitExecute(sender); };
    actHelp->OnExecute = [this](TObject* sender) { CustomItem3Click(sender); };
    actGetMSE->OnExecute = [this](TObject* sender) { CustomItem8Click(sender); };
    actGetPlayer->OnExecute = [this](TObject* sender) { CustomItem7Click(sender); };
    actChangeVol->OnExecute = [this](TObject* sender) { actChangeVolExecute(sender); };
    actAppend->OnExecute = [this](TObject*) { library_->actAppendExecute(); };
    actModify->OnExecute = [this](TObject*) { library_->actModifyExecute(); };
    actRemove->OnExecute = [this](TObject*) { library_->actRemoveExecute(); };
    actSaveAs->OnExecute = [this](TObject*) { library_->actSaveAsExecute(); };
    actAppendGroup->OnExecute = [this](TObject*) { library_->actAppendGroupExecute(); };
    actModifyGroup->OnExecute = [this](TObject*) { library_->actModifyGroupExecute(); };
    actRemoveGroup->OnExecute = [this](TObject*) { library_->actRemoveGroupExecute(); };
    actStop->OnExecute = [this](TObject*) { library_->actStopExecute(); };
    // The layout hides the group tree: this entry is how a user reaches the library.
    actLibrary = makeAction(this, alMain, "actLibrary", "Sound library", None);
    actLibrary->OnExecute = [this](TObject* sender) { actLibraryExecute(sender); };

    ssMenu = new brio::PopupMenuKind(this);
    ssMenu->SetName("ssMenu");
    ssMenu->SetImages(ilMain);
    ssMenu->SetSkinEngine(sseMain);
    addItem(this, ssMenu, "CustomItem8", actGetMSE);
    addItem(this, ssMenu, "CustomItem7", actGetPlayer);
    addItem(this, ssMenu, "CustomItem6", nullptr);
    addItem(this, ssMenu, "CustomItem4", actAbout);
    addItem(this, ssMenu, "CustomItem3", actHelp);
    ciLibrary = addItem(this, ssMenu, "ciLibrary", actLibrary);
    addItem(this, ssMenu, "CustomItem5", actSettings);
    addItem(this, ssMenu, "CustomItem1", actExit);

    ssTreeMenu = new brio::PopupMenuKind(this);
    ssTreeMenu->SetName("ssTreeMenu");
    ssTreeMenu->SetImages(ilMain);
    ssTreeMenu->SetSkinEngine(sseMain);
    ssTreeMenu->OnPopup = [this](TObject* sender) { ssTreeMenuPopup(sender); };
    ciPlay = addItem(this, ssTreeMenu, "ciPlay", actPlay);
    ciStop = addItem(this, ssTreeMenu, "ciStop", actStop);
    ciPlayLoop = addItem(this, ssTreeMenu, "ciPlayLoop", actPlayLoop);
    addItem(this, ssTreeMenu, "CustomItem14", nullptr);
    ciAppend = addItem(this, ssTreeMenu, "ciAppend", actAppend);
    ciModify = addItem(this, ssTreeMenu, "ciModify", actModify);
    ciRemove = addItem(this, ssTreeMenu, "ciRemove", actRemove);
    ciSaveas = addItem(this, ssTreeMenu, "ciSaveas", actSaveAs);
    addItem(this, ssTreeMenu, "CustomItem13", nullptr);
    ciAppendGroup = addItem(this, ssTreeMenu, "ciAppendGroup", actAppendGroup);
    ciModifyGroup = addItem(this, ssTreeMenu, "ciModifyGroup", actModifyGroup);
    ciRemoveGroup = addItem(this, ssTreeMenu, "ciRemoveGroup", actRemoveGroup);

    ssList = new brio::PopupMenuKind(this);
    ssList->SetName("ssList");
    ssList->SetImages(ilMain);
    ssList->SetSkinEngine(sseMain);
    CustomItem9 = addItem(this, ssList, "CustomItem9", "Change key sound(&C)",
                          [this](TObject* sender) { CustomItem9Click(sender); });
    CustomItem10 = addItem(this, ssList, "CustomItem10", "Set it loop(&L)",
                           [this](TObject* sender) { CustomItem10Click(sender); });
    sslList->SetPopupMenu(ssList);

    // Every message of the program, from any window, goes through this one.
    ssmMsg = new TSeSkinMessage(this);
    ssmMsg->SetName("ssmMsg");
    ssmMsg->SetSkinEngine(sseMain);
    ssmMsg->SetBorderIcons({kbiClose, kbiSystemMenu});
    ssmMsg->ButtonFont()->SetName("MS Sans Serif");
    ssmMsg->ButtonFont()->SetHeight(-11);
    ssmMsg->MessageFont()->SetName("MS Sans Serif");
    ssmMsg->MessageFont()->SetHeight(-11);
    ssmMsg->SetPosition(poScreenCenter);
    ssmMsg->SetGlobal(true);

    sshHint = new TSeSkinHint(this);
    sshHint->SetName("sshHint");
    sshHint->SetSkinEngine(sseMain);
    sshHint->SetSkinObject("Hint");
    sshHint->SetActive(true);
}

void TfrmBrio::loadArtwork()
{
    if (HICON icon = loadIcon("BRIO_ICON"))
        Icon()->SetHandle(icon);
    if (HICON icon = loadIcon("BRIO_ICON"))
        Application->Icon()->SetHandle(icon);
    addStrip(ilMain, "BRIO_MAIN_IMAGES");
    addStrip(ilPlayList, "BRIO_KEY_LABELS");
    loadPicture(soundonImage, "BRIO_SOUND_CROSSED");
    loadPicture(soundoffImage, "BRIO_SOUND");
    loadPicture(miconImage, "BRIO_MIC");
    loadPicture(micoffImage, "BRIO_MIC_CROSSED");
    // Until the sound switch is first set, it shows the plain loudspeaker.
    brio::SetButtonGlyph(btnSound, soundoffImage->Picture(), "");
    brio::SetButtonGlyph(btnMic, soundoffImage->Picture(), "");
    if (HBITMAP piano = LoadBitmap(nullptr, "BRIO_PIANO_KEYS")) {
        TBitmap glyph;
        glyph.SetHandle(piano);
        pianoGlyph_->Assign(&glyph);
    }
    brio::SetButtonGlyph(SeSkinButton1, pianoGlyph_.get(), "K");
}
