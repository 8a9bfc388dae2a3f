#include "NormalizeImage.h"

#include <vector>

#include "ChLayout.h"
#include "ChShift.h"
#include "ImageDerived.h"
#include "MapConversion.h"
#include "MemoryMap.h"
#include "ModelType.h"
#include "RadioIdentity.h"
#include "cmcEeprom.h"
#include "datCh.h"

namespace {

// Which model types a rule applies to.
enum class For : uint8_t { All, Lmr, NotLmr, BiisPmr };

bool Applies(For f, int modelType) {
    switch (f) {
        case For::All:
            return true;
        case For::Lmr:
            return modelType == ModelLmr;
        case For::NotLmr:
            return modelType != ModelLmr;
        case For::BiisPmr:
            return modelType == ModelBiisPmr;
    }
    return false;
}

// count bytes from address, stride apart: the bits of mask come from the template.
struct TemplateBits {
    int address;
    int count;
    int stride;
    uint8_t mask;
    For applies;
};

constexpr TemplateBits TemplateOwned[] = {
    {0x0000, 4, 1, 0xFF, For::All},  // model code, map revision, second identity byte
    {0x0008, 3, 1, 0xFF, For::All},      {0x1FF8, 8, 1, 0xFF, For::All},  // signatures
    {0x2FF8, 8, 1, 0xFF, For::All},      {0x39F8, 8, 1, 0xFF, For::All},
    {145, 1, 1, 0x3F, For::All},         {161, 1, 1, 0x30, For::All},  // model-type bits
    {203, 1, 1, 0x04, For::All},         {204, 1, 1, 0x80, For::All},
    {165, 1, 1, 0x5B, For::All},  // bits 0, 1, 3, 4, 6
    {161, 1, 1, 0x02, For::Lmr},         {162, 1, 1, 0x02, For::Lmr},
    {163, 1, 1, 0x40, For::Lmr},         {174, 1, 1, 0xFF, For::Lmr},
    {194, 1, 1, 0xFF, For::Lmr},         {180, 1, 1, 0xFF, For::NotLmr},
    {0x3005, 32, 6, 0xC0, For::BiisPmr},  // MSK call list
};

// A record table: rows 0..rows-1 of the kind are decoded, the raw blocks
// (rows blocks of rawLength bytes, rawStride apart; stride 0: one block) take
// the template's bytes, and the records are encoded back.
struct RecordTable {
    uint8_t kind;  // KindNone: the model's channel kind
    int rows;
    int rawStart;
    int rawStride;
    int rawLength;
    For applies;
};

constexpr RecordTable RecordTables[] = {
    {KindTonePair, 9, 0x0200, 3, 3, For::All},
    {KindScanList, 10, 0x0240, 34, 1, For::All},
    {KindDtmf, 8, 0x0378, 13, 13, For::All},
    {KindNone, ChLayout::ChannelCount, ChLayout::ChannelBase, ChLayout::ChannelSize,
     ChLayout::ChannelSize, For::All},
    {KindTxCode, 32, 0x1960, 6, 6, For::All},
    {KindTwoTone, 4, 0x1A20, 0, 31, For::Lmr},
    {KindRxCode, 9, 0x1A20, 0, 77, For::NotLmr},
    {KindMskIdGroup, 8, 0x3508, 9, 9, For::BiisPmr},
};

}  // namespace

bool TemplateOwnsBits(int address, uint8_t mask, int modelType) {
    for (const TemplateBits& t : TemplateOwned) {
        const int offset = address - t.address;
        const bool inRun = offset >= 0 && offset % t.stride == 0 && offset / t.stride < t.count;
        if (inRun && (t.mask & mask) != 0 && Applies(t.applies, modelType)) {
            return true;
        }
    }
    return false;
}

