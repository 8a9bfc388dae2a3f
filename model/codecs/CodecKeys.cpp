#include "CodecKeys.h"

#include "CellNames.h"
#include "Codec.h"
#include "ModelType.h"
#include "cmcFCache.h"

namespace CodecKeys {

namespace {

constexpr int32_t FirstOptionCode = 0x30;
constexpr int32_t LastOptionCode = 0x3B;
const std::string HighLowList = "GI_Sheet_Sel_KDisp_KeyOpt_HL";

}  // namespace

bool KeyFunctionOption(int32_t code, KeyOption& option) {
    if (code < FirstOptionCode || code > LastOptionCode) {
        return false;
    }
    // 0x30/0x33, 0x31/0x34, 0x32/0x35 use bits 5, 6, 7 of the first byte;
    // 0x36/0x39, 0x37/0x3A, 0x38/0x3B the same bits of the second.
    const int k = code - FirstOptionCode;
    option.byteIndex = k / 6;
    option.bit = 5 + k % 3;
    return true;
}

const char* KeyFunctionList(int modelType) {
    switch (modelType) {
        case ModelPmr:
            return "GI_Sheet_Sel_Keys_Conv_Pmr";
        case ModelBiisPmr:
            return "GI_Sheet_Sel_Keys_Conv_BiisPmr";
        default:
            return "GI_Sheet_Sel_Keys_Conv_Lmr";
    }
}

int SelectKeyFunction(indCellCapsule& c, cmcFCache& lists, int modelType, int32_t& code,
                      uint8_t (&options)[2], indPending& pending) {
    const std::string list = KeyFunctionList(modelType);
    const int32_t oldCode = code;
    const uint8_t old[2] = {options[0], options[1]};
    KeyOption opt;
    int32_t row = 0;
    if (Codec::PopupAnswer(c, FlexKeyOpt, row)) {
        // The answer of the high/low pop-up: the option of the current function.
        if (KeyFunctionOption(code, opt)) {
            const auto mask = static_cast<uint8_t>(1u << opt.bit);
            uint8_t& b = options[opt.byteIndex];
            b = static_cast<uint8_t>(row != 0 ? (b | mask) : (b & ~mask));
        }
    } else {
        const bool fromPopup = Codec::PopupAnswer(c, Flex0, row);
        Codec::SelectChoice(c, lists, list, Flex0, code, pending);
        if (fromPopup && KeyFunctionOption(code, opt)) {
            c.Popup = indPopupRequest{};
            c.Popup.kind = indPopupRequest::Kind::ChoiceList;
            c.Popup.list = HighLowList;
            c.Popup.entryKind = FlexKeyOpt;
            c.Popup.value = (options[opt.byteIndex] >> opt.bit) & 1;
            pending = indPending::Popup;
        }
    }
    std::string text = lists.GetChoiceText(list, Flex0, code);
    if (KeyFunctionOption(code, opt)) {
        text += ((options[opt.byteIndex] >> opt.bit) & 1) != 0 ? " /H" : " /L";
    }
    Codec::Show(c, text);
    return code != oldCode || options[0] != old[0] || options[1] != old[1] ? 1 : 0;
}

}  // namespace CodecKeys
