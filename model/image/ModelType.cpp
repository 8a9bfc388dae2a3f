#include "ModelType.h"

#include "cmcEeprom.h"

int ModelTypeOfImage(const cmcEeprom& image) {
    if (image.Size() > 203 && (image.GetByte(203) & 0x04) != 0) {
        return ModelBiisPmr;
    }
    if (image.Size() > 161 && (image.GetByte(161) & 0x10) != 0) {
        return ModelPmr;
    }
    return ModelLmr;
}

uint8_t ChannelKindOf(int modelType) {
    return static_cast<uint8_t>(modelType == ModelPmr || modelType == ModelBiisPmr ? modelType + 1
                                                                                   : 1);
}
