// The file chooser form: folder listing, navigation by mouse and keys, and
// the checks that the dialog's options ask for before a name is accepted.

#include "ui/commondlg/FileChooserForm.h"

#include "ui/stdctrls/Button.h"
#include "ui/stdctrls/ComboBox.h"
#include "ui/commondlg/MessageBox.h"
#include "ui/stdctrls/Edit.h"
#include "ui/commondlg/FileDialogs.h"
#include "ui/graphics/Bitmap.h"
#include "ui/graphics/ImageList.h"
#include "ui/stdctrls/Label.h"
#include "ui/views/ListView.h"

#include "platform/WinUser.h"
#include "platform/text/AsciiText.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr int kFolderImage = 0;
constexpr int kFileImage = 1;
// Letters typed closer together than this extend one prefix.
constexpr DWORD kTypeAheadPause = 1000;

bool LessIgnoringCase(const std::string& a, const std::string& b) { return brio::asciiCompareNoCase(a, b) < 0; }

std::string SizeText(std::uintmax_t bytes)
{
    return std::to_string((bytes + 1023) / 1024) + " KB";
}

std::string DateText(fs::file_time_type time)
{
    auto system = std::chrono::file_clock::to_sys(time);
    std::time_t seconds = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

// A folder and a sheet of paper, 16 x 16 each on a fuchsia key.
void PaintGlyphs(TCanvas* canvas)
{
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(RECT{0, 0, 32, 16});
    canvas->Pen()->SetColor(RGB(128, 96, 0));
    canvas->Brush()->SetColor(RGB(255, 220, 96));
    POINT tab[] = {{1, 4}, {2, 2}, {6, 2}, {7, 4}};
    canvas->Polygon(tab);
    canvas->Rectangle(1, 4, 15, 14);
    canvas->Pen()->SetColor(RGB(96, 96, 96));
    canvas->Brush()->SetColor(clWhite);
    POINT sheet[] = {{19, 1}, {26, 1}, {29, 4}, {29, 15}, {19, 15}};
    canvas->Polygon(sheet);
    canvas->MoveTo(26, 1);
    canvas->LineTo(26, 4);
    canvas->LineTo(29, 4);
    for (int y = 7; y <= 12; y += 2) {
        canvas->MoveTo(21, y);
        canvas->LineTo(27, y);
    }
}

} // namespace

TFileChooserForm::TFileChooserForm(TOpenDialog& dialog) : TForm(nullptr), dialog_(dialog)
{
    BeginLoading();
    SetCaption(!dialog.Title().empty() ? dialog.Title() : dialog.IsSaveDialog() ? "Save As" : "Open");
    SetBorderStyle(bsDialog);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetColor(clBtnFace);
    SetClientWidth(520);
    SetClientHeight(315);
    makeImages();
    buildControls();
    EndLoading();

    std::vector<TFileFilter> filters = dialog.Filters();
    filterIndex_ = std::clamp(dialog.FilterIndex(), 1, std::max<int>(1, int(filters.size())));
    for (const TFileFilter& filter : filters)
        filterCombo_->Items()->Add(filter.description);
    if (!filters.empty())
        filterCombo_->SetItemIndex(filterIndex_ - 1);
    filterCombo_->OnChange = [this](TObject*) {
        filterIndex_ = filterCombo_->ItemIndex() + 1;
        customPattern_.clear();
        fillList();
    };

    if (!dialog.FileName().empty())
        fileNameEdit_->SetText(fs::path(dialog.FileName()).filename().string());
    if (!ShowFolder(dialog.StartFolder()))
        ShowFolder("/");
}

void TFileChooserForm::DoShow()
{
    TForm::DoShow();
    SetActiveControl(fileNameEdit_);
}

TFileChooserForm::~TFileChooserForm() = default;

void TFileChooserForm::makeImages()
{
    images_ = new TImageList(this);
    TBitmap glyphs(32, 16);
    PaintGlyphs(glyphs.Canvas());
    images_->AddMasked(&glyphs, clFuchsia);
}

