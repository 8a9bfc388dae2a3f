#include <algorithm>
#include <cmath>
#include <cstdio>

#include "Codec.h"
#include "ValueText.h"
#include "cmcGTex.h"

namespace Codec {

namespace {

bool IsStepKey(int32_t key) {
    return key == Keys::Space || key == Keys::Backspace;
}
int StepOf(int32_t key) {
    return key == Keys::Space ? 1 : -1;
}

// value + d, wrapping from one bound to the other.
int32_t Wrap(int64_t v, int32_t low, int32_t high) {
    if (v > high) {
        return low;
    }
    if (v < low) {
        return high;
    }
    return static_cast<int32_t>(v);
}

std::string PadLeft(std::string s, size_t width, char fill) {
    if (s.size() < width) {
        s.insert(0, width - s.size(), fill);
    }
    return s;
}

}  // namespace

int EditInteger(indCellCapsule& c, int32_t& value, const IntegerOptions& o, indPending& pending) {
    bool changed = false;
    auto clampIn = [&] {
        if (o.clamp && (value < o.low || value > o.high)) {
            value = std::clamp(value, o.low, o.high);
            changed = true;
        }
    };
    clampIn();
    if (c.EditResult == indEditResult::EditorText) {
        int64_t v = int64_t{ValueText::ParseRounded(c.InputText)} - o.offset;
        if (o.step != 1 && o.step != 0) {
            v = ValueText::RoundHalfAway(static_cast<double>(v) / o.step) * o.step;
        }
        if (ValueText::HasDigit(c.InputText)) {
            value = static_cast<int32_t>(std::clamp<int64_t>(v, o.low, o.high));
            changed = true;
        }
    }
    auto text = [&] {
        return o.fixedText.empty() ? std::to_string(value + o.offset) : o.fixedText;
    };
    if (c.Editable != 0 && c.EditResult == indEditResult::Key) {
        if (IsStepKey(c.Key)) {
            int64_t v = int64_t{value} + int64_t{StepOf(c.Key)} * o.step;
            if (o.noWrap) {
                v = std::clamp<int64_t>(v, o.low, o.high);
            } else {
                v = Wrap(v, o.low, o.high);
            }
            if (o.step > 1) {
                v = v / o.step * o.step;
            }
            value = static_cast<int32_t>(v);
            changed = true;
        } else if (IsDigitKey(c.Key) || (c.Key == '-' && o.low < 0) || c.Key == Keys::Enter) {
            StartEditing(c, pending, text());
            return 0;
        }
    }
    clampIn();
    Show(c, text());
    return changed ? 1 : 0;
}

int EditFixedPoint(indCellCapsule& c, int32_t& value, const FixedPointOptions& o,
                   indPending& pending) {
    const double unit = std::pow(10.0, o.storageDecimals);
    const auto min = static_cast<int32_t>(ValueText::RoundHalfAway(o.min * unit));
    const auto max = static_cast<int32_t>(ValueText::RoundHalfAway(o.max * unit));
    const int32_t old = value;
    auto text = [&] {
        return ValueText::FormatFixedPoint(value, o.storageDecimals, o.shownDecimals);
    };
    if (c.EditResult == indEditResult::EditorText) {
        int32_t v = 0;
        if (ValueText::ParseFixedPoint(c.InputText, o.storageDecimals, o.step, v)) {
            value = std::clamp(v, min, max);
        }
    } else if (c.Editable != 0) {
        if (c.Key == '.') {
            StartEditingAfterDot(c, pending, ValueText::Trim(text()));
            return 0;
        }
        if (o.stepping && IsStepKey(c.Key)) {
            value = Wrap(int64_t{value} + int64_t{StepOf(c.Key)} * o.step, min, max);
        } else if (c.Key == Keys::Enter || (!o.stepping && c.Key == Keys::Space)) {
            StartEditing(c, pending, o.clearOnEnter ? std::string() : ValueText::Trim(text()));
            return 0;
        } else if (IsDigitKey(c.Key) || c.Key == '-') {
            StartEditing(c, pending, text());
            return 0;
        }
    }
    Show(c, text());
    return value != old ? 1 : 0;
}

int EditTimer(indCellCapsule& c, cmcGTex& texts, uint8_t& value, int scale, bool offAllowed,
              int trimCount, indPending& pending) {
    const uint8_t old = value;
    bool changed = false;
    if (c.EditResult == indEditResult::EditorText) {
        int v = 0;
        if (ValueText::ParseTimer(c.InputText, scale, v)) {
            value = static_cast<uint8_t>(v);
            changed = true;
        }
    } else if (c.Editable != 0) {
        if (IsStepKey(c.Key)) {
            value = static_cast<uint8_t>(Wrap(int64_t{value} + StepOf(c.Key), 0, 255));
            changed = true;
        } else if (c.Key == Keys::Enter) {
            StartEditing(c, pending,
                         ValueText::Trim(ValueText::FormatTimer(value, scale, trimCount)));
            return 0;
        } else if (IsDigitKey(c.Key) || c.Key == '.' || c.Key == 'o' || c.Key == 'O') {
            StartEditing(c, pending, std::string());
            return 0;
        }
    }
    if (offAllowed && pending == indPending::Nothing && value == 0) {
        Show(c, texts.GetText("GI_AppInd_TimerOff"));
    } else {
        Show(c, ValueText::FormatTimer(value, scale, trimCount));
    }
    return changed && value != old ? 1 : 0;
}

int EditMinSec(indCellCapsule& c, uint8_t& value, int loSeconds, int hiSeconds, int stepSeconds,
               indPending& pending) {
    const uint8_t old = value;
    const int lo = loSeconds / stepSeconds;
    const int hi = hiSeconds / stepSeconds;
    if (c.EditResult == indEditResult::EditorText) {
        // A text needs a digit: ":" alone would set the seconds to 0.
        if (ValueText::HasDigit(ValueText::KeepChars(c.InputText, ":"))) {
            value = static_cast<uint8_t>(
                ValueText::ParseMinSec(c.InputText, value, stepSeconds, loSeconds, hiSeconds));
        }
    } else if (c.Editable != 0) {
        if (IsStepKey(c.Key)) {
            value = static_cast<uint8_t>(Wrap(int64_t{value} + StepOf(c.Key), lo, hi));
        } else if (c.Key == Keys::Enter || IsDigitKey(c.Key) || c.Key == ':') {
            StartEditing(c, pending, ValueText::Trim(ValueText::FormatMinSec(value, stepSeconds)));
            return 0;
        }
    }
    Show(c, ValueText::FormatMinSec(value, stepSeconds));
    return value != old ? 1 : 0;
}

int EditDecimalId(indCellCapsule& c, int32_t& value, int width, int32_t low, int32_t high,
                  bool noPadding, indPending& pending) {
    const int32_t old = value;
    auto text = [&] {
        const std::string s = std::to_string(value);
        return noPadding ? s : PadLeft(s, static_cast<size_t>(width), '0');
    };
    if (c.EditResult == indEditResult::EditorText) {
        const int32_t v = ValueText::ParseRounded(c.InputText);
        if (ValueText::HasDigit(c.InputText) && v >= low && v <= high) {
            value = v;
        }
    } else if (c.Editable != 0) {
        if (IsStepKey(c.Key)) {
            value = Wrap(int64_t{value} + StepOf(c.Key), low, high);
        } else if (IsDigitKey(c.Key) || (c.Key == '-' && low < 0) || c.Key == Keys::Enter) {
            StartEditing(c, pending, text());
            return 0;
        }
    }
    Show(c, text());
    return value != old ? 1 : 0;
}

int EditHexDigits(indCellCapsule& c, int32_t& value, int digits, bool lettersAllowed,
                  indPending& pending) {
    const int32_t old = value;
    auto text = [&] {
        std::string s;
        for (int i = digits - 1; i >= 0; --i) {
            s.push_back("0123456789ABCDEF"[(static_cast<uint32_t>(value) >> (4 * i)) & 0xF]);
        }
        return s;
    };
    if (c.EditResult == indEditResult::EditorText) {
        std::string kept = ValueText::KeepChars(c.InputText, lettersAllowed ? "abcdefABCDEF" : "");
        if (!kept.empty()) {
            kept = PadLeft(kept, static_cast<size_t>(digits), '0')
                       .substr(0, static_cast<size_t>(digits));
            uint32_t v = 0;
            for (char ch : kept) {
                v = v << 4 | static_cast<uint32_t>(std::stoi(std::string(1, ch), nullptr, 16));
            }
            value = static_cast<int32_t>(v);
        }
    } else if (c.Editable != 0 && (IsStepKey(c.Key) || c.Key == Keys::Enter ||
                                   (lettersAllowed ? IsHexKey(c.Key) : IsDigitKey(c.Key)))) {
        StartEditing(c, pending, text());  // space and backspace act as Enter
        return 0;
    }
    Show(c, text());
    return value != old ? 1 : 0;
}

int EditHexDigit(indCellCapsule& c, int32_t& value, bool fAllowed, indPending& pending) {
    const int32_t old = value;
    const int top = fAllowed ? 15 : 14;
    auto digitOf = [&](int ch) -> int {
        if (ch >= '0' && ch <= '9') {
            return ch - '0';
        }
        if (ch >= 'a' && ch <= 'f') {
            ch = ch - 'a' + 'A';
        }
        const int v = ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : -1;
        return v <= top ? v : -1;
    };
    auto text = [&] {
        return value >= 0 && value <= 15 ? std::string(1, "0123456789ABCDEF"[value])
                                         : std::string();
    };
    if (c.EditResult == indEditResult::EditorText) {
        const std::string t = ValueText::Trim(c.InputText);
        const int v = t.empty() ? -1 : digitOf(static_cast<unsigned char>(t[0]));
        if (v >= 0) {
            value = v;
        }
    } else if (c.Editable != 0 &&
               (IsStepKey(c.Key) || c.Key == Keys::Enter || digitOf(c.Key) >= 0)) {
        StartEditing(c, pending, text());  // space and backspace act as Enter
        return 0;
    }
    c.DisplayText = text();
    c.CaretPos = 0;
    c.SelLength = 1;
    return value != old ? 1 : 0;
}

int EditToneLength(indCellCapsule& c, uint8_t& value, indPending& pending) {
    constexpr int MinMs = 10;
    constexpr int MaxMs = 2789;
    const uint8_t old = value;
    auto text = [&] {
        const int ms = ValueText::ToneLengthMs(value);
        char buf[24];
        std::snprintf(buf, sizeof buf, "%3d.%03d", ms / 1000, ms % 1000);
        return std::string(buf);
    };
    if (c.EditResult == indEditResult::EditorText) {
        std::string kept = ValueText::KeepChars(c.InputText, ".-");
        if (kept.size() > 5) {
            kept.resize(5);
        }
        if (ValueText::HasDigit(kept)) {
            const auto ms = static_cast<int>(std::clamp<int64_t>(
                ValueText::RoundHalfAway(ValueText::ParseDecimal(kept) * 1000), MinMs, MaxMs));
            value = static_cast<uint8_t>(ValueText::ToneLengthByte(ms));
        }
    } else if (c.Editable != 0) {
        if (IsStepKey(c.Key)) {
            int ms = ValueText::ToneLengthMs(value) + 11 * StepOf(c.Key);
            if (ms < MinMs) {
                ms = MaxMs;
            } else if (ms > MaxMs) {
                ms = MinMs;
            }
            value = static_cast<uint8_t>(ValueText::ToneLengthByte(ms));
        } else if (c.Key == '.') {
            StartEditingAfterDot(c, pending, ValueText::Trim(text()));
            return 0;
        } else if (c.Key == Keys::Enter || IsDigitKey(c.Key) || c.Key == '-') {
            StartEditing(c, pending, ValueText::Trim(text()));
            return 0;
        }
    }
    Show(c, text());
    return value != old ? 1 : 0;
}

}  // namespace Codec
