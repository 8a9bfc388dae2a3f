#include "HandlerFixture.h"

#include "ChBanks.h"
#include "EventIds.h"
#include "datCh.h"

HandlerFixture::HandlerFixture(const std::vector<std::string>* overlay) {
    texts.SetLines(overlay);
    working.Resize(0x4000);
    templ.Resize(0x4000);
    // Blank channels in the template: FF 00 00 receive.
    for (int ch = 0; ch < 256; ++ch) {
        templ.SetByte(0x0400 + 20 * ch, 0xFF);
    }
    events.AddListener(&OnEvent, this);
}

HandlerFixture::~HandlerFixture() {
    events.RemoveListener(&OnEvent, this);
}

void HandlerFixture::OnEvent(void* self, const cmcEvent& e) {
    auto* f = static_cast<HandlerFixture*>(self);
    const uint8_t kind = ChannelKindOf(f->model);
    if (e.kind == EventIds::InsertChannel) {
        InsertChannel(f->working, f->templ, kind, ChEvent::BankOfEvent(e), e.value);
    } else if (e.kind == EventIds::DeleteChannel) {
        DeleteChannel(f->working, f->templ, kind, ChEvent::BankOfEvent(e), e.value);
    }
}

void HandlerFixture::SetBanks(const std::vector<int>& counts) {
    int ch = 0;
    for (size_t b = 0; b < counts.size(); ++b) {
        SetBankCount(working, static_cast<int>(b), counts[b]);
        for (int i = 0; i < counts[b]; ++i, ++ch) {
            datCh rec(&working);
            rec.Decode(ChannelKindOf(model), ch);
            rec.SetUsed(true);
            rec.SetRxFreq(146000000);
            rec.SetTxFreq(146000000);
            rec.Encode();
        }
    }
    for (; ch < 256; ++ch) {
        MakeBlank(ch);
    }
}

void HandlerFixture::MakeBlank(int channel) {
    working.SetByte(0x0400 + 20 * channel, 0xFF);
    working.SetByte(0x0401 + 20 * channel, 0);
    working.SetByte(0x0402 + 20 * channel, 0);
}

void HandlerFixture::Prepare(int category, int item, int row, int bank) {
    cell = cmcCellObj{};
    cell.category = category;
    cell.item = item;
    cell.index = row;
    capsule = indCellCapsule{};
    capsule.Cell = &cell;
    capsule.Editable = 1;
    capsule.Bank = bank;
}

indPending HandlerFixture::Request(int category, int item, int row, int32_t key, int bank) {
    Prepare(category, item, row, bank);
    capsule.Key = key;
    return handler.HandleCell(capsule);
}

indPending HandlerFixture::Type(int category, int item, int row, const std::string& text,
                                int bank) {
    Prepare(category, item, row, bank);
    capsule.EditResult = indEditResult::EditorText;
    capsule.InputText = text;
    return handler.HandleCell(capsule);
}
