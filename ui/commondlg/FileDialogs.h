#pragma once
// TOpenDialog and TSaveDialog: the file chooser as components. Execute
// shows our own modal chooser form; while a hook is set, the hook answers
// instead and nothing is shown.

#include "ui/component/Component.h"
#include "ui/component/Types.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

enum TOpenOption : std::uint8_t {
    ofReadOnly,
    ofOverwritePrompt,
    ofHideReadOnly,
    ofNoChangeDir,
    ofShowHelp,
    ofNoValidate,
    ofAllowMultiSelect,
    ofExtensionDifferent,
    ofPathMustExist,
    ofFileMustExist,
    ofCreatePrompt,
    ofShareAware,
    ofNoReadOnlyReturn,
    ofNoTestFileCreate,
    ofNoNetworkButton,
    ofNoLongNames,
    ofOldStyleDialog,
    ofNoDereferenceLinks,
    ofEnableIncludeNotify,
    ofEnableSizing,
    ofDontAddToRecent,
    ofForceShowHidden,
};
using TOpenOptions = TSet<TOpenOption>;

// One entry of a filter: "Music File" with {"*.wav", "*.mp3"}.
struct TFileFilter {
    std::string description;
    std::vector<std::string> patterns;
};

// What a typed name means in a folder.
struct TFileChoice {
    enum Kind : std::uint8_t { Nothing, Accept, OpenFolder, UseFilter, Refuse, AskOverwrite };
    Kind kind = Nothing;
    // The full path (Accept, AskOverwrite, OpenFolder), the pattern
    // (UseFilter) or the message to show (Refuse).
    std::string value;
};

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner);

    // "description|patterns|description|patterns...", patterns split by ';'.
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& value) { filter_ = value; }
    // 1-based, as the classic dialog counts.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int value) { filterIndex_ = value; }
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& value) { defaultExt_ = value; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& value) { fileName_ = value; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& value) { initialDir_ = value; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }
    TOpenOptions Options() const { return options_; }
    void SetOptions(TOpenOptions value) { options_ = value; }
    virtual bool IsSaveDialog() const { return false; }

    // Shows the chooser; true with FileName set when a file was chosen.
    virtual bool Execute();

    std::vector<TFileFilter> Filters() const;
    // The extension appended to names typed without one ("wav" for
    // "*.wav; *.mp3" or ".wav"), empty for none.
    std::string DefaultExtension() const;
    // What `typed` in `folder` means under this dialog's options.
    TFileChoice Resolve(const std::string& folder, const std::string& typed) const;
    // The folder to start in: InitialDir, else FileName's, else the
    // current folder.
    std::string StartFolder() const;

    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

private:
    std::string filter_;
    int filterIndex_ = 1;
    std::string defaultExt_;
    std::string fileName_;
    std::string initialDir_;
    std::string title_;
    TOpenOptions options_ = {ofHideReadOnly};
};

class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    bool IsSaveDialog() const override { return true; }
};

// Answers every file dialog while set: the chosen full path, or nothing
// for a cancelled dialog.
using TFileDialogHook = std::function<std::optional<std::string>(TOpenDialog& dialog)>;
void SetFileDialogHook(TFileDialogHook hook);

// Whether `name` matches a pattern with '*' and '?', letter case ignored.
bool MatchesFilePattern(const std::string& name, const std::string& pattern);
