#include <algorithm>
#include <cstring>
#include "HexDigit.h"

#include "CellNames.h"
#include "Codec.h"
#include "RadioText.h"
#include "ValueText.h"
#include "cmcFCache.h"

namespace Codec {

namespace {

bool ActsAsEnter(int32_t key) {
    return key == Keys::Space || key == Keys::Backspace || key == Keys::Enter;
}

int Nibble(const uint8_t* bytes, int i) {
    return i % 2 == 0 ? bytes[i / 2] >> 4 : bytes[i / 2] & 0x0F;
}

void SetNibble(uint8_t* bytes, int i, int v) {
    uint8_t& b = bytes[i / 2];
    b = i % 2 == 0 ? static_cast<uint8_t>((b & 0x0F) | (v << 4))
                   : static_cast<uint8_t>((b & 0xF0) | (v & 0x0F));
}

std::string Filter(std::string_view text, std::string_view allowed) {
    std::string out;
    for (char ch : text) {
        if (allowed.find(ch) != std::string_view::npos) {
            out.push_back(ch);
        }
    }
    return out;
}

// The digit of a character of a hexadecimal digit string, upper-cased; -1 for others.

}  // namespace

int EditDtmfCode(indCellCapsule& c, uint8_t* nibbles, int& count, int maxDigits,
                 indPending& pending) {
    bool changed = false;
    if (c.EditResult == indEditResult::EditorText) {
        const std::string kept = Filter(c.InputText, "0123456789abcdefABCDEF*#");
        const int n = std::min<int>(static_cast<int>(kept.size()), maxDigits);
        for (int i = 0; i < maxDigits; ++i) {
            int v = 0;
            if (i < n) {
                const char ch = kept[static_cast<size_t>(i)];
                v = ch == '*' ? 14 : ch == '#' ? 15 : HexDigit::HexDigitValue(ch);
            }
            SetNibble(nibbles, i, v);
        }
        count = n;
        changed = true;
    }
    // A stored count beyond the width shows the width's digits; only an edit stores a count.
    const int shown = std::clamp(count, 0, maxDigits);
    std::string text;
    for (int i = 0; i < shown; ++i) {
        text.push_back("0123456789ABCD*#"[Nibble(nibbles, i)]);
    }
    if (c.EditResult == indEditResult::Key && c.Editable != 0 &&
        (ActsAsEnter(c.Key) || IsHexKey(c.Key) || c.Key == '*' || c.Key == '#')) {
        StartEditing(c, pending, text);
        return 0;
    }
    Show(c, text);
    return changed ? 1 : 0;
}

int FiveToneLength(const uint8_t* code) {
    int n = 0;
    for (int i = 0; i < 4; ++i) {
        if (code[i] >= 0xF0) {
            break;
        }
        if ((code[i] & 0x0F) == 0x0F) {
            return n + 1;
        }
        n += 2;
    }
    return n;
}

int EditFiveToneCode(indCellCapsule& c, uint8_t* code, uint8_t& marks, int maxDigits, bool receive,
                     int groupDigit, indPending& pending) {
    bool changed = false;
    if (c.EditResult == indEditResult::EditorText) {
        // F is not a digit of a 5-tone code: it ends the code.
        std::string kept = Filter(
            c.InputText, receive ? "0123456789abcdefgABCDEFG*+" : "0123456789abcdefgABCDEFG*");
        kept = Filter(kept, "0123456789abcdegABCDEG*+");
        const int n = std::min<int>(static_cast<int>(kept.size()), std::min(maxDigits, 8));
        uint8_t newMarks = 0;
        uint8_t bytes[4] = {0xFF, 0xFF, 0xFF, 0xFF};
        for (int i = 0; i < n; ++i) {
            const char ch = kept[static_cast<size_t>(i)];
            int v = 0;
            if (ch == '+') {
                newMarks = static_cast<uint8_t>(newMarks | (0x80 >> i));
            } else if (ch == '*' || ch == 'g' || ch == 'G') {
                v = groupDigit & 0x0F;
            } else {
                v = HexDigit::HexDigitValue(ch);
            }
            SetNibble(bytes, i, v);
        }
        std::memcpy(code, bytes, 4);
        marks = newMarks;
        changed = true;
    }
    const int length = FiveToneLength(code);
    std::string text;
    for (int i = 0; i < length; ++i) {
        const int d = Nibble(code, i);
        if ((marks & (0x80 >> i)) != 0) {
            text.push_back('+');
        } else if (d == (groupDigit & 0x0F)) {
            text.push_back('*');
        } else {
            text.push_back("0123456789ABCDE*"[d]);
        }
    }
    if (c.EditResult == indEditResult::Key && c.Editable != 0 &&
        (ActsAsEnter(c.Key) || IsHexKey(c.Key) || c.Key == '*' || c.Key == 'G' || c.Key == 'g' ||
         c.Key == '#' || c.Key == '+')) {
        StartEditing(c, pending, text);
        return 0;
    }
    Show(c, text);
    return changed ? 1 : 0;
}

int EditAbcCode(indCellCapsule& c, cmcFCache& lists, int32_t& value, indPending& pending) {
    static const std::string SelList = "GI_Sheet_Sel_RxC_AbcSel";
    static const std::string CodeList = "GI_Sheet_Sel_RxC_AbcCode";
    const int32_t old = value;
    const bool isNumber = value >= 1 && value <= 32;
    int32_t row = 0;
    if (c.EditResult == indEditResult::EditorText && c.SubCell == nullptr) {
        const std::string typed = ValueText::ZeroForOff(c.InputText);
        if (ValueText::HasDigit(typed)) {
            value = std::clamp(ValueText::ParseRounded(ValueText::KeepChars(typed, "")), 0, 32);
        }
    } else if (PopupAnswer(c, Flex0, row)) {
        if (row == 1) {
            c.Popup = indPopupRequest{indPopupRequest::Kind::ChoiceList, CodeList, Flex1, value};
            pending = indPending::Popup;
        } else {
            value = row;
        }
    } else if (PopupAnswer(c, Flex1, row)) {
        value = row;
    } else if (c.Editable != 0 && c.SubCell == nullptr &&
               (IsDigitKey(c.Key) || c.Key == '.' || c.Key == 'o' || c.Key == 'O')) {
        StartEditing(c, pending, isNumber ? std::to_string(value) : std::string());
        return 0;
    } else if (c.Editable != 0 && c.SubCell == nullptr &&
               (c.Key == Keys::Space || c.Key == Keys::Backspace)) {
        const int step = c.Key == Keys::Space ? 1 : -1;
        lists.Table(SelList, Flex0);
        int32_t next = isNumber ? 1 : value;
        lists.StepChoice(SelList, Flex0, next, step, next);
        if (next == 1) {
            lists.StepChoice(SelList, Flex0, next, step, next);
        }
        value = next;
    } else {
        int32_t shown = isNumber ? 1 : value;
        SelectChoice(c, lists, SelList, Flex0, shown, pending);
    }
    if (value >= 1 && value <= 32) {
        Show(c, std::to_string(value));
    } else {
        Show(c, lists.GetChoiceText(SelList, Flex0, value));
    }
    return value != old ? 1 : 0;
}

int EditPasscode(indCellCapsule& c, uint8_t* nibbles, int digits, indPending& pending) {
    bool changed = false;
    if (c.EditResult == indEditResult::EditorText) {
        // Exactly the passcode's digits (surrounding blanks aside); anything
        // else is refused and the passcode stays as it was.
        const std::string typed = ValueText::Trim(c.InputText);
        if (typed.size() == static_cast<size_t>(digits) &&
            ValueText::KeepChars(typed, "") == typed) {
            for (int i = 0; i < digits; ++i) {
                SetNibble(nibbles, i, typed[static_cast<size_t>(i)] - '0');
            }
            changed = true;
        }
    }
    std::string text;
    for (int i = 0; i < digits; ++i) {
        const int d = Nibble(nibbles, i);
        text.push_back(d <= 9 ? static_cast<char>('0' + d) : '?');
    }
    if (c.EditResult == indEditResult::Key && c.Editable != 0 &&
        (ActsAsEnter(c.Key) || IsDigitKey(c.Key))) {
        StartEditing(c, pending, text);
        return 0;
    }
    Show(c, text);
    return changed ? 1 : 0;
}

namespace {
int FlagCount(int first, int last) {
    return std::clamp(last - first + 1, 1, 25);
}
uint32_t FlagMask(int n) {
    return (1u << n) - 1;
}
}  // namespace

int32_t PlaceFlagBits(int32_t bits, int first, int last) {
    const int n = FlagCount(first, last);
    return static_cast<int32_t>((static_cast<uint32_t>(bits) & FlagMask(n)) << (26 - n));
}

int32_t UnplaceFlagBits(int32_t placed, int first, int last) {
    const int n = FlagCount(first, last);
    return static_cast<int32_t>((static_cast<uint32_t>(placed) >> (26 - n)) & FlagMask(n));
}

int32_t FlagBitsFromPattern(std::string_view pattern, int first, int last) {
    const int n = FlagCount(first, last);
    uint32_t bits = 0;
    for (int i = 0; i < n && i < static_cast<int>(pattern.size()); ++i) {
        if (pattern[static_cast<size_t>(i)] != '_') {
            bits |= 1u << (n - 1 - i);
        }
    }
    return static_cast<int32_t>(bits);
}

int EditFlagDigits(indCellCapsule& c, int32_t& bits, int first, int last, int mode,
                   const std::string& list, indPending& pending) {
    const int n = FlagCount(first, last);
    const auto all = static_cast<int32_t>(FlagMask(n));
    const int32_t old = bits;
    // Position first + i lives in bit n - 1 - i; the pop-up places position first at bit 25.
    auto bitOf = [&](int position) { return 1 << (n - 1 - (position - first)); };
    if (c.EditResult == indEditResult::PopupChoice && ValueText::HasDigit(c.InputText)) {
        bits = UnplaceFlagBits(ValueText::ParseRounded(c.InputText), first, last);
    } else if (c.Editable != 0 && c.EditResult == indEditResult::Key) {
        if (IsDigitKey(c.Key)) {
            int k = c.Key - '0';
            if (k == 0) {
                k = 10;
            }
            if (k >= first && k <= last) {
                bits ^= bitOf(k);
            }
        } else if (c.Key == Keys::Space) {
            bits = (bits & all) == 0 ? all : 0;
        } else if (c.Key == Keys::Backspace) {
            bits = ~bits & all;
        } else if (c.Key == Keys::Enter) {
            c.Popup = indPopupRequest{};
            c.Popup.kind = indPopupRequest::Kind::FlagBits;
            c.Popup.list = list;
            c.Popup.value = PlaceFlagBits(bits, first, last);
            c.Popup.first = first;
            c.Popup.last = last;
            c.Popup.mode = mode;
            pending = indPending::Popup;
        }
    }
    std::string text;
    for (int i = 0; i < n; ++i) {
        const int position = first + i;
        text.push_back((bits & bitOf(position)) != 0 ? static_cast<char>('0' + position % 10)
                                                     : '_');
    }
    text.push_back('\n');
    c.DisplayText = text;
    c.CaretPos = 0;
    c.SelLength = 1;
    return bits != old ? 1 : 0;
}

int EditText(indCellCapsule& c, uint8_t* text, int length, indPending& pending) {
    bool changed = false;
    if (c.EditResult == indEditResult::EditorText || c.EditResult == indEditResult::PopupChoice) {
        for (int i = 0; i < length; ++i) {
            const auto ch = static_cast<unsigned char>(i < static_cast<int>(c.InputText.size())
                                                           ? c.InputText[static_cast<size_t>(i)]
                                                           : ' ');
            text[i] = ch >= 32 && ch <= 126 ? ch : ' ';
        }
        changed = true;
    }
    std::string shown;
    for (int i = 0; i < length; ++i) {
        shown.push_back(text[i] >= 32 && text[i] <= 126 ? static_cast<char>(text[i]) : ' ');
    }
    shown.erase(shown.find_last_not_of(' ') + 1);
    if (c.EditResult == indEditResult::Key && c.Editable != 0 &&
        (ActsAsEnter(c.Key) || IsCharKey(c.Key))) {
        StartEditing(c, pending, shown);
        return 0;
    }
    Show(c, shown);
    return changed ? 1 : 0;
}

int EditRadioText(indCellCapsule& c, uint8_t* field, int length, indPending& pending) {
    c.RadioPreview = {length, false};
    if (c.EditResult == indEditResult::EditorText || c.EditResult == indEditResult::PopupChoice) {
        RadioText::Store(c.InputText, field, length);
        Show(c, RadioText::Show(field, length));
        return 1;
    }
    const std::string shown = RadioText::Show(field, length);
    const bool printable = c.Key >= 32 && c.Key <= 126;
    if (c.Editable != 0 && (c.Key == Keys::Enter || c.Key == Keys::Backspace || printable)) {
        pending = indPending::Editor;
        c.DisplayText = printable ? std::string(1, static_cast<char>(c.Key)) : shown;
        c.CaretPos = static_cast<int32_t>(c.DisplayText.size());
        c.SelLength = 0;
        return 0;
    }
    Show(c, shown);
    return 0;
}

}  // namespace Codec
