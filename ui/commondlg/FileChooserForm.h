#pragma once
// The modal form behind TOpenDialog and TSaveDialog: the folder shown, a
// button to its parent, a list of its folders and matching files with
// size and date, a file-name field and the filter choice.

#include "ui/forms/Form.h"

#include <string>
#include <vector>

class TOpenDialog;
class TListView;
class TListItem;
class TEdit;
class TLabel;
class TButton;
class TImageList;
class TComboBox;

class TFileChooserForm : public TForm {
public:
    explicit TFileChooserForm(TOpenDialog& dialog);
    ~TFileChooserForm() override;

    const std::string& Folder() const { return folder_; }
    // Lists `folder`; false (and a message) when it cannot be read.
    bool ShowFolder(const std::string& folder);
    void OpenParentFolder();
    // What Enter and the default button do: open the folder selected in
    // the list, else act on the typed name.
    void OkClick();

    const std::string& ChosenPath() const { return chosenPath_; }
    int ChosenFilterIndex() const { return filterIndex_; }

    TListView* FileList() const { return fileList_; }
    TEdit* FileNameEdit() const { return fileNameEdit_; }
    TComboBox* FilterCombo() const { return filterCombo_; }
    TButton* UpButton() const { return upButton_; }
    TButton* OkButton() const { return okButton_; }

protected:
    void DoShow() override;

private:
    struct Entry {
        std::string name;
        bool folder;
    };
    void buildControls();
    void makeImages();
    void fillList();
    void choose(const std::string& typed);
    bool isFolder(const TListItem* item) const;
    std::vector<std::string> activePatterns() const;
    void fileSelected(TListItem* item, bool selected);
    void activateSelected();
    // Selects the row named `name`, if listed, and scrolls it into view.
    void selectEntry(const std::string& name);
    // Letters typed in the list pick the next row starting with them.
    void typeAhead(char key);

    TOpenDialog& dialog_;
    std::string folder_;
    std::string customPattern_;
    std::string chosenPath_;
    int filterIndex_ = 1;
    std::vector<Entry> entries_;
    std::string typedPrefix_;
    DWORD lastTypedAt_ = 0;
    TLabel* folderLabel_ = nullptr;
    TButton* upButton_ = nullptr;
    TListView* fileList_ = nullptr;
    TEdit* fileNameEdit_ = nullptr;
    TComboBox* filterCombo_ = nullptr;
    TButton* okButton_ = nullptr;
    TButton* cancelButton_ = nullptr;
    TImageList* images_ = nullptr;
};