void TFileChooserForm::buildControls()
{
    auto label = [this](const std::string& caption, int left, int top) {
        auto* l = new TLabel(this);
        l->SetParent(this);
        l->SetCaption(caption);
        l->SetBounds(left, top, 80, 17);
        return l;
    };
    label("Look &in:", 10, 14);
    folderLabel_ = label("", 80, 14);
    folderLabel_->SetAutoSize(false);
    folderLabel_->SetBounds(80, 14, 340, 17);

    upButton_ = new TButton(this);
    upButton_->SetParent(this);
    upButton_->SetCaption("&Up");
    upButton_->SetBounds(430, 9, 80, 23);
    upButton_->OnClick = [this](TObject*) { OpenParentFolder(); };

    fileList_ = new TListView(this);
    fileList_->SetParent(this);
    fileList_->SetBounds(10, 40, 500, 200);
    fileList_->SetRowSelect(true);
    fileList_->SetHideSelection(false);
    fileList_->SetSmallImages(images_);
    fileList_->Columns()->Add()->SetCaption("Name");
    fileList_->Columns()->Items(0)->SetWidth(260);
    fileList_->Columns()->Add()->SetCaption("Size");
    fileList_->Columns()->Items(1)->SetWidth(80);
    fileList_->Columns()->Add()->SetCaption("Modified");
    fileList_->Columns()->Items(2)->SetWidth(136);
    fileList_->OnSelectItem = [this](TObject*, TListItem* item, bool selected) { fileSelected(item, selected); };
    fileList_->OnDblClick = [this](TObject*) {
        // Only a double click on the selected row opens it, not one on the
        // header or the empty space below the rows.
        POINT cursor;
        GetCursorPos(&cursor);
        TPoint p = fileList_->ScreenToClient(cursor);
        TListItem* hit = fileList_->GetItemAt(p.x, p.y);
        if (hit && hit == fileList_->Selected())
            activateSelected();
    };
    fileList_->OnKeyDown = [this](TObject*, WORD& key, TShiftState) {
        // Moving by keys starts a fresh prefix for the next letters typed.
        if (key == VK_BACK || key == VK_RETURN || key == VK_ESCAPE || key == VK_TAB ||
            (key >= VK_PRIOR && key <= VK_DOWN))
            typedPrefix_.clear();
        if (key == VK_BACK) {
            OpenParentFolder();
            key = 0;
        }
    };
    fileList_->OnKeyPress = [this](TObject*, char& key) {
        typeAhead(key);
        key = 0;
    };

    label("File &name:", 10, 254);
    fileNameEdit_ = new TEdit(this);
    fileNameEdit_->SetParent(this);
    fileNameEdit_->SetBounds(100, 250, 310, 21);

    label("Files of &type:", 10, 284);
    filterCombo_ = new TComboBox(this);
    filterCombo_->SetParent(this);
    filterCombo_->SetBounds(100, 280, 310, 21);

    okButton_ = new TButton(this);
    okButton_->SetParent(this);
    okButton_->SetCaption(dialog_.IsSaveDialog() ? "&Save" : "&Open");
    okButton_->SetBounds(430, 249, 80, 23);
    okButton_->SetDefault(true);
    okButton_->OnClick = [this](TObject*) { OkClick(); };

    cancelButton_ = new TButton(this);
    cancelButton_->SetParent(this);
    cancelButton_->SetCaption("Cancel");
    cancelButton_->SetBounds(430, 279, 80, 23);
    cancelButton_->SetCancel(true);
    cancelButton_->SetModalResult(mrCancel);
}

// ---- Listing ------------------------------------------------------------------------------------

std::vector<std::string> TFileChooserForm::activePatterns() const
{
    if (!customPattern_.empty())
        return {customPattern_};
    std::vector<TFileFilter> filters = dialog_.Filters();
    if (filters.empty())
        return {"*"};
    return filters[std::size_t(std::clamp(filterIndex_, 1, int(filters.size())) - 1)].patterns;
}

bool TFileChooserForm::ShowFolder(const std::string& folder)
{
    std::error_code error;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, error);
    if (error) {
        MessageBox(HandleAllocated() ? Handle() : nullptr, folder + "\nThe folder cannot be read.", Caption(),
                   MB_OK | MB_ICONWARNING);
        return false;
    }
    folder_ = fs::path(folder).lexically_normal().string();
    if (folder_.size() > 1 && folder_.back() == '/')
        folder_.pop_back();
    folderLabel_->SetCaption(folder_);
    customPattern_.clear();
    typedPrefix_.clear();
    fillList();
    return true;
}

