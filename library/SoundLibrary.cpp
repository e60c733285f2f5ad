#include "library/SoundLibrary.h"

#include "app/uCommon.h"
#include "ui/views/TreeView.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace brio {

namespace {

// A name is one line: a line break could never be stored.
std::string oneLine(std::string text)
{
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

} // namespace

SoundLibrary::SoundLibrary(TTreeView& tree, LibraryHost& host) : tree_(tree), host_(host) {}

bool SoundLibrary::IsGroup(const TTreeNode* node)
{
    return node && !node->Parent();
}

TTreeNode* SoundLibrary::addGroup(const std::string& caption)
{
    TTreeNode* group = tree_.Items()->Add(nullptr, caption);
    group->SetImageIndex(GroupImage);
    group->SetSelectedIndex(GroupImage);
    return group;
}

TTreeNode* SoundLibrary::addSound(TTreeNode* group, const std::string& name, const std::string& path)
{
    TTreeNode* sound = tree_.Items()->AddChild(group, name);
    sound->SetImageIndex(SoundImage);
    sound->SetSelectedIndex(SoundImage);
    paths_[sound] = path;
    return sound;
}

void SoundLibrary::deleteNode(TTreeNode* node)
{
    // A freed node's address may come back for a new one: its path must not.
    for (int i = 0; i < node->Count(); ++i)
        paths_.erase(node->Item(i));
    paths_.erase(node);
    node->Delete();
}

void SoundLibrary::refreshCaption(TTreeNode* group)
{
    group->SetText(GroupCaption(GroupNameOf(group->Text()), group->Count()));
}

void SoundLibrary::Load(const std::string& file)
{
    paths_.clear();
    const LibraryContents library = ReadSoundLibrary(file);
    // One layout for the whole tree, not one per node.
    tree_.Items()->BeginUpdate();
    for (const LibraryGroup& group : library) {
        TTreeNode* node = addGroup(GroupCaption(group.name, int(group.sounds.size())));
        for (const LibrarySound& sound : group.sounds)
            addSound(node, sound.name, sound.path);
    }
    tree_.Items()->EndUpdate();
}

LibraryContents SoundLibrary::Contents() const
{
    LibraryContents library;
    for (TTreeNode* group = tree_.Items()->GetFirstNode(); group; group = group->GetNextSibling()) {
        LibraryGroup entry{GroupNameOf(group->Text()), {}};
        for (int i = 0; i < group->Count(); ++i) {
            const TTreeNode* sound = group->Item(i);
            entry.sounds.push_back({sound->Text(), StoredPath(sound)});
        }
        library.push_back(std::move(entry));
    }
    return library;
}

void SoundLibrary::Save(const std::string& file) const
{
    WriteSoundLibrary(file, Contents());
}

std::string SoundLibrary::StoredPath(const TTreeNode* sound) const
{
    auto found = paths_.find(sound);
    return found == paths_.end() ? std::string() : found->second;
}

LibraryMenuState SoundLibrary::MenuState() const
{
    LibraryMenuState state;
    const TTreeNode* selected = tree_.Selected();
    state.soundCommands = selected && !IsGroup(selected);
    state.groupCommands = IsGroup(selected);
    return state;
}

TTreeNode* SoundLibrary::selectedSound() const
{
    TTreeNode* selected = tree_.Selected();
    return selected && !IsGroup(selected) ? selected : nullptr;
}

TTreeNode* SoundLibrary::selectedGroup() const
{
    TTreeNode* selected = tree_.Selected();
    return IsGroup(selected) ? selected : nullptr;
}

void SoundLibrary::actAppendGroupExecute()
{
    TTreeNode* group = addGroup("");
    tree_.SetSelected(group);
    actModifyGroupExecute();
    if (GroupNameOf(group->Text()).empty()) {
        tree_.SetSelected(nullptr);
        deleteNode(group); // a cancelled new group leaves no trace
        return;
    }
    refreshCaption(group);
}

void SoundLibrary::actModifyGroupExecute()
{
    TTreeNode* group = selectedGroup();
    if (!group)
        return;
    std::string name = GroupNameOf(group->Text());
    if (host_.editGroup(name))
        name = oneLine(name);
    // The count is refreshed whether or not the name changed.
    group->SetText(GroupCaption(name, group->Count()));
}

void SoundLibrary::actRemoveGroupExecute()
{
    TTreeNode* group = selectedGroup();
    if (!group || !host_.confirm("Are you sure to remove this group?"))
        return;
    tree_.SetSelected(nullptr);
    deleteNode(group);
}

void SoundLibrary::actAppendExecute()
{
    TTreeNode* selected = tree_.Selected();
    if (!selected)
        return; // no group to add to
    TTreeNode* group = IsGroup(selected) ? selected : selected->Parent();
    TTreeNode* sound = addSound(group, "", "");
    tree_.SetSelected(sound);
    actModifyExecute();
    // A cancelled dialog leaves the unnamed sound, as the library always did.
    refreshCaption(group);
}

void SoundLibrary::actModifyExecute()
{
    TTreeNode* sound = selectedSound();
    if (!sound)
        return;
    std::string name = sound->Text();
    std::string path = StoredPath(sound).empty() ? std::string() : FullPathOf(StoredPath(sound));
    if (!host_.editSound(name, path))
        return;
    sound->SetText(oneLine(name));
    paths_[sound] = HasLineBreak(path) ? StoredPath(sound) : StoredPathOf(path);
}

void SoundLibrary::actRemoveExecute()
{
    TTreeNode* sound = selectedSound();
    if (!sound || !host_.confirm("Are you sure to remove this sound?"))
        return;
    // The group is taken before the node goes.
    TTreeNode* group = sound->Parent();
    tree_.SetSelected(nullptr);
    deleteNode(sound);
    refreshCaption(group);
}

void SoundLibrary::actSaveAsExecute()
{
    TTreeNode* sound = selectedSound();
    if (!sound)
        return;
    const std::string stored = StoredPath(sound);
    const std::string source = stored.empty() ? std::string() : FullPathOf(stored);
    if (source.empty() || !IsExistingFile(source)) {
        host_.showMessage(source.empty() ? "This sound has no file to save." : "The sound's file is missing: " + source);
        return;
    }
    std::optional<std::string> target = host_.chooseSaveFile(std::filesystem::path(source).filename().string());
    if (!target || *target == source)
        return;
    std::error_code error;
    std::filesystem::copy_file(source, *target, std::filesystem::copy_options::overwrite_existing, error);
    if (error)
        host_.showMessage("The sound could not be saved to " + *target + ": " + error.message());
}

void SoundLibrary::play(bool loop)
{
    TTreeNode* sound = selectedSound();
    if (!sound)
        return;
    const std::string stored = StoredPath(sound);
    if (stored.empty()) {
        host_.showMessage("This sound has no file to play. Choose one with Modify.");
        return;
    }
    host_.preview(FullPathOf(stored), loop);
}

void SoundLibrary::actPlayExecute() { play(false); }

void SoundLibrary::actPlayLoopExecute() { play(true); }

void SoundLibrary::actStopExecute() { host_.stopPreview(); }

} // namespace brio
