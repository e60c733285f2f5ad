#include "platform/desktop/Profile.h"

#include "platform/text/AsciiText.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Line = brio::ProfileFile::Line;

using brio::asciiTrim;

// "[name]" gives name; anything else nothing.
std::optional<std::string> sectionName(const std::string& line)
{
    std::string t = asciiTrim(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return asciiTrim(t.substr(1, close - 1));
}

// "key = value" gives key; comments and lines without '=' nothing.
std::optional<std::string> keyName(const std::string& line)
{
    std::string t = asciiTrim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#' || t.front() == '[')
        return std::nullopt;
    std::size_t eq = t.find('=');
    if (eq == std::string::npos)
        return std::nullopt;
    return asciiTrim(t.substr(0, eq));
}

std::string valueOf(const std::string& line)
{
    std::string v = asciiTrim(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

// Reads the whole file; nothing when it cannot be read.
std::optional<std::string> readFile(const char* fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

constexpr char byteOrderMark[] = "\xEF\xBB\xBF";

std::vector<Line> splitLines(const std::string& content)
{
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t nl = content.find('\n', start);
        if (nl == std::string::npos) {
            lines.push_back({content.substr(start), ""});
            break;
        }
        bool cr = nl > start && content[nl - 1] == '\r';
        lines.push_back({content.substr(start, nl - start - (cr ? 1 : 0)), cr ? "\r\n" : "\n"});
        start = nl + 1;
    }
    // A UTF-8 byte order mark must not hide the first section.
    if (!lines.empty() && lines[0].text.rfind(byteOrderMark, 0) == 0)
        lines[0].text.erase(0, 3);
    return lines;
}

struct Found {
    std::optional<std::size_t> section; // line of the header
    std::size_t sectionEnd = 0;         // first line after the section
    std::optional<std::size_t> key;     // line of the key
};

Found locate(const std::vector<Line>& lines, const char* section)
{
    Found f;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::optional<std::string> name = sectionName(lines[i].text);
        if (!name)
            continue;
        if (f.section) {
            f.sectionEnd = i;
            return f;
        }
        if (brio::asciiEqualNoCase(*name, section)) {
            f.section = i;
            f.sectionEnd = lines.size();
        }
    }
    return f;
}

void findKey(const std::vector<Line>& lines, Found& f, const char* key)
{
    if (!f.section || !key)
        return;
    for (std::size_t i = *f.section + 1; i < f.sectionEnd; ++i) {
        std::optional<std::string> k = keyName(lines[i].text);
        if (k && brio::asciiEqualNoCase(*k, key)) {
            f.key = i;
            return;
        }
    }
}

std::string preferredEnding(const std::vector<Line>& lines)
{
    for (const Line& l : lines)
        if (!l.ending.empty())
            return l.ending;
    return "\n";
}

std::string folderOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void writeAtomically(const char* fileName, const std::string& content)
{
    std::string name = fileName;
    std::string folder = folderOf(name);
    std::string pattern = folder + "/.ini-XXXXXX";
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    int fd = mkstemp(temporary.data());
    if (fd < 0)
        throw ProfileWriteError(name, std::strerror(errno));
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.data());
        throw ProfileWriteError(name, std::strerror(error));
    };
    // The new file keeps the old one's permissions.
    struct stat old {};
    mode_t mode = 0644;
    if (::stat(fileName, &old) == 0)
        mode = old.st_mode & 07777;
    if (::fchmod(fd, mode) != 0)
        fail(errno);
    std::size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            fail(errno);
        }
        done += std::size_t(n);
    }
    if (::fsync(fd) != 0)
        fail(errno);
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(temporary.data());
        throw ProfileWriteError(name, std::strerror(error));
    }
    if (std::rename(temporary.data(), fileName) != 0) {
        int error = errno;
        ::unlink(temporary.data());
        throw ProfileWriteError(name, std::strerror(error));
    }
}

// Names that would read back as something else, or split the line, are refused.
void checkName(const char* fileName, const char* name, const char* what, const char* forbidden)
{
    std::string n = name;
    if (n.empty() || asciiTrim(n) != n || n.find_first_of(std::string("\r\n") + forbidden) != std::string::npos)
        throw ProfileWriteError(fileName, std::string("invalid ") + what + " name \"" + n + "\"");
}

// Quotes a value whose spaces or quotes would otherwise be lost on reading.
std::string storedValue(const char* value)
{
    std::string v = value;
    bool quoted = v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
    if (quoted || (!v.empty() && asciiTrim(v) != v))
        return "\"" + v + "\"";
    return v;
}

std::string join(const std::vector<Line>& lines)
{
    std::string out;
    for (const Line& l : lines)
        out += l.text + l.ending;
    return out;
}

} // namespace

ProfileWriteError::ProfileWriteError(std::string fileName, const std::string& reason)
    : std::runtime_error("Unable to write to " + fileName + ": " + reason), fileName_(std::move(fileName))
{
}