void TFileChooserForm::fillList()
{
    bool showHidden = dialog_.Options().Contains(ofForceShowHidden);
    std::vector<std::string> patterns = activePatterns();
    std::vector<Entry> folders;
    std::vector<Entry> files;
    std::error_code error;
    for (fs::directory_iterator it(folder_, fs::directory_options::skip_permission_denied, error), end;
         !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        if (!showHidden && !name.empty() && name.front() == '.')
            continue;
        std::error_code statError;
        if (it->is_directory(statError)) {
            folders.push_back({name, true});
            continue;
        }
        if (std::any_of(patterns.begin(), patterns.end(),
                        [&](const std::string& p) { return MatchesFilePattern(name, p); }))
            files.push_back({name, false});
    }
    auto byName = [](const Entry& a, const Entry& b) { return LessIgnoringCase(a.name, b.name); };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    entries_ = std::move(folders);
    entries_.insert(entries_.end(), files.begin(), files.end());

    TListItems* items = fileList_->Items();
    items->BeginUpdate();
    items->Clear();
    for (const Entry& entry : entries_) {
        TListItem* item = items->Add();
        item->SetCaption(entry.name);
        item->SetImageIndex(entry.folder ? kFolderImage : kFileImage);
        fs::path full = fs::path(folder_) / entry.name;
        std::error_code statError;
        item->SubItems()->Add(entry.folder ? std::string() : SizeText(fs::file_size(full, statError)));
        auto time = fs::last_write_time(full, statError);
        item->SubItems()->Add(statError ? std::string() : DateText(time));
    }
    items->EndUpdate();
    fileList_->ScrollTo(0);
}

bool TFileChooserForm::isFolder(const TListItem* item) const
{
    return item && item->ImageIndex() == kFolderImage;
}

// ---- Navigation and choosing ----------------------------------------------------------------------

void TFileChooserForm::OpenParentFolder()
{
    fs::path current(folder_);
    fs::path parent = current.parent_path();
    // Coming up, the folder just left stays the selected row.
    if (!parent.empty() && parent.string() != folder_ && ShowFolder(parent.string()))
        selectEntry(current.filename().string());
}

void TFileChooserForm::selectEntry(const std::string& name)
{
    TListItems* items = fileList_->Items();
    for (int i = 0; i < items->Count(); ++i)
        if (items->Item(i)->Caption() == name) {
            fileList_->SetSelected(items->Item(i));
            fileList_->MakeVisible(items->Item(i));
            return;
        }
}

void TFileChooserForm::typeAhead(char key)
{
    if (static_cast<unsigned char>(key) < ' ')
        return;
    DWORD now = GetTickCount();
    if (now - lastTypedAt_ > kTypeAheadPause)
        typedPrefix_.clear();
    lastTypedAt_ = now;
    typedPrefix_ += key;
    // One letter pressed again steps to the next row with it; a longer
    // prefix may still match the row already selected.
    bool repeated = typedPrefix_.size() > 1 &&
                    typedPrefix_.find_first_not_of(typedPrefix_.front()) == std::string::npos;
    std::string wanted = repeated ? typedPrefix_.substr(0, 1) : typedPrefix_;
    TListItems* items = fileList_->Items();
    int count = items->Count();
    int current = fileList_->ItemIndex();
    int first = typedPrefix_.size() == 1 || repeated ? current + 1 : std::max(current, 0);
    for (int n = 0; n < count; ++n) {
        TListItem* item = items->Item((first + n + count) % count);
        if (brio::asciiStartsWithNoCase(item->Caption(), wanted)) {
            fileList_->SetSelected(item);
            fileList_->MakeVisible(item);
            return;
        }
    }
}

void TFileChooserForm::fileSelected(TListItem* item, bool selected)
{
    if (selected && !isFolder(item))
        fileNameEdit_->SetText(item->Caption());
}

void TFileChooserForm::activateSelected()
{
    TListItem* item = fileList_->Selected();
    if (!item)
        return;
    if (isFolder(item)) {
        ShowFolder((fs::path(folder_) / item->Caption()).string());
        return;
    }
    choose(item->Caption());
}

void TFileChooserForm::OkClick()
{
    if (ActiveControl() == fileList_ && isFolder(fileList_->Selected())) {
        activateSelected();
        return;
    }
    std::string typed = fileNameEdit_->Text();
    if (typed.empty() && fileList_->Selected())
        typed = fileList_->Selected()->Caption();
    choose(typed);
}

void TFileChooserForm::choose(const std::string& typed)
{
    TFileChoice choice = dialog_.Resolve(folder_, typed);
    switch (choice.kind) {
    case TFileChoice::Nothing:
        return;
    case TFileChoice::OpenFolder:
        if (ShowFolder(choice.value))
            fileNameEdit_->SetText("");
        return;
    case TFileChoice::UseFilter:
        customPattern_ = choice.value;
        fillList();
        return;
    case TFileChoice::Refuse:
        MessageBox(Handle(), choice.value, Caption(), MB_OK | MB_ICONWARNING);
        return;
    case TFileChoice::AskOverwrite:
        if (MessageBox(Handle(), choice.value + " already exists.\nDo you want to replace it?", Caption(),
                       MB_YESNO | MB_ICONWARNING) != IDYES)
            return;
        break;
    case TFileChoice::Accept:
        break;
    }
    chosenPath_ = choice.value;
    SetModalResult(mrOk);
}
