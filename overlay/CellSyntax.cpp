#include "CellSyntax.h"

#include <algorithm>
#include <limits>

#include "cmcInternalErrorBox.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The index of the first unescaped ch at or after from, or npos.
size_t FindUnescaped(std::string_view text, char ch, size_t from) {
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == ch) {
            return i;
        }
    }
    return std::string_view::npos;
}

}  // namespace

std::string_view CutCell(std::string_view row, std::string_view& rest) {
    const size_t bar = FindUnescaped(row, '|', 0);
    if (bar == std::string_view::npos) {
        rest = {};
        return row;
    }
    rest = row.substr(bar + 1);
    return row.substr(0, bar);
}

void SplitCell(std::string_view cell, std::string& attributes, std::string& display) {
    attributes.clear();
    display.clear();
    bool inBraces = false;
    for (const char c : cell) {
        if (c == '{') {
            inBraces = true;
        } else if (c == '}') {
            inBraces = false;
        } else {
            (inBraces ? attributes : display) += c;
        }
    }
}

void ScanAttributePart(std::string_view text,
                       const std::function<void(char letter, bool negated)>& onLetter,
                       const std::function<void(std::string_view group)>& onGroup) {
    bool negated = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '!') {
            negated = true;
            continue;
        }
        if (c == '\\') {
            ++i;
        } else if (c == '(') {
            const size_t end = FindUnescaped(text, ')', i + 1);
            const size_t stop = end == std::string_view::npos ? text.size() : end;
            onGroup(text.substr(i + 1, stop - i - 1));
            i = stop;
        } else {
            onLetter(c, negated);
        }
        negated = false;
    }
}

void ForEachGroup(std::string_view text, const std::function<void(std::string_view group)>& fn) {
    ScanAttributePart(
        text, [](char, bool) {}, fn);
}

int32_t ParseDecimal(std::string_view text, size_t* used) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t digitsFrom = i;
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kLimit);
    }
    if (used != nullptr) {
        *used = i == digitsFrom ? 0 : i;
    }
    value = negative ? -value : std::min(value, kLimit - 1);
    return static_cast<int32_t>(value);
}

std::string_view ValueAfterEquals(std::string_view group) {
    const size_t eq = group.find('=');
    return eq == std::string_view::npos ? std::string_view{} : group.substr(eq + 1);
}

int TakeChannelVar(std::string_view& text, const int32_t* channelVars) {
    if (channelVars == nullptr || !text.starts_with("@ch") || text.size() < 4 ||
        !IsDigit(text[3]) || (text.size() > 4 && IsDigit(text[4]))) {
        cmcInternalError("Ch No. Error");
    }
    const int n = text[3] - '0';
    text.remove_prefix(4);
    return n;
}
