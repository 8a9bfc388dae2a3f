// The image bits an edit of a setting item may change: its own field and the
// fields its rules keep in step.

#include "CellNames.h"
#include "CodecKeys.h"
#include "indSettingItem.h"

namespace {

constexpr int TonePairBase = 0x0200;
constexpr int TonePairSize = 3;

void AddField(std::vector<indByteMask>& out, const indSettingItem& s, int row) {
    const int address = SettingAddress(s, row);
    const datFieldLayout& layout = s.store.layout;
    switch (s.store.kind) {
        case indStoreKind::Bits:
            for (int i = 0; i < layout.pieceCount; ++i) {
                const datPiece& p = layout.pieces[static_cast<size_t>(i)];
                const auto mask = static_cast<uint8_t>(((1u << (p.hi - p.lo + 1)) - 1u) << p.lo);
                out.push_back({address + p.offset, mask});
            }
            break;
        case indStoreKind::Area:
            for (int i = 0; i < layout.length; ++i) {
                out.push_back({address + i, 0xFF});
            }
            if (s.store.auxOffset != 0) {
                out.push_back({address + s.store.auxOffset, 0xFF});
            }
            break;
        case indStoreKind::Record:
            for (int i = 0; i < TonePairSize; ++i) {
                out.push_back({TonePairBase + TonePairSize * row + i, 0xFF});
            }
            break;
        case indStoreKind::None:
            break;
    }
}

}  // namespace

std::vector<indByteMask> SettingFootprint(const indSettingItem& s, int row) {
    std::vector<indByteMask> out;
    AddField(out, s, row);
    switch (s.rule) {
        case indRule::TwoToneWindow: {
            const size_t low = out.size();
            AddField(out, s, row);
            for (size_t i = low; i < out.size(); ++i) {
                out[i].address += 2;  // the window's high word
            }
            break;
        }
        case indRule::EncodeWindow:
            AddField(out, *FindSettingItem(CL_UTone_Dec_Low), row);
            AddField(out, *FindSettingItem(CL_UTone_Dec_High), row);
            break;
        case indRule::PllType:
            AddField(out, *FindSettingItem(CL_Maker_Pll_Reference), 0);
            break;
        default:
            break;
    }
    if (s.codec == indCodecKind::KeyFunction) {
        for (int address : CodecKeys::KeyOptionAddress) {
            out.push_back({address, 0xE0});
        }
    }
    return out;
}