std::string GetPrivateProfileString(const char* section, const char* key, const char* defaultValue,
                                    const char* fileName)
{
    if (!section || !key || !fileName)
        return defaultValue ? defaultValue : "";
    return brio::ProfileFile(fileName).get(section, key, defaultValue);
}

int GetPrivateProfileInt(const char* section, const char* key, int defaultValue, const char* fileName)
{
    if (!section || !key || !fileName)
        return defaultValue;
    return brio::ProfileFile(fileName).getInt(section, key, defaultValue);
}

BOOL WritePrivateProfileString(const char* section, const char* key, const char* value, const char* fileName)
{
    if (!fileName || !*fileName)
        throw ProfileWriteError(fileName ? fileName : "", "no file name");
    brio::ProfileFile file(fileName);
    file.set(section, key, value);
    file.save();
    return TRUE;
}

namespace brio {

ProfileFile::ProfileFile(std::string fileName) : fileName_(std::move(fileName))
{
    std::optional<std::string> content = readFile(fileName_.c_str());
    unreadable_ = !content && access(fileName_.c_str(), F_OK) == 0;
    marked_ = content && content->rfind(byteOrderMark, 0) == 0;
    lines_ = splitLines(content.value_or(""));
}

void ProfileFile::index() const
{
    if (index_)
        return;
    index_.emplace();
    std::map<std::string, std::size_t>* keys = nullptr;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (std::optional<std::string> name = sectionName(lines_[i].text)) {
            // Only the first copy of a section reads; later ones are skipped.
            auto [found, fresh] = index_->try_emplace(asciiLower(*name));
            keys = fresh ? &found->second : nullptr;
        } else if (keys) {
            if (std::optional<std::string> key = keyName(lines_[i].text))
                keys->try_emplace(asciiLower(*key), i);
        }
    }
}

std::string ProfileFile::get(const char* section, const char* key, const char* defaultValue) const
{
    std::string fallback = defaultValue ? defaultValue : "";
    if (!section || !key)
        return fallback;
    index();
    auto s = index_->find(asciiLower(section));
    if (s == index_->end())
        return fallback;
    auto k = s->second.find(asciiLower(key));
    return k == s->second.end() ? fallback : valueOf(lines_[k->second].text);
}

int ProfileFile::getInt(const char* section, const char* key, int defaultValue) const
{
    std::string text = get(section, key, "");
    if (text.empty())
        return defaultValue;
    errno = 0;
    char* end = nullptr;
    long long v = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || errno == ERANGE || v < INT32_MIN || v > INT32_MAX)
        return defaultValue;
    return int(v);
}

void ProfileFile::set(const char* section, const char* key, const char* value)
{
    const char* fileName = fileName_.c_str();
    if (!section || !*section)
        throw ProfileWriteError(fileName, "no section name");
    checkName(fileName, section, "section", "]");
    if (key) {
        checkName(fileName, key, "key", "=");
        if (std::strchr(";#[", key[0]))
            throw ProfileWriteError(fileName, std::string("invalid key name \"") + key + "\"");
    }
    if (value && std::strpbrk(value, "\r\n"))
        throw ProfileWriteError(fileName, "the value holds a line break");
    std::vector<Line>& lines = lines_;
    std::string nl = preferredEnding(lines);
    Found f = locate(lines, section);
    findKey(lines, f, key);

    // Removals take every copy: a later one would otherwise be what reads next.
    if (!key) {
        if (!f.section)
            return;
        for (; f.section; f = locate(lines, section))
            lines.erase(lines.begin() + std::ptrdiff_t(*f.section), lines.begin() + std::ptrdiff_t(f.sectionEnd));
    } else if (!value) {
        if (!f.key)
            return;
        for (; f.key; f.key.reset(), findKey(lines, f, key)) {
            lines.erase(lines.begin() + std::ptrdiff_t(*f.key));
            --f.sectionEnd;
        }
    } else if (f.key) {
        Line& l = lines[*f.key];
        // Keep the key as written, and any indentation before it.
        std::string before = l.text.substr(0, l.text.find('='));
        l.text = before.substr(0, before.find_last_not_of(" \t") + 1) + "=" + storedValue(value);
    } else {
        if (!lines.empty() && lines.back().ending.empty())
            lines.back().ending = nl;
        Line added{std::string(key) + "=" + storedValue(value), nl};
        if (f.section) {
            // After the section's last non-blank line, so blank separators stay.
            std::size_t at = f.sectionEnd;
            while (at > *f.section + 1 && asciiTrim(lines[at - 1].text).empty())
                --at;
            lines.insert(lines.begin() + std::ptrdiff_t(at), added);
        } else {
            lines.push_back({"[" + std::string(section) + "]", nl});
            lines.push_back(added);
        }
    }
    changed_ = true;
    index_.reset();
}

void ProfileFile::save()
{
    if (!changed_)
        return;
    if (unreadable_)
        throw ProfileWriteError(fileName_, "cannot read the file");
    // The mark that splitLines set aside goes back where it was.
    writeAtomically(fileName_.c_str(), (marked_ ? byteOrderMark : "") + join(lines_));
    changed_ = false;
}

} // namespace brio
