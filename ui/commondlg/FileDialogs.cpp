// The file dialog components: filters, what a typed name means, and
// Execute through the hook or the chooser form.

#include "ui/commondlg/FileDialogs.h"

#include "ui/commondlg/FileChooserForm.h"
#include "platform/text/AsciiText.h"

#include <cctype>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

TFileDialogHook& fileDialogHook()
{
    static TFileDialogHook hook;
    return hook;
}

using brio::asciiTrim;

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

bool MatchFrom(const std::string& name, std::size_t n, const std::string& pattern, std::size_t p)
{
    while (p < pattern.size()) {
        char pc = pattern[p];
        if (pc == '*') {
            for (std::size_t k = n; k <= name.size(); ++k)
                if (MatchFrom(name, k, pattern, p + 1))
                    return true;
            return false;
        }
        if (n >= name.size())
            return false;
        if (pc != '?' && brio::asciiLower(pc) != brio::asciiLower(name[n]))
            return false;
        ++n;
        ++p;
    }
    return n == name.size();
}

} // namespace

void SetFileDialogHook(TFileDialogHook hook)
{
    fileDialogHook() = std::move(hook);
}

bool MatchesFilePattern(const std::string& name, const std::string& pattern)
{
    // "*.*" means every file, also those without a dot.
    if (pattern == "*.*" || pattern == "*")
        return true;
    return MatchFrom(name, 0, pattern, 0);
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

std::vector<TFileFilter> TOpenDialog::Filters() const
{
    std::vector<TFileFilter> filters;
    if (asciiTrim(filter_).empty())
        return filters;
    std::vector<std::string> parts = Split(filter_, '|');
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        TFileFilter entry;
        entry.description = parts[i];
        std::string patterns = i + 1 < parts.size() ? parts[i + 1] : std::string();
        for (const std::string& pattern : Split(patterns, ';'))
            if (std::string p = asciiTrim(pattern); !p.empty())
                entry.patterns.push_back(p);
        if (entry.patterns.empty())
            entry.patterns.push_back("*");
        filters.push_back(std::move(entry));
    }
    return filters;
}

std::string TOpenDialog::DefaultExtension() const
{
    std::string ext = asciiTrim(Split(defaultExt_, ';').front());
    while (!ext.empty() && (ext.front() == '*' || ext.front() == '.'))
        ext.erase(0, 1);
    if (ext.find_first_of("*?/ ") != std::string::npos)
        return {};
    return ext;
}

std::string TOpenDialog::StartFolder() const
{
    std::error_code error;
    if (!initialDir_.empty() && fs::is_directory(initialDir_, error))
        return fs::absolute(initialDir_, error).lexically_normal().string();
    if (!fileName_.empty()) {
        fs::path parent = fs::path(fileName_).parent_path();
        if (!parent.empty() && fs::is_directory(parent, error))
            return fs::absolute(parent, error).lexically_normal().string();
    }
    fs::path current = fs::current_path(error);
    return error ? std::string("/") : current.string();
}

TFileChoice TOpenDialog::Resolve(const std::string& folder, const std::string& typed) const
{
    std::string name = asciiTrim(typed);
    if (name.empty())
        return {};
    if (name.find_first_of("*?") != std::string::npos)
        return {TFileChoice::UseFilter, name};
    fs::path path = name.front() == '/' ? fs::path(name) : fs::path(folder) / name;
    path = path.lexically_normal();
    if (path.has_filename() == false && path.string() != "/")
        path = path.parent_path();
    std::error_code error;
    if (fs::is_directory(path, error))
        return {TFileChoice::OpenFolder, path.string()};
    std::string ext = DefaultExtension();
    if (!path.has_extension() && !ext.empty())
        path += "." + ext;
    std::string full = path.string();
    if (!fs::is_directory(path.parent_path(), error))
        return {TFileChoice::Refuse, full + "\nPath does not exist.\nCheck the path and try again."};
    bool exists = fs::exists(path, error);
    if (!IsSaveDialog() && !exists && options_.Contains(ofFileMustExist))
        return {TFileChoice::Refuse, full + "\nFile not found.\nCheck the file name and try again."};
    if (IsSaveDialog() && exists && options_.Contains(ofOverwritePrompt))
        return {TFileChoice::AskOverwrite, full};
    return {TFileChoice::Accept, full};
}

bool TOpenDialog::Execute()
{
    if (TFileDialogHook& hook = fileDialogHook()) {
        std::optional<std::string> chosen = hook(*this);
        if (!chosen)
            return false;
        fileName_ = *chosen;
        return true;
    }
    auto form = std::make_unique<TFileChooserForm>(*this);
    if (OnShow)
        OnShow(this);
    bool chosen = form->ShowModal() == mrOk;
    if (chosen) {
        fileName_ = form->ChosenPath();
        filterIndex_ = form->ChosenFilterIndex();
    }
    form.reset();
    if (OnClose)
        OnClose(this);
    return chosen;
}
