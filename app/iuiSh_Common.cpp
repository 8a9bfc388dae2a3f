#include "iuiSh_Common.h"

#include "CellSyntax.h"
#include "cmcEeprom.h"

namespace {

// Bit 3 of this byte: the set-mode access option.
constexpr int kSetModeAccessAddress = 0x0B;
constexpr uint8_t kSetModeAccessBit = 0x08;

}  // namespace

std::optional<bool> iuiSh_Common::Condition(std::string_view group) const {
    const int model = Env().modelType;
    if (group.starts_with("Only_Pmr")) {
        return model == ModelPmr || model == ModelBiisPmr;
    }
    if (group.starts_with("Only_Lmr")) {
        return model == ModelLmr;
    }
    if (group.starts_with("Only_BIIS")) {
        return model == ModelBiisPmr;
    }
    if (group.starts_with("Only_notBIIS")) {
        return model != ModelBiisPmr;
    }
    if (group.starts_with("Only_SACC")) {
        const cmcEeprom* image = Env().image;
        return image != nullptr && image->IsValidAddress(kSetModeAccessAddress) &&
               (image->GetByte(kSetModeAccessAddress) & kSetModeAccessBit) != 0;
    }
    return std::nullopt;
}

// A condition that does not hold skips the next N lines, directive lines
// included; one that holds, or has no count, goes to the general handling.
bool iuiSh_Common::DirectiveKey(std::string_view group, cmcSheetRowReader& reader) {
    const std::optional<bool> holds = Condition(group);
    if (!holds.has_value() || *holds) {
        return false;
    }
    const size_t blank = group.find(' ');
    if (blank == std::string_view::npos) {
        return false;
    }
    const int count = ParseDecimal(group.substr(blank + 1));
    if (count <= 0) {
        return false;
    }
    reader.SkipLines(count);
    return true;
}
