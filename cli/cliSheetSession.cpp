#include "cliSheetSession.h"

#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cuiSheetRef.h"

cliSheetSession::cliSheetSession() : context_(document_, *this, GTex()) {
    document_.Start();
}

cliSheetSession::~cliSheetSession() = default;

int cliSheetSession::Open(const std::string& path) {
    return document_.OpenFile(path);
}

bool cliSheetSession::ShowSheet(const std::string& reference) {
    const clsSheetRef ref = ParseSheetRef(reference);
    if (!GTex().HasSection(ref.name + "_Cells")) {
        return false;
    }
    sheet_.reset();  // the old sheet goes before the new one registers its listener
    sheet_ = context_.MakeSheet(reference);
    Pump();
    return true;
}

std::string cliSheetSession::CellText(int row, int col, uint8_t& flags) {
    indCellCapsule capsule;
    sheet_->PrepareCapsule(capsule, row, col);
    capsule.Editable = 0;
    Handler().HandleCell(capsule);
    flags = capsule.Flags;
    return capsule.DisplayText;
}

uint8_t cliSheetSession::Request(int row, int col, indCellCapsule& capsule, uint8_t notify) {
    sheet_->PrepareCapsule(capsule, row, col);
    capsule.Editable = 1;
    const uint8_t pending = Handler().HandleCell(capsule, notify);
    Pump();
    return pending;
}

void cliSheetSession::Pump() {
    // Each pump delivers what was posted before it; replies wait for the next one.
    for (int i = 0; i < 16 && EvMan().QueuedCount() > 0; ++i) {
        EvMan().Pump();
    }
}

std::string OneLine(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if (ch == '\n') {
            out += "\\n";
        } else {
            out.push_back(ch);
        }
    }
    return out;
}
