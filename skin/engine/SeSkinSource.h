#pragma once
// TSeSkinSource: one loaded skin (header strings, bitmaps, top-level object
// trees) and its loading and saving through the skin filters.

#include "skin/engine/SeSkinTypes.h"
#include "ui/component/Component.h"

#include <memory>
#include <string>
#include <vector>

class TSeBitmapList;
class TSeSkinObject;
class TStream;

class TSeSkinSource : public TComponent {
public:
    explicit TSeSkinSource(TComponent* owner);
    ~TSeSkinSource() override;

    // ---- Header strings -----------------------------------------------------------------
    const std::string& SkinName() const { return skinName_; }
    const std::string& SkinVersion() const { return skinVersion_; }
    const std::string& Author() const { return author_; }
    const std::string& AuthorEMail() const { return authorEMail_; }
    const std::string& AuthorURL() const { return authorUrl_; }
    void SetSkinName(const std::string& v) { skinName_ = v; }
    void SetSkinVersion(const std::string& v) { skinVersion_ = v; }
    void SetAuthor(const std::string& v) { author_ = v; }
    void SetAuthorEMail(const std::string& v) { authorEMail_ = v; }
    void SetAuthorURL(const std::string& v) { authorUrl_ = v; }
    // Back to the defaults a new source has.
    void ResetHeader();

    // ---- Content -------------------------------------------------------------------------
    TSeBitmapList& Bitmaps() const { return *bitmaps_; }
    // The real object count, also while Replacing (callers test both).
    int Count() const { return int(objects_.size()); }
    // Null for an index out of range or while Replacing.
    TSeSkinObject* Objects(int index) const;
    // The object at 0 <= index < Count(), also while Replacing: the writers
    // save what the source holds.
    const TSeSkinObject& StoredObject(int index) const { return *objects_[std::size_t(index)]; }
    // Takes the tree, gives it this source's bitmaps and resolves its links.
    TSeSkinObject* AddObject(std::unique_ptr<TSeSkinObject> object);
    // Objects first, so no object outlives a bitmap it links to. Also
    // forgets the applied hue: what is left, or loaded next, is unshifted.
    void Clear();
    // Moves header, bitmaps and objects of `other` here; `other` keeps this
    // source's old content, to be freed with it.
    void SwapContent(TSeSkinSource& other);

    bool Replacing() const { return replacing_; }
    void SetReplacing(bool replacing) { replacing_ = replacing; }

    // ---- Lookups (letter case ignored; nothing while Replacing) --------------------------
    TSeSkinObject* GetObjectByName(const std::string& name) const;
    TSeSkinObject* GetObjectByKind(TSeKind kind) const;
    // "Form", else the first object of kind skForm.
    TSeSkinObject* GetFormObject() const;

    // ---- Hue -----------------------------------------------------------------------------
    int AppliedHue() const { return appliedHue_; }
    int PreviousHue() const { return previousHue_; }
    // Shifts every bitmap and object by the difference to the applied hue.
    void ChangeHue(int value);

    // ---- Streams and files ---------------------------------------------------------------
    // The default ("kskn") format. A failed read raises and leaves the
    // previous skin in place: the stream is read into a fresh source that
    // replaces this one's content only when it is complete.
    void StreamIn(TStream& stream);
    void StreamOut(TStream& stream);
    // Returns false, changing nothing, when the name is empty, no file of
    // that name exists (also in the program's folder) or no filter claims
    // its extension. Errors raise as in StreamIn.
    bool LoadSkinFile(const std::string& fileName);
    // An unclaimed extension is written in the default format.
    void SaveSkinFile(const std::string& fileName);

private:
    std::string skinName_, skinVersion_, author_, authorEMail_, authorUrl_;
    std::unique_ptr<TSeBitmapList> bitmaps_;
    std::vector<std::unique_ptr<TSeSkinObject>> objects_;
    bool replacing_ = false;
    int appliedHue_ = 0;
    int previousHue_ = 0;
};

// The folder of the running program, ending in '/'; empty when unknown.
std::string SkinProgramFolder();
