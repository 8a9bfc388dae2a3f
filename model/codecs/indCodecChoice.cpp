#include <algorithm>
#include <cstdlib>
#include <vector>

#include "CellNames.h"
#include "Codec.h"
#include "ValueText.h"
#include "cmcCellObj.h"
#include "cmcFCache.h"
#include "cmcGTex.h"

namespace Codec {

namespace {

void OpenList(indCellCapsule& c, indPending& pending, const std::string& list, int entryKind,
              int32_t value) {
    c.Popup = indPopupRequest{};
    c.Popup.kind = indPopupRequest::Kind::ChoiceList;
    c.Popup.list = list;
    c.Popup.entryKind = entryKind;
    c.Popup.value = value;
    pending = indPending::Popup;
}

int32_t Step(cmcFCache& lists, const std::string& list, int entryKind, int32_t value, int step) {
    lists.Table(list, entryKind);  // built on first use
    int32_t next = value;
    return lists.StepChoice(list, entryKind, value, step, next) ? next : value;
}

struct Candidate {
    int32_t value;
    std::string label;
};

// The cells of "<list>_Cells" whose item is the entry kind and that can be
// chosen, in file order.
std::vector<Candidate> Candidates(cmcFCache& lists, const std::string& list, int entryKind) {
    const cmcChoiceTable& table = lists.Table(list, entryKind);
    std::vector<cmcChoiceEntry> entries = table.byPosition;
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    std::vector<Candidate> out;
    for (const cmcChoiceEntry& e : entries) {
        if (IsChoosable(e)) {
            out.push_back({e.value, e.text});
        }
    }
    return out;
}

bool MatchText(const std::vector<Candidate>& cands, const std::string& typed, int32_t& value) {
    const std::string want = ValueText::Upper(typed);
    for (const Candidate& cand : cands) {
        if (ValueText::Upper(cand.label.substr(0, want.size())) == want) {
            value = cand.value;
            return true;
        }
    }
    return false;
}

bool MatchNearest(const std::vector<Candidate>& cands, std::string_view text, int32_t& value) {
    const std::string typed = ValueText::ZeroForOff(text);
    if (!typed.empty() && (typed[0] == 'o' || typed[0] == 'O')) {
        return false;  // "o" followed by anything but "f"
    }
    if (!ValueText::HasDigit(typed)) {
        return false;
    }
    const double want = ValueText::ParseDecimal(ValueText::KeepChars(typed, ".-"));
    bool found = false;
    double best = 0;
    for (const Candidate& cand : cands) {
        // A label read as a decimal number; one without digits ("Off") reads as 0.
        const std::string digits = ValueText::KeepChars(ValueText::Trim(cand.label), ".-");
        const double d = std::abs(ValueText::ParseDecimal(digits) - want);
        if (!found || d < best) {
            found = true;
            best = d;
            value = cand.value;
        }
    }
    return found;
}

}  // namespace

int SelectChoice(indCellCapsule& c, cmcFCache& lists, const std::string& list, int entryKind,
                 int32_t& value, indPending& pending) {
    if (c.SubCell != nullptr) {
        int32_t row = 0;
        // An answer names its entry: the window's list offers only entries that
        // can be chosen, and an import names the entry its export wrote.
        if (PopupAnswer(c, entryKind, row) && row != value) {
            value = row;
            Show(c, lists.GetChoiceText(list, entryKind, value));
            return 1;
        }
        Show(c, lists.GetChoiceText(list, entryKind, value));
        return 0;
    }
    Show(c, lists.GetChoiceText(list, entryKind, value));
    if (c.Editable == 0) {
        return 0;
    }
    if (c.Key == Keys::Space || c.Key == Keys::Backspace) {
        const int32_t next = Step(lists, list, entryKind, value, c.Key == Keys::Space ? 1 : -1);
        if (next != value) {
            value = next;
            Show(c, lists.GetChoiceText(list, entryKind, value));
            return 1;
        }
    } else if (c.Key == Keys::Enter) {
        OpenList(c, pending, list, entryKind, value);
    }
    return 0;
}

int SelectChoiceByte(indCellCapsule& c, cmcFCache& lists, const std::string& list, int entryKind,
                     uint8_t& value, indPending& pending) {
    int32_t v = value;
    const int changed = SelectChoice(c, lists, list, entryKind, v, pending);
    if (changed != 0) {
        value = static_cast<uint8_t>(v);
    }
    return changed;
}

int SelectTypedChoice(indCellCapsule& c, cmcFCache& lists, cmcGTex& /*texts*/,
                      const std::string& list, int entryKind, int32_t& value, MatchMode mode,
                      indPending& pending) {
    if (c.EditResult == indEditResult::EditorText && c.SubCell == nullptr) {
        const std::vector<Candidate> cands = Candidates(lists, list, entryKind);
        const std::string typed = ValueText::Trim(c.InputText);
        int32_t found = value;
        bool hit = false;
        if (mode != MatchMode::Numeric && !typed.empty()) {
            hit = MatchText(cands, typed, found);
        }
        if (!hit && mode != MatchMode::Text) {
            hit = MatchNearest(cands, typed, found);
        }
        Show(c, lists.GetChoiceText(list, entryKind, hit ? found : value));
        if (hit && found != value) {
            value = found;
            return 1;
        }
        return 0;
    }
    if (c.Editable != 0 && c.EditResult == indEditResult::Key && c.SubCell == nullptr) {
        const bool starts = mode == MatchMode::Numeric
                                ? (IsDigitKey(c.Key) || c.Key == 'o' || c.Key == 'O')
                                : IsCharKey(c.Key);
        if (starts) {
            Show(c, lists.GetChoiceText(list, entryKind, value));
            StartEditing(c, pending, c.DisplayText);
            return 0;
        }
    }
    return SelectChoice(c, lists, list, entryKind, value, pending);
}

int SelectTwoLists(indCellCapsule& c, cmcFCache& lists, cmcGTex& /*texts*/,
                   const std::string& list1, const std::string& list2, int32_t& value,
                   indPending& pending) {
    constexpr int Kind1 = Flex0;
    constexpr int Kind2 = Flex1;
    const cmcChoiceTable& t1 = lists.Table(list1, Kind1);
    const cmcChoiceTable& t2 = lists.Table(list2, Kind2);
    if (t1.Count() == 0 || t2.Count() == 0) {
        Show(c, "error");
        return 0;
    }
    const int32_t more = t1.byValue.front().value;  // the lowest entry of list 1
    const int32_t low = more;
    const int32_t numLow = t2.byValue.front().value;
    const int32_t high = t2.byValue.back().value;
    const int32_t old = value;

    auto text = [&](int32_t v) {
        return v >= numLow && v <= high ? std::to_string(v) : lists.GetChoiceText(list1, Kind1, v);
    };

    int32_t row = 0;
    if (c.EditResult == indEditResult::EditorText && c.SubCell == nullptr) {
        const std::string typed = ValueText::ZeroForOff(c.InputText);
        if (ValueText::HasDigit(typed)) {
            value = std::clamp(ValueText::ParseRounded(typed), low, high);
        }
    } else if (PopupAnswer(c, Kind1, row)) {
        if (row == more) {
            OpenList(c, pending, list2, Kind2, value);
        } else {
            value = row;
        }
    } else if (PopupAnswer(c, Kind2, row)) {
        value = row;
    } else if (c.Editable != 0 && c.SubCell == nullptr) {
        if (c.Key == Keys::Space || c.Key == Keys::Backspace) {
            const int step = c.Key == Keys::Space ? 1 : -1;
            int32_t next = Step(lists, list1, Kind1, value, step);
            if (next == more) {
                next = Step(lists, list1, Kind1, next, step);
            }
            value = next;
        } else if (c.Key == Keys::Enter) {
            OpenList(c, pending, list1, Kind1, value);
        } else if (IsDigitKey(c.Key) || c.Key == '.' || c.Key == 'o' || c.Key == 'O') {
            Show(c, text(value));
            StartEditing(c, pending, c.DisplayText);
            return 0;
        }
    }
    Show(c, text(value));
    return value != old ? 1 : 0;
}

ListMatch MatchListEntry(cmcGTex& texts, const std::string& list, std::string_view text) {
    ListMatch m;
    const std::string want = ValueText::Upper(text);
    int number = 0;
    for (int line = 0;; ++line) {
        const std::string t = texts.GetText(list, line);
        if (!t.empty() && t[0] == '#') {
            break;
        }
        size_t start = 0;
        for (;;) {
            const size_t comma = t.find(',', start);
            const std::string piece = t.substr(start, comma - start);
            const std::string head =
                ValueText::Upper(ValueText::Trim(piece).substr(0, want.size()));
            if (!want.empty() && head == want) {
                if (m.count++ == 0) {
                    m.first = number;
                }
            }
            ++number;
            if (comma == std::string::npos) {
                break;
            }
            start = comma + 1;
        }
    }
    return m;
}

}  // namespace Codec
