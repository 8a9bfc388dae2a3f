#include "Codec.h"
#include "cmcCellObj.h"
#include "cmcGTex.h"

namespace Codec {

bool IsCharKey(int32_t key) {
    return key >= 33 && key <= 126;
}
bool IsDigitKey(int32_t key) {
    return key >= '0' && key <= '9';
}
bool IsHexKey(int32_t key) {
    return IsDigitKey(key) || (key >= 'a' && key <= 'f') || (key >= 'A' && key <= 'F');
}

void Show(indCellCapsule& c, std::string text) {
    c.DisplayText = std::move(text);
    c.CaretPos = 0;
    c.SelLength = static_cast<int32_t>(c.DisplayText.size());
}

void StartEditing(indCellCapsule& c, indPending& pending, const std::string& text) {
    pending = indPending::Editor;
    if (IsCharKey(c.Key)) {
        c.DisplayText = std::string(1, static_cast<char>(c.Key));
        c.CaretPos = 1;
        c.SelLength = 0;
    } else {
        Show(c, text);
    }
}

void StartEditingAfterDot(indCellCapsule& c, indPending& pending, const std::string& text) {
    pending = indPending::Editor;
    c.DisplayText = text;
    const auto dot = text.find('.');
    c.CaretPos = static_cast<int32_t>(dot == std::string::npos ? text.size() : dot + 1);
    c.SelLength = 0;
}

bool PopupAnswer(const indCellCapsule& c, int entryKind, int32_t& row) {
    if (c.EditResult != indEditResult::PopupChoice || c.SubCell == nullptr ||
        c.SubCell->Cell == nullptr || c.SubCell->Cell->item != entryKind) {
        return false;
    }
    row = c.SubCell->Cell->index;
    return true;
}

int ConfirmBox(cmcGTex& texts, const std::string& name) {
    const cmcMbResult r =
        CurrentMessageBoxHost().Show(texts.GetText("GI_Sys_AppTitle"), texts.GetLines(name),
                                     cmcMbButtons::OkCancel, cmcMbIcon::Warning);
    return r == cmcMbResult::Ok ? 1 : 0;
}

}  // namespace Codec
