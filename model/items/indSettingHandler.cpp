// The generic driver of the setting items: for the item of a call it reads
// the value from the image as the table describes it, converts it, runs the
// item's codec, stores a changed value back (no bit outside the item's field
// changes), applies the item's rule and answers with the text of the value
// as it now stands in the image.

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "CellNames.h"
#include "Codec.h"
#include "CodecKeys.h"
#include "NormalizeImage.h"
#include "RadioText.h"
#include "SettingRules.h"
#include "cmcEeprom.h"
#include "indCellCall.h"
#include "indHandlerContext.h"
#include "indSettingItem.h"

namespace {

constexpr int PllByte = 0x000B;
constexpr int PllTypeBit = 0x01;
constexpr int GroupToneDigit = 0x009D;
constexpr int MaxArea = 24;

// ---- image access -----------------------------------------------------------

bool Inside(const cmcEeprom& image, const indSettingItem& s, int row) {
    for (const indByteMask& m : SettingFootprint(s, row)) {
        if (!image.IsValidAddress(m.address)) {
            return false;
        }
    }
    return true;
}

// The stored number of a row: its bit pieces, or an area read big-endian.
int32_t ReadNumber(const cmcEeprom& image, const indSettingItem& s, int row) {
    const int address = SettingAddress(s, row);
    const datFieldLayout& layout = s.store.layout;
    uint32_t value = 0;
    if (s.store.kind == indStoreKind::Area) {
        for (int i = 0; i < layout.length; ++i) {
            value = value << 8 | image.GetByte(address + i);
        }
        return static_cast<int32_t>(value);
    }
    for (int i = 0; i < layout.pieceCount; ++i) {
        const datPiece& p = layout.pieces[static_cast<size_t>(i)];
        const uint32_t mask = (1u << (p.hi - p.lo + 1)) - 1u;
        value |= ((image.GetByte(address + p.offset) >> p.lo) & mask) << p.shift;
    }
    return static_cast<int32_t>(value);
}

void WriteNumber(cmcEeprom& image, const indSettingItem& s, int row, int32_t number) {
    const int address = SettingAddress(s, row);
    const datFieldLayout& layout = s.store.layout;
    const auto value = static_cast<uint32_t>(number);
    if (s.store.kind == indStoreKind::Area) {
        for (int i = 0; i < layout.length; ++i) {
            image.SetByte(address + i,
                          static_cast<uint8_t>(value >> (8 * (layout.length - 1 - i))));
        }
        return;
    }
    for (int i = 0; i < layout.pieceCount; ++i) {
        const datPiece& p = layout.pieces[static_cast<size_t>(i)];
        const uint32_t mask = ((1u << (p.hi - p.lo + 1)) - 1u) << p.lo;
        const int adr = address + p.offset;
        const uint32_t bits = ((value >> p.shift) << p.lo) & mask;
        image.SetByte(adr, static_cast<uint8_t>((image.GetByte(adr) & ~mask) | bits));
    }
}

int ReadWord(const cmcEeprom& image, int address) {
    return image.GetByte(address) << 8 | image.GetByte(address + 1);
}

void WriteWord(cmcEeprom& image, int address, int value) {
    image.SetByte(address, static_cast<uint8_t>(value >> 8));
    image.SetByte(address + 1, static_cast<uint8_t>(value));
}

int PllType(const cmcEeprom& image) {
    return image.GetByte(PllByte) & PllTypeBit;
}

// ---- stored number <-> codec value ---------------------------------------------

int32_t ShownValue(indCellCall& call, const indSettingItem& s, int32_t stored) {
    switch (s.rule) {
        case indRule::TwoToneWindow:
            return SettingRules::TwoToneCentre(
                stored, ReadWord(call.image, SettingAddress(s, call.row) + 2));
        case indRule::PllReference:
            return SettingRules::PllReferenceIndex(stored, PllType(call.image));
        default:
            return SettingRules::ToShown(s.conversion, stored);
    }
}

// A beep step that lands on the same byte moves on to the next byte.
int32_t BeepStep(int32_t key, int32_t stored, int32_t next) {
    if (next != stored || (key != Keys::Space && key != Keys::Backspace)) {
        return next;
    }
    const int32_t lowest = SettingRules::ToStored(indConversion::BeepHz, 3000, 0);
    const int32_t highest = SettingRules::ToStored(indConversion::BeepHz, 400, 0);
    const int32_t n = stored + (key == Keys::Space ? -1 : 1);  // a higher pitch is a smaller byte
    return n < lowest ? highest : n > highest ? lowest : n;
}

void StoreValue(indCellCall& call, const indSettingItem& s, int32_t shown, int32_t stored) {
    cmcEeprom& image = call.image;
    switch (s.rule) {
        case indRule::TwoToneWindow: {
            const SettingRules::Window w = SettingRules::TwoToneWindow(shown);
            const int address = SettingAddress(s, call.row);
            WriteWord(image, address, w.low);
            WriteWord(image, address + 2, w.high);
            return;
        }
        case indRule::PllReference:
            WriteNumber(image, s, call.row, SettingRules::PllReferenceBits(shown));
            return;
        default:
            break;
    }
    int32_t next = SettingRules::ToStored(s.conversion, shown, stored);
    if (s.conversion == indConversion::BeepHz) {
        next = BeepStep(call.c.Key, stored, next);
    }
    WriteNumber(image, s, call.row, next);
}

// What follows a stored change.
void FollowUp(indCellCall& call, const indSettingItem& s, int32_t shown) {
    switch (s.rule) {
        case indRule::EncodeWindow: {
            const SettingRules::Window w = SettingRules::UserToneWindow(shown);
            const indSettingItem& low = *FindSettingItem(CL_UTone_Dec_Low);
            const indSettingItem& high = *FindSettingItem(CL_UTone_Dec_High);
            WriteNumber(call.image, low, call.row, w.low);
            WriteNumber(call.image, high, call.row, w.high);
            call.changeFlags |= ChangeFlags::Record;
            break;
        }
        case indRule::PllType: {
            const int index = call.ctx.Memory().PllReference(shown);
            if (index >= 0) {
                WriteNumber(call.image, *FindSettingItem(CL_Maker_Pll_Reference), 0,
                            SettingRules::PllReferenceBits(index));
            }
            break;
        }
        default:
            break;
    }
}

// ---- codecs on a number ----------------------------------------------------------

const char* ChoiceList(const indCellCall& call, const indSettingItem& s) {
    return s.rule == indRule::PllReference ? SettingRules::PllReferenceList(PllType(call.image))
                                           : s.list;
}

template <typename Fn>
int OnByte(int32_t& value, Fn edit) {
    auto b = static_cast<uint8_t>(value);
    const int changed = edit(b);
    value = b;
    return changed;
}

int RunNumberCodec(indCellCall& call, indCellCapsule& c, indPending& pending,
                   const indSettingItem& s, int32_t& v) {
    switch (s.codec) {
        case indCodecKind::Choice:
            return Codec::SelectChoice(c, call.ctx.Lists(), ChoiceList(call, s), s.entryKind, v,
                                       pending);
        case indCodecKind::Integer: {
            Codec::IntegerOptions o;
            o.low = s.low;
            o.high = s.high;
            o.offset = s.offset;
            return Codec::EditInteger(c, v, o, pending);
        }
        case indCodecKind::FixedPoint: {
            Codec::FixedPointOptions o;
            o.storageDecimals = s.storageDecimals;
            o.shownDecimals = s.shownDecimals;
            o.min = s.min;
            o.max = s.max;
            o.step = s.step;
            o.stepping = s.stepping;
            return Codec::EditFixedPoint(c, v, o, pending);
        }
        case indCodecKind::Timer:
            return OnByte(v, [&](uint8_t& b) {
                return Codec::EditTimer(c, call.ctx.Texts(), b, s.scale, s.offAllowed, s.trim,
                                        pending);
            });
        case indCodecKind::MinSec:
            return OnByte(v, [&](uint8_t& b) {
                return Codec::EditMinSec(c, b, s.low, s.high, s.step, pending);
            });
        case indCodecKind::ToneLength:
            return OnByte(v, [&](uint8_t& b) { return Codec::EditToneLength(c, b, pending); });
        case indCodecKind::DecimalId:
            return Codec::EditDecimalId(c, v, s.width, s.low, s.high, false, pending);
        case indCodecKind::HexDigits:
            return Codec::EditHexDigits(c, v, s.width, true, pending);
        case indCodecKind::HexDigit:
            return Codec::EditHexDigit(c, v, s.flag, pending);
        case indCodecKind::FlagDigits:
            return Codec::EditFlagDigits(c, v, s.low, s.high, 0, "", pending);
        case indCodecKind::AbcCode:
            return Codec::EditAbcCode(c, call.ctx.Lists(), v, pending);
        default:
            return 0;
    }
}

// The text of the value as it now stands in the image (after a change, a
// conversion may have rounded the typed value).
void ShowStored(indCellCall& call, const indSettingItem& s) {
    indCellCapsule view = call.c;
    view.Editable = 0;
    view.Key = Keys::None;
    view.EditResult = indEditResult::Key;
    view.SubCell = nullptr;
    indPending pending = indPending::Nothing;
    int32_t v = ShownValue(call, s, ReadNumber(call.image, s, call.row));
    RunNumberCodec(call, view, pending, s, v);
    call.c.DisplayText = view.DisplayText;
    call.c.CaretPos = view.CaretPos;
    call.c.SelLength = view.SelLength;
}

void Marks(indCellCall& call, const indSettingItem& s) {
    const int row = call.row;
    switch (s.rule) {
        case indRule::KillerRange:
        case indRule::IdGroupRange:
        case indRule::AddressSpace: {
            datBiisAdr plan;
            plan.Load(call.image);
            call.c.Flags |= SettingRules::AddressMarks(
                s.rule, SettingRules::ToShown(s.conversion, ReadNumber(call.image, s, row)), row,
                plan);
            if (s.rule == indRule::IdGroupRange) {
                call.c.ChangedFlag = 1;
            }
            break;
        }
        case indRule::DecodeOrder: {
            const int low = ReadNumber(call.image, *FindSettingItem(CL_UTone_Dec_Low), row);
            const int high = ReadNumber(call.image, *FindSettingItem(CL_UTone_Dec_High), row);
            if (high < low) {
                call.c.Flags |= CapsuleFlags::Warning;
            }
            break;
        }
        case indRule::PllReference:
            call.ctx.Memory().PllReference(PllType(call.image)) =
                ShownValue(call, s, ReadNumber(call.image, s, 0));
            break;
        default:
            break;
    }
}

// The image bytes an edit of the row may write, as they stand.
std::vector<uint8_t> FootprintBytes(const cmcEeprom& image, const indSettingItem& s, int row) {
    std::vector<uint8_t> bytes;
    for (const indByteMask& m : SettingFootprint(s, row)) {
        bytes.push_back(image.GetByte(m.address));
    }
    return bytes;
}

void NumberItem(indCellCall& call, const indSettingItem& s) {
    if (s.rule == indRule::GroupStart && call.row != 0) {
        Codec::Show(call.c, call.row == 1 ? "4095 (No Edit)" : "error");
        return;
    }
    const int32_t stored = ReadNumber(call.image, s, call.row);
    int32_t v = ShownValue(call, s, stored);
    if (RunNumberCodec(call, call.c, call.pending, s, v) != 0) {
        // A value may span more than the stored number (a window's high word):
        // any byte written counts as a change.
        const std::vector<uint8_t> before = FootprintBytes(call.image, s, call.row);
        StoreValue(call, s, v, stored);
        if (FootprintBytes(call.image, s, call.row) != before) {
            call.changeFlags |= ChangeFlags::Record | s.changeFlags;
            FollowUp(call, s, v);
        }
        if (call.pending == indPending::Nothing) {
            ShowStored(call, s);
        }
    }
    Marks(call, s);
}

// ---- byte areas -------------------------------------------------------------------

// A user character: 20 dot rows (bytes 1..20 of the glyph) as 160 characters,
// "0" for a dot that is off. The cell shows the character's code.
constexpr int GlyphRows = 20;
constexpr int GlyphSize = 22;

std::string DotText(const uint8_t* glyph) {
    std::string dots;
    for (int r = 1; r <= GlyphRows; ++r) {
        for (int bit = 7; bit >= 0; --bit) {
            dots.push_back(((glyph[r] >> bit) & 1) != 0 ? '1' : '0');
        }
    }
    return dots;
}

int GlyphCodec(indCellCapsule& c, int row, uint8_t* glyph, indPending& pending) {
    c.RadioPreview = {1, true};
    int changed = 0;
    if (c.EditResult == indEditResult::EditorText && c.InputText.size() == GlyphRows * 8) {
        std::fill(glyph, glyph + GlyphSize, uint8_t{0});
        for (int i = 0; i < GlyphRows * 8; ++i) {
            if (c.InputText[static_cast<size_t>(i)] != '0') {
                glyph[1 + i / 8] = static_cast<uint8_t>(glyph[1 + i / 8] | (0x80 >> (i % 8)));
            }
        }
        changed = 1;
    } else if (c.Editable != 0 && c.EditResult == indEditResult::Key && c.Key == Keys::Enter) {
        Codec::StartEditing(c, pending, DotText(glyph));
        return 0;
    }
    const auto code = static_cast<uint8_t>(16 + (row & 15));
    Codec::Show(c, RadioText::ToDisplay(&code, 1));
    return changed;
}

void AreaItem(indCellCall& call, const indSettingItem& s) {
    cmcEeprom& image = call.image;
    const int address = SettingAddress(s, call.row);
    const int length = std::min(s.store.layout.length, MaxArea);
    const int aux = address + s.store.auxOffset;
    const bool hasAux = s.store.auxOffset != 0;
    std::array<uint8_t, MaxArea> bytes{};
    image.ReadBlock(address, bytes.data(), length);
    const std::array<uint8_t, MaxArea> before = bytes;
    uint8_t auxByte = hasAux ? image.GetByte(aux) : 0;
    const uint8_t auxBefore = auxByte;
    indCellCapsule& c = call.c;
    indPending& pending = call.pending;
    switch (s.codec) {
        case indCodecKind::RadioText:
            Codec::EditRadioText(c, bytes.data(), length, pending);
            break;
        case indCodecKind::AsciiText:
            Codec::EditText(c, bytes.data(), length, pending);
            break;
        case indCodecKind::Passcode:
            Codec::EditPasscode(c, bytes.data(), s.width, pending);
            break;
        case indCodecKind::DtmfCode: {
            int count = auxByte;
            Codec::EditDtmfCode(c, bytes.data(), count, s.width, pending);
            auxByte = static_cast<uint8_t>(count);
            break;
        }
        case indCodecKind::FiveToneCode:
            Codec::EditFiveToneCode(c, bytes.data(), auxByte, s.width, s.flag,
                                    image.GetByte(GroupToneDigit), pending);
            break;
        case indCodecKind::Glyph:
            GlyphCodec(c, call.row, bytes.data(), pending);
            break;
        default:
            break;
    }
    if (bytes != before || auxByte != auxBefore) {
        image.WriteBlock(address, bytes.data(), length);
        if (hasAux) {
            image.SetByte(aux, auxByte);
        }
        call.changeFlags |= ChangeFlags::Record | s.changeFlags;
    }
}

// ---- the other kinds --------------------------------------------------------------

void KeyFunctionItem(indCellCall& call, const indSettingItem& s) {
    cmcEeprom& image = call.image;
    int32_t code = ReadNumber(image, s, call.row);
    uint8_t options[2] = {image.GetByte(CodecKeys::KeyOptionAddress[0]),
                          image.GetByte(CodecKeys::KeyOptionAddress[1])};
    const uint8_t before[2] = {options[0], options[1]};
    if (CodecKeys::SelectKeyFunction(call.c, call.ctx.Lists(), call.model, code, options,
                                     call.pending) == 0) {
        return;
    }
    WriteNumber(image, s, call.row, code);
    for (int i = 0; i < 2; ++i) {
        if (options[i] != before[i]) {
            // Only the option bits 5-7 belong to the keys.
            const auto kept = static_cast<uint8_t>(before[i] & 0x1F);
            image.SetByte(CodecKeys::KeyOptionAddress[i],
                          static_cast<uint8_t>(kept | (options[i] & 0xE0)));
            call.changeFlags |= ChangeFlags::OtherRows;
        }
    }
    call.changeFlags |= ChangeFlags::Record;
}

void ToneItem(indCellCall& call, const indSettingItem& s) {
    if (call.kind != KindTonePair) {
        call.NotApplicable();
        return;
    }
    if (Codec::EditTone(call.c, call.ctx.Lists(), call.ctx.Texts(), call.rec, !s.flag,
                        call.pending) != 0) {
        call.StoreRecord();
    }
}

// Storage that normalisation takes from the template for the model type
// (before every save and clone write) would silently drop an edit.
bool TemplateOwned(const indSettingItem& s, int row, int modelType) {
    for (const indByteMask& m : SettingFootprint(s, row)) {
        if (TemplateOwnsBits(m.address, m.mask, modelType)) {
            return true;
        }
    }
    return false;
}

void SettingItem(indCellCall& call) {
    const indSettingItem& s = *FindSettingItem(call.item);
    if (s.rule == indRule::Inert || !s.HasRow(call.row) || !Inside(call.image, s, call.row) ||
        TemplateOwned(s, call.row, call.model)) {
        call.NotApplicable();
        return;
    }
    switch (s.rule) {
        case indRule::IndividualRange:
            Codec::Show(call.c, SettingRules::IndividualRangeText(call.row, call.adr.GroupStart()));
            return;
        case indRule::DtmfSlotName:
            Codec::Show(call.c, SettingRules::DtmfSlotName(call.row, call.model));
            return;
        default:
            break;
    }
    switch (s.codec) {
        case indCodecKind::KeyFunction:
            KeyFunctionItem(call, s);
            return;
        case indCodecKind::Tone:
            ToneItem(call, s);
            return;
        default:
            break;
    }
    if (s.store.kind == indStoreKind::Area && s.conversion == indConversion::None) {
        AreaItem(call, s);
    } else {
        NumberItem(call, s);
    }
}

}  // namespace

void RegisterSettingItems(indItemFn* table) {
    for (const indSettingItem& s : SettingItems()) {
        table[s.item] = &SettingItem;
    }
}
