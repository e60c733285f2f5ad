#pragma once
// The sound library in the main window's group tree: groups at the top,
// their sounds below, each sound with the file it plays. The main window's
// tree menu handlers call in here; the dialogs, the questions and the
// player are reached through LibraryHost, which the main window provides.

#include "library/SoundLibraryFile.h"

#include <optional>
#include <string>
#include <unordered_map>

class TTreeNode;
class TTreeView;

namespace brio {

class LibraryHost {
public:
    virtual ~LibraryHost() = default;
    // The sound edit dialog: true with both texts replaced after OK.
    virtual bool editSound(std::string& name, std::string& path) = 0;
    // The group edit dialog: true with the text replaced after OK.
    virtual bool editGroup(std::string& name) = 0;
    virtual bool confirm(const std::string& question) = 0;
    virtual void showMessage(const std::string& text) = 0;
    // The save dialog, offering `suggested`: the chosen full path, or nothing.
    virtual std::optional<std::string> chooseSaveFile(const std::string& suggested) = 0;
    // The library's preview voice in the player: a full path, once or looping.
    virtual void preview(const std::string& file, bool loop) = 0;
    virtual void stopPreview() = 0;
};

// What the tree menu offers for the current selection.
struct LibraryMenuState {
    bool append = true;
    bool appendGroup = true;
    bool soundCommands = false; // modify, remove, save as, play, play loop, stop
    bool groupCommands = false; // modify group, remove group
};

class SoundLibrary {
public:
    static constexpr int GroupImage = 5;
    static constexpr int SoundImage = 23;

    SoundLibrary(TTreeView& tree, LibraryHost& host);

    // Fills the (emptied) tree from the file; Save writes the tree back.
    void Load(const std::string& file);
    void Save(const std::string& file) const;
    LibraryContents Contents() const;

    LibraryMenuState MenuState() const;
    static bool IsGroup(const TTreeNode* node);

    void actAppendExecute();
    void actModifyExecute();
    void actRemoveExecute();
    void actSaveAsExecute();
    void actAppendGroupExecute();
    void actModifyGroupExecute();
    void actRemoveGroupExecute();
    void actPlayExecute();
    void actPlayLoopExecute();
    void actStopExecute();

    // A sound's file as stored, empty when none is known.
    std::string StoredPath(const TTreeNode* sound) const;

private:
    TTreeNode* addGroup(const std::string& caption);
    TTreeNode* addSound(TTreeNode* group, const std::string& name, const std::string& path);
    void deleteNode(TTreeNode* node);
    void refreshCaption(TTreeNode* group);
    TTreeNode* selectedSound() const;
    TTreeNode* selectedGroup() const;
    void play(bool loop);

    TTreeView& tree_;
    LibraryHost& host_;
    std::unordered_map<const TTreeNode*, std::string> paths_; // sound node: its stored file
};

} // namespace brio
