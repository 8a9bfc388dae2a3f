#include "indSheetSession.h"

#include "clsSheetRef.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"

indSheetSession::indSheetSession() : context_(document_, *this, GTex()) {
    document_.Start();
}

indSheetSession::~indSheetSession() = default;

int indSheetSession::Open(const std::string& path) {
    return document_.OpenFile(path);
}

bool indSheetSession::ShowSheet(const std::string& reference) {
    const clsSheetRef ref = ParseSheetRef(reference);
    if (!GTex().HasSection(ref.name + "_Cells")) {
        return false;
    }
    cells_.reset();
    sheet_.reset();  // the old sheet goes before the new one registers its listener
    sheet_ = context_.MakeSheet(reference);
    cells_ = std::make_unique<indCellSession>(*sheet_, context_);
    Pump();
    return true;
}

std::string indSheetSession::CellText(int row, int col, uint8_t& flags) {
    indCellCapsule capsule;
    sheet_->PrepareCapsule(capsule, row, col);
    capsule.Editable = 0;
    Handler().HandleCell(capsule);
    flags = capsule.Flags;
    return capsule.DisplayText;
}

void indSheetSession::Pump() {
    PumpPostedEvents();
}
