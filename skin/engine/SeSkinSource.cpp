#include "skin/engine/SeSkinSource.h"

#include "skin/engine/SeBitmap.h"
#include "skin/engine/SeBitmapLink.h"
#include "skin/engine/SeSkinFilter.h"
#include "skin/engine/SeSkinObject.h"
#include "ui/component/Exception.h"
#include "ui/component/Stream.h"

#include <filesystem>
#include <memory>
#include <system_error>

namespace {

constexpr const char* DefaultSkinName = "Untitled Skin";
constexpr const char* DefaultSkinVersion = "3.2.0";
constexpr const char* DefaultAuthor = "Clatterbox";
constexpr const char* DefaultAuthorEMail = "";
constexpr const char* DefaultAuthorURL = "";

bool fileExists(const std::string& name)
{
    std::error_code error;
    return std::filesystem::is_regular_file(name, error);
}

// Runs `filter` into a fresh source and moves the result into `target`
// only when the whole read succeeded.
void readInto(TSeSkinSource& target, const TSeSkinFilterClass& filterClass, TStream& stream)
{
    TSeSkinSource fresh(nullptr);
    std::unique_ptr<TSeSkinFilter> filter(filterClass.create());
    filter->Source = &fresh;
    filter->StreamIn(stream);
    target.SwapContent(fresh);
}

} // namespace

TSeSkinSource::TSeSkinSource(TComponent* owner) : TComponent(owner), bitmaps_(std::make_unique<TSeBitmapList>())
{
    ResetHeader();
}

TSeSkinSource::~TSeSkinSource() { Clear(); }

void TSeSkinSource::ResetHeader()
{
    skinName_ = DefaultSkinName;
    skinVersion_ = DefaultSkinVersion;
    author_ = DefaultAuthor;
    authorEMail_ = DefaultAuthorEMail;
    authorUrl_ = DefaultAuthorURL;
}

TSeSkinObject* TSeSkinSource::Objects(int index) const
{
    if (replacing_ || index < 0 || index >= Count())
        return nullptr;
    return objects_[std::size_t(index)].get();
}

TSeSkinObject* TSeSkinSource::AddObject(std::unique_ptr<TSeSkinObject> object)
{
    object->SetBitmaps(bitmaps_.get());
    object->UpdateLinks();
    objects_.push_back(std::move(object));
    return objects_.back().get();
}

void TSeSkinSource::Clear()
{
    objects_.clear();
    bitmaps_->Clear();
    appliedHue_ = 0;
    previousHue_ = 0;
}

void TSeSkinSource::SwapContent(TSeSkinSource& other)
{
    std::swap(skinName_, other.skinName_);
    std::swap(skinVersion_, other.skinVersion_);
    std::swap(author_, other.author_);
    std::swap(authorEMail_, other.authorEMail_);
    std::swap(authorUrl_, other.authorUrl_);
    // The objects point at their list, which moves along with them.
    std::swap(bitmaps_, other.bitmaps_);
    std::swap(objects_, other.objects_);
    std::swap(appliedHue_, other.appliedHue_);
    std::swap(previousHue_, other.previousHue_);
}

TSeSkinObject* TSeSkinSource::GetObjectByName(const std::string& name) const
{
    if (replacing_)
        return nullptr;
    for (const auto& object : objects_)
        if (SameSkinName(object->Name(), name))
            return object.get();
    return nullptr;
}

TSeSkinObject* TSeSkinSource::GetObjectByKind(TSeKind kind) const
{
    if (replacing_)
        return nullptr;
    for (const auto& object : objects_)
        if (object->Kind() == kind)
            return object.get();
    return nullptr;
}

TSeSkinObject* TSeSkinSource::GetFormObject() const
{
    if (TSeSkinObject* form = GetObjectByName("Form"))
        return form;
    return GetObjectByKind(skForm);
}

void TSeSkinSource::ChangeHue(int value)
{
    if (value == appliedHue_)
        return;
    const int step = value - appliedHue_;
    previousHue_ = appliedHue_;
    appliedHue_ = value;
    for (int i = 0; i < bitmaps_->Count(); ++i)
        bitmaps_->Items(i)->ChangeHue(step);
    for (const auto& object : objects_)
        object->ChangeHue(step);
}

void TSeSkinSource::StreamIn(TStream& stream) { readInto(*this, DefaultSkinFilter(), stream); }

void TSeSkinSource::StreamOut(TStream& stream)
{
    std::unique_ptr<TSeSkinFilter> filter(DefaultSkinFilter().create());
    filter->Source = this;
    filter->StreamOut(stream);
}

bool TSeSkinSource::LoadSkinFile(const std::string& fileName)
{
    if (fileName.empty())
        return false;
    std::string path = fileName;
    if (!fileExists(path)) {
        if (path.front() == '/')
            return false;
        path = SkinProgramFolder() + path;
        if (!fileExists(path))
            return false;
    }
    const TSeSkinFilterClass* filterClass = FindSkinFilter(path);
    if (!filterClass)
        return false;
    TFileStream file(path, fmOpenRead);
    readInto(*this, *filterClass, file);
    return true;
}

void TSeSkinSource::SaveSkinFile(const std::string& fileName)
{
    const TSeSkinFilterClass* filterClass = FindSkinFilter(fileName);
    if (!filterClass)
        filterClass = &DefaultSkinFilter();
    // Written beside the target and renamed over it, so a failed save never
    // leaves half a skin file behind.
    const std::string temporary = fileName + ".tmp";
    {
        TFileStream file(temporary, fmCreate);
        std::unique_ptr<TSeSkinFilter> filter(filterClass->create());
        filter->Source = this;
        try {
            filter->StreamOut(file);
        } catch (...) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw EFCreateError("Cannot create file \"" + fileName + "\". " + error.message());
    }
}

std::string SkinProgramFolder()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    std::string folder = exe.parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}
