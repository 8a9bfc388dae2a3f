#include <algorithm>
#include <cstdio>

#include "Codec.h"
#include "ValueText.h"
#include "cmcCellObj.h"
#include "cmcFCache.h"
#include "cmcGTex.h"
#include "datCh.h"

namespace Codec {

namespace {

const std::string ToneList = "GI_Sheet_Sel_Mch_CTone";
constexpr int ToneOffIndex = 52;
constexpr int ToneDtcsIndex = 53;

void SetHAlign(indCellCapsule& c, uint8_t align) {
    if (c.Cell != nullptr) {
        c.Cell->layoutFlags =
            static_cast<uint8_t>((c.Cell->layoutFlags & ~kLayoutHAlignMask) | align);
    }
}

bool SameTone(const datTone& a, const datTone& b) {
    if (a.On != b.On || a.Dtcs != b.Dtcs) {
        return false;
    }
    if (!a.On) {
        return true;
    }
    return a.Dtcs ? a.DtcsCode == b.DtcsCode && a.Inverted == b.Inverted
                  : a.CtcssIndex == b.CtcssIndex;
}

// Three octal digits with an optional "I" or "N".
bool ParseDtcs(const std::string& upper, datTone& tone) {
    if (upper.size() < 3 || upper.size() > 4) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        if (upper[static_cast<size_t>(i)] < '0' || upper[static_cast<size_t>(i)] > '7') {
            return false;
        }
    }
    if (upper.size() == 4 && upper[3] != 'I' && upper[3] != 'N') {
        return false;
    }
    tone.On = true;
    tone.Dtcs = true;
    tone.DtcsCode =
        static_cast<uint16_t>((upper[0] - '0') * 64 + (upper[1] - '0') * 8 + (upper[2] - '0'));
    tone.Inverted = upper.size() == 4 && upper[3] == 'I';
    return true;
}

}  // namespace

std::string DtcsText(uint16_t code, bool inverted) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%d%d%d%c", (code >> 6) & 7, (code >> 3) & 7, code & 7,
                  inverted ? 'i' : 'N');
    return buf;
}

int EditFrequency(indCellCapsule& c, datCh& record, bool transmit, indPending& pending) {
    const bool blank = !record.Used();
    int64_t value = transmit ? record.TxFreq() : record.RxFreq();
    bool inhibited = transmit ? (record.Inhibit() & datCh::InhibitTx) != 0 : blank;
    const bool simplex = record.RxFreq() == record.TxFreq();
    bool accepted = false;

    if (c.EditResult == indEditResult::EditorText) {
        std::string kept = ValueText::KeepChars(c.InputText, ".");
        const int64_t snapped = ValueText::SnapToRaster(ValueText::TypedFrequency(kept), false);
        if (snapped > 0 && !kept.empty()) {
            value = snapped;
            inhibited = false;
            accepted = true;
        }
    }
    value = std::clamp<int64_t>(value, 0, ValueText::MaxTypedFrequency);
    SetHAlign(c, kAlignRightBottom);
    const std::string current = ValueText::FormatFrequency(value);
    Show(c, current);

    if (c.Editable != 0 && c.EditResult == indEditResult::Key) {
        const int32_t key = c.Key;
        if (key == '.') {
            StartEditingAfterDot(c, pending, current);
        } else if (key == '=' && transmit) {
            StartEditing(c, pending, ValueText::FormatFrequency(record.RxFreq()));
            c.DisplayText = ValueText::FormatFrequency(record.RxFreq());
            c.CaretPos = 0;
            c.SelLength = static_cast<int32_t>(c.DisplayText.size());
        } else if (IsDigitKey(key)) {
            StartEditing(c, pending, current);
        } else if (key == Keys::Enter || key == Keys::Space || key == Keys::Backspace) {
            c.Key = Keys::Enter;  // space and backspace act as Enter
            StartEditing(c, pending, blank && !transmit ? std::string() : current);
            c.Key = key;
        }
    }

    if (accepted) {
        const auto hz = static_cast<int32_t>(value);
        if (transmit) {
            record.SetTxFreq(hz);
        } else {
            if (blank) {
                record.SetUsed(!inhibited);
                record.Set(datField::RxInhibit, inhibited ? 1 : 0);
                record.SetTxFreq(hz);
            }
            record.SetRxFreq(hz);
            if (simplex) {
                record.SetTxFreq(hz);
            }
        }
    }

    // Appearance when nothing is pending.
    if (pending == indPending::Nothing) {
        if (!record.Used()) {
            Show(c, "");
        } else if (transmit && record.TxFreq() == record.RxFreq()) {
            Show(c, "<-");
            SetHAlign(c, kAlignCentre);
        }
    }
    return accepted ? 1 : 0;
}

