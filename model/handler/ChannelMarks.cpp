#include "ChannelMarks.h"

#include "CellNames.h"
#include "ModelType.h"
#include "indCellCapsule.h"

namespace ChannelMarks {

uint8_t ChannelMarkFlags(int item, int32_t value, bool isBiis, int modelType) {
    if (modelType != ModelBiisPmr || !isBiis) {
        return 0;
    }
    switch (item) {
        case CL_Mch_Moni:
            return value == 6 || value == 7 ? 0 : CapsuleFlags::Warning;
        case CL_Mch_Sel:
            return value != 1 ? CapsuleFlags::Error : 0;
        case CL_Mch_Call:
        case CL_Mch_PTT:
            return value != 0 ? CapsuleFlags::Error : 0;
        case CL_Mch_CH_Mute:
            return value == 0 ? CapsuleFlags::Error : 0;
        default:
            return 0;
    }
}

}  // namespace ChannelMarks
