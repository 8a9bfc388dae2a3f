// Clone-information items, check items and the generic items.

#include <cstdio>
#include <string>

#include "CellNames.h"
#include "ChBanks.h"
#include "ChannelMarks.h"
#include "CloneInfoBlock.h"
#include "Codec.h"
#include "ModelType.h"
#include "RadioIdentity.h"
#include "RadioText.h"
#include "cmcCellObj.h"
#include "cmcGTex.h"
#include "indActiveCell.h"
#include "indCellCall.h"
#include "indHandlerContext.h"

namespace {

uint8_t InfoByte(const RadioIdentity& radio, int offset) {
    return radio.cloneInfo[static_cast<size_t>(offset)];
}

std::string Line(indCellCall& call, const char* name, int index) {
    return call.ctx.Texts().GetText(name, index);
}

int PllIndex(uint8_t byte) {
    switch (byte & 0x39) {
        case 0:
            return 0;
        case 1:
            return 1;
        case 16:
            return 2;
        case 17:
            return 3;
        case 24:
            return 4;
        case 25:
            return 5;
        default:
            return 6;
    }
}

void CloneInfoItem(indCellCall& call) {
    using namespace CloneInfoBlock;
    // Before a radio has answered there is nothing to show: all-zero bytes
    // would read as an Lmr radio without keypad.
    if (call.ctx.Radio() == nullptr) {
        Codec::Show(call.c, "");
        return;
    }
    const RadioIdentity& radio = *call.ctx.Radio();
    std::string text;
    switch (call.item) {
        case CL_CloneInfo_Model: {
            const uint8_t b = InfoByte(radio, ModelBits);
            text = Line(call, "GI_AppInd_Model", (b & 1) + ((b >> 1) & 1));
            break;
        }
        case CL_CloneInfo_Revision: {
            const uint8_t b = InfoByte(radio, Revision);
            text = std::to_string(b >> 4) + "." + std::to_string(b & 0x0F);
            break;
        }
        case CL_CloneInfo_KeyBoard:
            text = Line(call, "GI_AppInd_KeyBoard",
                        (InfoByte(radio, ModelBits) & KeyboardBit) != 0 ? 1 : 0);
            break;
        case CL_CloneInfo_Comment1:
        case CL_CloneInfo_Comment2: {
            const int at = call.item == CL_CloneInfo_Comment1 ? Comment1 : Comment2;
            text = RadioText::Show(radio.cloneInfo.data() + at, CommentLength);
            break;
        }
        case CL_CloneInfo_PllRef:
            text = Line(call, "GI_AppInd_PLLReference", PllIndex(InfoByte(radio, PllReference)));
            break;
        case CL_CloneInfo_Option: {
            const uint8_t opt = InfoByte(radio, Options);
            const uint8_t unit = InfoByte(radio, UnitFlags);
            auto add = [&](const char* name) { text += call.ctx.Texts().GetText(name) + "\n"; };
            if ((opt & 0x02) != 0) {
                add("GI_Mess_CloneInfo_Opt_Mq31");
            }
            if ((opt & 0x04) != 0) {
                add("GI_Mess_CloneInfo_Opt_Mq32");
            }
            if ((unit & 0x07) == 0x02) {
                add((opt & 0x08) != 0 ? "GI_Mess_CloneInfo_Opt_Mq33"
                                      : "GI_Mess_CloneInfo_Opt_Mq34");
            }
            if (((opt >> 4) & 3) == 2) {
                add("GI_Mess_CloneInfo_Opt_Mq35");
            } else if (((opt >> 4) & 3) == 3) {
                add("GI_Mess_CloneInfo_Opt_Mq36");
            }
            break;
        }
        case CL_CloneInfo_OverVolt:
            if ((InfoByte(radio, Options) & OverVoltageBit) != 0) {
                text = call.ctx.Texts().GetText("GI_Mess_CloneInfo_OverVolt");
            }
            break;
        default:
            break;
    }
    Codec::Show(call.c, text);
}

void FixedTextItem(indCellCall& call) {
    Codec::Show(call.c, call.cell.Text());
}

// A list entry that marks the values that would warn on the channel the list is for.
void MarkItem(indCellCall& call) {
    FixedTextItem(call);
    const indCellCapsule* sub = call.c.SubCell;
    if (sub == nullptr || sub->Cell == nullptr || sub->Cell->category != CT_Mch) {
        return;
    }
    datCh ch(&call.image);
    ch.Decode(ChannelKindOf(call.model), sub->Cell->index);
    const bool isBiis = call.model == ModelBiisPmr && ch.Get(datField::Biis) != 0;
    call.c.Flags |= ChannelMarks::ChannelMarkFlags(sub->Cell->item, call.row, isBiis, call.model);
}

void MarkIf(indCellCall& call, bool error, bool warning) {
    if (error) {
        call.c.Flags |= CapsuleFlags::Error;
    }
    if (warning) {
        call.c.Flags |= CapsuleFlags::Warning;
    }
}

void CheckChannelsItem(indCellCall& call) {
    FixedTextItem(call);
    if (call.model != ModelBiisPmr) {
        return;
    }
    bool error = false, warning = false;
    datCh ch(&call.image);
    const int first = BankFirst(call.image, call.c.Bank);
    const int last = BankLast(call.image, call.c.Bank);
    for (int row = first; row <= last; ++row) {
        ch.Decode(KindMchBiisPmr, row);
        const bool isBiis = ch.Get(datField::Biis) != 0;
        const struct {
            int item;
            datField field;
        } checks[] = {{CL_Mch_Moni, datField::Monitor},
                      {CL_Mch_Sel, datField::SelectiveCall},
                      {CL_Mch_Call, datField::Call},
                      {CL_Mch_PTT, datField::Ptt},
                      {CL_Mch_CH_Mute, datField::ChannelMute}};
        for (const auto& check : checks) {
            const uint8_t f =
                ChannelMarks::ChannelMarkFlags(check.item, ch.Get(check.field), isBiis, call.model);
            warning = warning || (f & CapsuleFlags::Warning) != 0;
            error = error || (f & CapsuleFlags::Error) != 0;
        }
    }
    MarkIf(call, error, warning);
}

void CheckUserTonesItem(indCellCall& call) {
    FixedTextItem(call);
    if (call.model == ModelLmr) {
        return;
    }
    bool warning = false;
    for (int row = 0; row < 15 && !warning; ++row) {
        warning = call.handler.CellIsWarning(CT_UserTone, CL_UTone_Dec_Low, row) != 0 ||
                  call.handler.CellIsWarning(CT_UserTone, CL_UTone_Dec_High, row) != 0;
    }
    MarkIf(call, false, warning);
}

void CheckMskItem(indCellCall& call) {
    FixedTextItem(call);
    if (call.model != ModelBiisPmr) {
        return;
    }
    indActiveCell& h = call.handler;
    bool error = false;
    switch (call.item) {
        case CL_Check_Msk_IdRange:
            error = h.CellIsError(CT_MSK_AdrRange, CL_Msk_AdrRange_Killer, 0) != 0;
            break;
        case CL_Check_Msk_OwnIdGroup:
            for (int g = 0; g < 8 && !error; ++g) {
                error = h.CellIsError(CT_MSK_IdGroup, CL_Msk_IdGroup_Adr, g) != 0;
            }
            break;
        default:
            error = h.CellIsError(CT_MSK_Cfg, CL_Msk_Cfg_Status_FixBaseId, 0) != 0 ||
                    h.CellIsError(CT_MSK_Cfg, CL_Msk_Cfg_Gps_FixBaseId, 0) != 0;
            break;
    }
    MarkIf(call, error, false);
}

}  // namespace

void RegisterInfoItems(indItemFn* table) {
    for (int item = CL_CloneInfo_Model; item <= CL_CloneInfo_OverVolt; ++item) {
        table[item] = &CloneInfoItem;
    }
    table[CL_Null] = &FixedTextItem;
    table[Flex0] = &FixedTextItem;
    table[Flex1] = &FixedTextItem;
    table[FlexDtcs] = &FixedTextItem;
    table[FlexKeyOpt] = &FixedTextItem;
    table[FlexMark] = &MarkItem;
    table[CL_Check_Mch] = &CheckChannelsItem;
    table[CL_Check_User_Tone_Encode] = &CheckUserTonesItem;
    table[CL_Check_Msk_IdRange] = &CheckMskItem;
    table[CL_Check_Msk_OwnIdGroup] = &CheckMskItem;
    table[CL_Check_Msk_Config] = &CheckMskItem;
}
