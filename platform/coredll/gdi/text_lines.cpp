#include "gdi/text_lines.h"

namespace ce::gdi {

namespace {

bool isSpace(char16_t unit) { return unit == u' ' || unit == u'\t'; }

std::u16string_view trimmedEnd(std::u16string_view text) {
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

void appendWrapped(std::u16string_view paragraph, int availableWidth,
                   const std::function<int(std::u16string_view)>& measure, std::vector<TextLine>& lines) {
    auto emit = [&](std::u16string_view line) { lines.push_back({std::u16string(line), measure(line)}); };
    constexpr std::size_t kNoLine = std::u16string_view::npos;
    std::size_t lineStart = kNoLine;
    std::size_t lineEnd = 0;  // end of the line's last word
    std::size_t position = 0;
    while (true) {
        std::size_t wordStart = position;
        while (wordStart < paragraph.size() && isSpace(paragraph[wordStart])) ++wordStart;
        if (wordStart == paragraph.size()) break;
        std::size_t wordEnd = wordStart;
        while (wordEnd < paragraph.size() && !isSpace(paragraph[wordEnd])) ++wordEnd;
        position = wordEnd;
        if (lineStart == kNoLine) {
            lineStart = 0;  // the first line keeps its indentation
        } else if (measure(paragraph.substr(lineStart, wordEnd - lineStart)) > availableWidth) {
            emit(paragraph.substr(lineStart, lineEnd - lineStart));
            lineStart = wordStart;  // spaces at a break are dropped
        }
        lineEnd = wordEnd;
    }
    if (lineStart == kNoLine) emit(trimmedEnd(paragraph));
    else emit(paragraph.substr(lineStart, lineEnd - lineStart));
}

}  // namespace

std::u16string withoutPrefixes(std::u16string_view text) {
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                result.push_back(u'&');
                ++i;
            }
            continue;
        }
        result.push_back(text[i]);
    }
    return result;
}

std::vector<TextLine> breakIntoLines(std::u16string_view text, UINT format, int availableWidth,
                                     const std::function<int(std::u16string_view)>& measure) {
    std::vector<TextLine> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back({std::u16string(text), measure(text)});
        return lines;
    }
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        std::u16string_view paragraph = text.substr(start, end == std::u16string_view::npos ? text.npos : end - start);
        if (format & DT_WORDBREAK) appendWrapped(paragraph, availableWidth, measure, lines);
        else lines.push_back({std::u16string(paragraph), measure(paragraph)});
        if (end == std::u16string_view::npos) break;
        start = end + 1;
        if (text[end] == u'\r' && start < text.size() && text[start] == u'\n') ++start;
        if (start == text.size()) break;  // a closing line break starts no new line
    }
    return lines;
}

}  // namespace ce::gdi