namespace {

void CopyTemplateBits(cmcEeprom& image, const cmcEeprom& templ, int modelType) {
    for (const TemplateBits& t : TemplateOwned) {
        if (!Applies(t.applies, modelType)) {
            continue;
        }
        for (int i = 0; i < t.count; ++i) {
            const int adr = t.address + i * t.stride;
            image.SetByte(adr, static_cast<uint8_t>((image.GetByte(adr) & ~t.mask) |
                                                    (templ.GetByte(adr) & t.mask)));
        }
    }
}

void NormalizeTable(cmcEeprom& image, const cmcEeprom& templ, const RecordTable& t, uint8_t kind) {
    std::vector<datCh> records(static_cast<size_t>(t.rows), datCh(&image));
    for (int row = 0; row < t.rows; ++row) {
        datCh& rec = records[static_cast<size_t>(row)];
        rec.Decode(kind, row);
        if (!rec.Used()) {
            // A channel not in use becomes the template's record; its marks stay.
            const uint8_t attr = rec.Attr();
            rec.BindReadOnly(&templ);
            rec.Decode(kind, row);
            rec.Bind(&image);
            rec.SetAttr(attr);
        }
    }
    const int blocks = t.rawStride == 0 ? 1 : t.rows;
    for (int i = 0; i < blocks; ++i) {
        const int adr = t.rawStart + i * t.rawStride;
        for (int j = adr; j < adr + t.rawLength; ++j) {
            image.SetByte(j, templ.GetByte(j));
        }
    }
    for (datCh& rec : records) {
        rec.Encode();
    }
}

constexpr int AdrOptions = 11;
constexpr int AdrOptionDefaults = 19;

}  // namespace

void NormalizeImage(cmcEeprom& image, const cmcEeprom& templateImage, int modelType) {
    if (image.Size() < MemoryMap::MapExtent || templateImage.Size() < MemoryMap::MapExtent) {
        return;
    }
    if (image.GetByte(MemoryMap::AdrMapRevision) < MapConversion::FirstCurrentRevision) {
        MapConversion::ConvertToCurrentMap(image);
    }
    CopyTemplateBits(image, templateImage, modelType);
    for (const RecordTable& t : RecordTables) {
        if (Applies(t.applies, modelType)) {
            NormalizeTable(image, templateImage, t,
                           t.kind == KindNone ? ChannelKindOf(modelType) : t.kind);
        }
    }
    const uint8_t options = image.GetByte(AdrOptions);
    if ((options & 0x01) == 0) {
        const bool alternative = (options & 0x04) != 0;
        image.SetByte(AdrOptionDefaults, alternative ? 0x39 : 0x3B);
        image.SetByte(AdrOptionDefaults + 1, alternative ? 0x3F : 0x41);
    }
    ImageDerived::Recompute(image, templateImage, modelType);
}

bool NeedsChannelCorrection(const cmcEeprom& image, const RadioIdentity& radio, bool makerMode) {
    if (radio.mapRevision < MapConversion::FirstCurrentRevision) {
        return true;
    }
    constexpr int AdrMakerOffGrid = 12;
    const bool accepted =
        makerMode ? (image.GetByte(AdrMakerOffGrid) & 0x80) != 0 : radio.AcceptsOffGridChannels();
    return !accepted;
}

bool CorrectChannels(cmcEeprom& image, const cmcEeprom& templateImage, int modelType,
                     const RadioIdentity& radio, bool makerMode) {
    if (!NeedsChannelCorrection(image, radio, makerMode)) {
        return false;
    }
    const auto onGrid = [](int64_t hz) { return hz % 5000 == 0 || hz % 6250 == 0; };
    const uint8_t kind = ChannelKindOf(modelType);
    bool replaced = false;
    datCh rec(&image);
    for (int ch = 0; ch < ChLayout::ChannelCount; ++ch) {
        rec.Decode(kind, ch);
        const int64_t rx = int64_t{rec.Get(datField::RxSteps)} * 625;
        const int64_t tx = int64_t{rec.Get(datField::TxSteps)} * 625;
        if (!rec.Used() || (onGrid(rx) && onGrid(tx))) {
            continue;
        }
        datCh blank = ResetToTemplate(image, templateImage, kind, ch);
        blank.SetUsed(false);
        blank.Encode();
        replaced = true;
    }
    return replaced;
}
