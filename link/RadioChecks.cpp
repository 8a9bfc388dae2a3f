#include "RadioChecks.h"

#include <algorithm>

#include "ImageChecks.h"
#include "MemoryMap.h"

namespace RadioChecks {

bool TakeRadioIdentity(dst_CDrv_Result& result, RadioIdentity& identity) {
    if (result.code != CloneResult::Success || result.kind != CloneOperation::Information) {
        return false;
    }
    if (result.modelWord != MemoryMap::ModelCode ||
        result.information.Size() != RadioIdentity::CloneInfoSize) {
        result.code = CloneResult::WrongRadio;
        return false;
    }
    identity.modelHigh = static_cast<uint8_t>(result.modelWord >> 8);
    identity.modelLow = static_cast<uint8_t>(result.modelWord);
    identity.mapRevision = static_cast<uint8_t>(result.secondWord >> 8);
    identity.revisionLow = static_cast<uint8_t>(result.secondWord);
    std::copy_n(result.information.Data(), RadioIdentity::CloneInfoSize,
                identity.cloneInfo.begin());
    return true;
}

void CheckReadImage(dst_CDrv_Result& result) {
    if (result.code != CloneResult::Success || result.kind != CloneOperation::Read) {
        return;
    }
    if (!CheckImageData(result.image, true)) {
        result.code = CloneResult::BadImage;
    } else if (IsImageNewer(result.image)) {
        result.code = CloneResult::NewerImage;
    }
}

}  // namespace RadioChecks
