#include "CellAttributes.h"

#include <string>

#include "CellFontGroup.h"
#include "CellParser.h"
#include "CellSyntax.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"

namespace {

void ApplyLetter(cmcCellObj& obj, char letter, bool negated) {
    auto setAlign = [&obj](uint8_t mask, int shift, uint8_t value) {
        obj.layoutFlags = static_cast<uint8_t>((obj.layoutFlags & ~mask) | (value << shift));
    };
    auto setBit = [negated](uint8_t& flags, uint8_t bit) {
        flags = static_cast<uint8_t>(negated ? flags & ~bit : flags | bit);
    };
    switch (letter) {
        case '<':
            setAlign(kLayoutHAlignMask, 0, kAlignLeftTop);
            break;
        case '^':
            setAlign(kLayoutHAlignMask, 0, kAlignCentre);
            break;
        case '>':
            setAlign(kLayoutHAlignMask, 0, kAlignRightBottom);
            break;
        case '~':
            setAlign(kLayoutVAlignMask, 2, kAlignLeftTop);
            break;
        case '-':
            setAlign(kLayoutVAlignMask, 2, kAlignCentre);
            break;
        case '_':
            setAlign(kLayoutVAlignMask, 2, kAlignRightBottom);
            break;
        case 'W':
            setBit(obj.layoutFlags, kLayoutWiden);
            break;
        case 'H':
            setBit(obj.layoutFlags, kLayoutGrow);
            break;
        case '+':
            setBit(obj.layoutFlags, kLayoutJoined);
            break;
        case 'B':
            setBit(obj.layoutFlags, kLayoutBottomRule);
            break;
        case 'S':
            setBit(obj.stateFlags, kStateSelectable);
            break;
        case 'T':
            setBit(obj.stateFlags, kStateRowTracking);
            break;
        default:
            break;
    }
}

// The text with each unescaped backslash removed.
std::string Unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
            if (i == text.size()) {
                break;
            }
        }
        out += text[i];
    }
    return out;
}

// "%" [category "."] item ["[" index "]"] [":" param]. Only a "." before the
// index or the param separates a category, so that a param may hold dots.
void ApplyReference(cmcCellObj& obj, std::string_view ref) {
    size_t nameEnd = ref.find_first_of("[:");
    const size_t dot = ref.substr(0, nameEnd).find('.');
    if (dot != std::string_view::npos && (dot == 0 || ref[dot - 1] != '\\')) {
        obj.category = FindCategory(ref.substr(0, dot));
        ref.remove_prefix(dot + 1);
        nameEnd = ref.find_first_of("[:");
    }
    obj.item = FindCellItem(ref.substr(0, nameEnd));
    if (nameEnd == std::string_view::npos) {
        return;
    }
    ref.remove_prefix(nameEnd);
    if (ref.starts_with('[')) {
        const size_t close = ref.find(']');
        std::string_view inner = ref.substr(1, close == std::string_view::npos ? close : close - 1);
        if (inner.starts_with("@ch")) {
            const int n = TakeChannelVar(inner, obj.channelVars);
            obj.index = obj.channelVars[n];
        } else {
            obj.index = ParseDecimal(inner);
        }
        ref = close == std::string_view::npos ? std::string_view{} : ref.substr(close + 1);
    }
    if (ref.starts_with(':')) {
        obj.param = Unescape(ref.substr(1));
    }
}

// "@chN+" adds 1 to variable N, "@chN=v" sets it.
void ApplyChannelGroup(cmcCellObj& obj, std::string_view group) {
    const int n = TakeChannelVar(group, obj.channelVars);
    while (group.starts_with(' ')) {
        group.remove_prefix(1);
    }
    int32_t& var = obj.channelVars[n];
    if (group.starts_with('+')) {
        var = static_cast<int32_t>(static_cast<uint32_t>(var) + 1u);
    } else if (group.starts_with('=')) {
        var = ParseDecimal(group.substr(1));
    }
}

