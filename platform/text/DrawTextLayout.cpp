#include "platform/text/DrawTextLayout.h"

#include "platform/text/GlyphRun.h"

namespace {

constexpr std::u32string_view kEllipsis = U"...";

bool isSpace(char32_t c)
{
    return c == U' ' || c == U'\t';
}

struct Paragraph {
    std::u32string chars;
    int underline = -1;
};

// Splits at "\r\n", "\n" and "\r". A break at the very end opens no new line.
std::vector<std::u32string_view> splitParagraphs(std::u32string_view text, bool singleLine)
{
    std::vector<std::u32string_view> paragraphs;
    if (singleLine) {
        paragraphs.push_back(text);
        return paragraphs;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'\r' && text[i] != U'\n')
            continue;
        paragraphs.push_back(text.substr(start, i - start));
        if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size() || paragraphs.empty())
        paragraphs.push_back(text.substr(start));
    return paragraphs;
}

// "&x" marks x for underlining and "&&" is a plain "&"; the first mark wins.
Paragraph stripPrefixes(std::u32string_view text, UINT format)
{
    Paragraph p;
    if (format & DT_NOPREFIX) {
        p.chars = text;
        return p;
    }
    p.chars.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != U'&') {
            p.chars += text[i];
            continue;
        }
        if (i + 1 >= text.size())
            break;
        if (text[i + 1] == U'&') {
            p.chars += U'&';
            ++i;
            continue;
        }
        if (p.underline < 0)
            p.underline = int(p.chars.size());
    }
    return p;
}

class LineBuilder {
public:
    LineBuilder(RealizedFont& font, const TextLayoutOptions& options) : font_(font), options_(options) {}

    void addParagraph(const Paragraph& p, std::vector<TextLine>& lines)
    {
        if (!(options_.format & DT_WORDBREAK)) {
            lines.push_back(finish(p, 0, p.chars.size()));
            return;
        }
        const std::u32string& s = p.chars;
        std::size_t start = 0;
        do {
            std::size_t end;
            std::size_t next;
            breakLine(s, start, end, next);
            lines.push_back(finish(p, start, end));
            start = next > start ? next : start + 1;
        } while (start < s.size());
    }

private:
    int advanceAt(char32_t c, int pen) const
    {
        if (c == U'\t' && options_.tabWidth > 0)
            return (pen / options_.tabWidth + 1) * options_.tabWidth;
        return pen + font_.advance(c);
    }

    // One wrapped line from `start`: its characters end at `end` (trailing
    // spaces excluded) and the next line starts at `next`.
    void breakLine(const std::u32string& s, std::size_t start, std::size_t& end, std::size_t& next) const
    {
        const std::size_t n = s.size();
        int pen = 0;
        std::size_t i = start;
        for (; i < n; ++i) {
            int after = advanceAt(s[i], pen);
            if (after > options_.maxWidth && i > start)
                break;
            pen = after;
        }
        if (i >= n) {
            end = next = n;
            return;
        }
        // s[i] is the first character that does not fit.
        std::size_t wordStart = i;
        while (wordStart > start && !isSpace(s[wordStart - 1]))
            --wordStart;
        if (isSpace(s[i]))
            end = i;
        else if (wordStart > start)
            end = wordStart;
        else if (options_.format & DT_EDITCONTROL)
            end = i;
        else {
            // A word wider than the line stays whole; the clip cuts it.
            end = i;
            while (end < n && !isSpace(s[end]))
                ++end;
        }
        next = end;
        while (next < n && isSpace(s[next]))
            ++next;
        while (end > start && isSpace(s[end - 1]))
            --end;
    }

    TextLine finish(const Paragraph& p, std::size_t start, std::size_t end) const
    {
        TextLine line;
        line.chars = p.chars.substr(start, end - start);
        if (p.underline >= int(start) && p.underline < int(end))
            line.underline = p.underline - int(start);
        line.width = MeasureRun(font_, line.chars, options_.tabWidth);
        applyEllipsis(line);
        return line;
    }

    int measure(std::u32string_view text) const { return MeasureRun(font_, text, options_.tabWidth); }

    // How many leading characters fit in `room` pixels.
    std::size_t fittingPrefix(std::u32string_view text, int room) const
    {
        int pen = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            pen = advanceAt(text[i], pen);
            if (pen > room)
                return i;
        }
        return text.size();
    }

    void applyEllipsis(TextLine& line) const
    {
        const UINT kind = options_.format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS);
        if (!kind || line.width <= options_.maxWidth)
            return;
        if ((kind & DT_PATH_ELLIPSIS) && shortenPath(line) && (line.width <= options_.maxWidth || !(kind & DT_END_ELLIPSIS)))
            return;
        shortenEnd(line, (kind & DT_WORD_ELLIPSIS) && !(kind & DT_END_ELLIPSIS));
    }

    void shortenEnd(TextLine& line, bool atWord) const
    {
        std::size_t keep = fittingPrefix(line.chars, options_.maxWidth - measure(kEllipsis));
        if (atWord && keep < line.chars.size() && !isSpace(line.chars[keep])) {
            std::size_t wordStart = keep;
            while (wordStart > 0 && !isSpace(line.chars[wordStart - 1]))
                --wordStart;
            if (wordStart > 0)
                keep = wordStart;
        }
        if (atWord)
            while (keep > 0 && isSpace(line.chars[keep - 1]))
                --keep;
        line.chars.resize(keep);
        line.chars += kEllipsis;
        if (line.underline >= int(keep))
            line.underline = -1;
        line.width = measure(line.chars);
    }

    // Keeps the last path element whole and shortens what comes before it;
    // false when the text has no separator.
    bool shortenPath(TextLine& line) const
    {
        std::size_t separator = line.chars.find_last_of(U"/\\");
        if (separator == std::u32string::npos)
            return false;
        std::u32string_view head = std::u32string_view(line.chars).substr(0, separator);
        std::u32string tail = line.chars.substr(separator);
        int room = options_.maxWidth - measure(kEllipsis) - measure(tail);
        std::size_t keep = room > 0 ? fittingPrefix(head, room) : 0;
        int underline = line.underline;
        if (underline >= int(separator))
            underline = int(keep + kEllipsis.size()) + (underline - int(separator));
        else if (underline >= int(keep))
            underline = -1;
        line.chars = std::u32string(head.substr(0, keep)) + std::u32string(kEllipsis) + tail;
        line.underline = underline;
        line.width = measure(line.chars);
        return true;
    }

    RealizedFont& font_;
    const TextLayoutOptions& options_;
};

} // namespace

std::vector<TextLine> LayOutTextLines(RealizedFont& font, std::u32string_view text, const TextLayoutOptions& options)
{
    std::vector<TextLine> lines;
    LineBuilder builder(font, options);
    for (std::u32string_view paragraph : splitParagraphs(text, options.format & DT_SINGLELINE))
        builder.addParagraph(stripPrefixes(paragraph, options.format), lines);
    return lines;
}