int EditTone(indCellCapsule& c, cmcFCache& lists, cmcGTex& texts, datCh& record, bool transmit,
             indPending& pending) {
    const datTone rxBefore = record.RxTone();
    const datTone txBefore = record.TxTone();
    datTone tone = transmit ? txBefore : rxBefore;
    const datTone before = tone;
    bool consumed = false;

    // DTCS: space and backspace toggle the inversion.
    if (c.Editable != 0 && c.EditResult == indEditResult::Key && tone.On && tone.Dtcs &&
        (c.Key == Keys::Space || c.Key == Keys::Backspace)) {
        tone.Inverted = !tone.Inverted;
        consumed = true;
    }
    int32_t row = 0;
    if (!consumed && PopupAnswer(c, FlexDtcs, row)) {
        // The DTCS entry of the list opens the code entry; nothing is stored
        // until a code comes back as typed text. A CTCSS tone has no code to
        // offer (its index is not a DTCS code), so the entry starts empty.
        consumed = true;
        Show(c, tone.On && tone.Dtcs ? DtcsText(tone.DtcsCode, tone.Inverted) : std::string());
        if (c.OnCodeEntry) {
            c.OnCodeEntry(c);
        } else {
            pending = indPending::Editor;
        }
    }
    if (!consumed) {
        int32_t index = !tone.On ? ToneOffIndex : tone.Dtcs ? ToneDtcsIndex : tone.CtcssIndex;
        const int32_t was = index;
        const bool editKey =
            c.Editable != 0 && c.EditResult == indEditResult::Key && IsCharKey(c.Key);
        if (!editKey) {
            SelectChoice(c, lists, ToneList, Flex0, index, pending);
        }
        if (index != was) {
            tone.Dtcs = false;
            tone.Inverted = false;
            tone.On = index != ToneOffIndex;
            tone.CtcssIndex = static_cast<uint16_t>(index == ToneOffIndex ? 0 : index);
        } else if (pending == indPending::Nothing && c.EditResult == indEditResult::EditorText) {
            const std::string typed = ValueText::Upper(ValueText::Trim(c.InputText));
            datTone typedTone = tone;
            if (ParseDtcs(typed, typedTone)) {
                tone = typedTone;
            } else if (!typed.empty()) {
                const ListMatch m = MatchListEntry(texts, "GI_AppItem_Ctcss", typed);
                if (m.count == 1 || (m.count > 1 && typed.size() > 1)) {
                    tone.On = m.first != ToneOffIndex;
                    tone.Dtcs = false;
                    tone.Inverted = false;
                    tone.CtcssIndex = static_cast<uint16_t>(m.first == ToneOffIndex ? 0 : m.first);
                }
            }
        } else if (editKey) {
            StartEditing(c, pending, std::string());
        }
    }

    const bool changed = !SameTone(tone, before) || tone.Inverted != before.Inverted;
    if (changed) {
        if (transmit) {
            record.SetTxTone(tone);
        } else {
            record.SetRxTone(tone);
            if (SameTone(rxBefore, txBefore)) {
                record.SetTxTone(tone);
            }
        }
    }

    if (pending != indPending::Editor) {
        const datTone shown = transmit ? record.TxTone() : record.RxTone();
        if (shown.On && shown.Dtcs) {
            Show(c, DtcsText(shown.DtcsCode, shown.Inverted));
        } else {
            Show(c,
                 lists.GetChoiceText(ToneList, Flex0, shown.On ? shown.CtcssIndex : ToneOffIndex));
        }
        if (pending == indPending::Nothing && transmit && shown.On &&
            SameTone(shown, record.RxTone())) {
            Show(c, "<-");
            SetHAlign(c, kAlignCentre);
        }
    }
    return changed ? 1 : 0;
}

}  // namespace Codec