// "FlagD=0" or "FlagD=1" with D from 0 to 3.
void ApplyFlagGroup(cmcCellObj& obj, std::string_view group) {
    if (group.size() != 7 || group[4] < '0' || group[4] > '3' || group[5] != '=' ||
        (group[6] != '0' && group[6] != '1')) {
        return;
    }
    const auto bit = static_cast<uint8_t>(kStateFlag0 << (group[4] - '0'));
    obj.stateFlags =
        static_cast<uint8_t>(group[6] == '1' ? obj.stateFlags | bit : obj.stateFlags & ~bit);
}

void ApplyGroup(cmcCellObj& obj, std::string_view group, cmcCellModels& models) {
    if (group.starts_with('$')) {
        if (models.depth < kMaxCellModelDepth && models.included < kMaxCellModelIncludes) {
            ++models.included;
            ++models.depth;
            const std::string model = "CellModel_" + std::string(group.substr(1));
            ApplyAttributePart(models.texts.GetText(model, 0), obj, models);
            --models.depth;
        }
    } else if (group.starts_with("Color=")) {
        FindColor(ValueAfterEquals(group), obj.color);
    } else if (group.starts_with("Font=")) {
        if (!obj.font) {
            obj.font =
                obj.base != nullptr && obj.base->font ? *obj.base->font : DefaultPlatformFont();
        }
        ApplyFontFields(*obj.font, ValueAfterEquals(group));
    } else if (group.starts_with('%')) {
        ApplyReference(obj, group.substr(1));
    } else if (group.starts_with("@ch")) {
        ApplyChannelGroup(obj, group);
    } else if (group.starts_with("ImageIndex=")) {
        obj.imageIndex = ParseDecimal(ValueAfterEquals(group));
    } else if (group.starts_with("PopupMenu=")) {
        obj.popupMenu = std::string(ValueAfterEquals(group));
    } else if (group.starts_with("Flag")) {
        ApplyFlagGroup(obj, group);
    }
}

// "\(" "@chN" ["+" k] ")": the value of variable N plus k, at most 6 characters.
std::string ChannelNumber(std::string_view inner, const int32_t* channelVars) {
    std::string compact;
    for (const char c : inner) {
        if (c != ' ') {
            compact += c;
        }
    }
    std::string_view rest = compact;
    const int n = TakeChannelVar(rest, channelVars);
    const int64_t k = rest.starts_with('+') ? ParseDecimal(rest.substr(1)) : 0;
    return std::to_string(int64_t{channelVars[n]} + k).substr(0, 6);
}

}  // namespace

void ApplyAttributePart(std::string_view part, cmcCellObj& obj, cmcCellModels& models) {
    ScanAttributePart(
        part, [&obj](char letter, bool negated) { ApplyLetter(obj, letter, negated); },
        [&obj, &models](std::string_view group) { ApplyGroup(obj, group, models); });
}

std::optional<std::string> ParseDisplayPart(std::string_view part, const int32_t* channelVars) {
    while (!part.empty() && IsBlankOrControl(part.front())) {
        part.remove_prefix(1);
    }
    while (!part.empty() && IsBlankOrControl(part.back())) {
        part.remove_suffix(1);
    }
    if (part.empty()) {
        return std::nullopt;
    }
    std::string out;
    for (size_t i = 0; i < part.size(); ++i) {
        if (part[i] != '\\') {
            out += part[i];
            continue;
        }
        if (++i == part.size()) {
            break;
        }
        switch (part[i]) {
            case 'N':
            case 'n':
                out += '\n';
                break;
            case '_':
                out += ' ';
                break;
            case '(': {
                const size_t close = part.find(')', i + 1);
                if (close == std::string_view::npos) {
                    cmcInternalError("Illegal Ch No.");
                }
                out += ChannelNumber(part.substr(i + 1, close - i - 1), channelVars);
                i = close;
                break;
            }
            default:
                out += part[i];
                break;
        }
    }
    return out;
}
