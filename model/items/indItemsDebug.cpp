// The maker-mode Debug menu and the EEPROM window's cells. The menu entries
// (and the menu's own entry) are hidden outside maker mode; Enter raises the
// event that opens a maintenance window or takes the compare base. The
// EEPROM window's cells show the image in hexadecimal: one row of 16 bytes
// per index, the address first.

#include <cstdio>

#include "CellNames.h"
#include "EventIds.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "indCellCall.h"
#include "indHandlerContext.h"

namespace {

constexpr uint8_t Hidden = kStateFlag1;
constexpr int BytesPerRow = 16;

struct DebugCommand {
    int item;
    uint8_t event;
};

constexpr DebugCommand kDebugCommands[] = {
    {CL_Menu_Debug_Window, EventIds::OpenDebugWindow},
    {CL_Menu_Debug_EeWindow, EventIds::OpenEepromWindow},
    {CL_Menu_Debug_Compare, EventIds::OpenCompareWindow},
    {CL_Menu_Debug_CorrectComp, EventIds::CopyToCompareBase},
};

void DebugMenuItem(indCellCall& call) {
    const bool maker = call.ctx.MakerMode();
    call.SetMenuBit(Hidden, !maker);
    if (!maker || !call.Editable() || call.c.Key != Keys::Enter) {
        return;
    }
    for (const DebugCommand& d : kDebugCommands) {
        if (d.item == call.item) {
            EvMan().Post(d.event, nullptr, 0);
        }
    }
}

void EepromCellItem(indCellCall& call) {
    char text[8] = "";
    const int address = call.row * BytesPerRow;
    if (call.item == CL_EeDebugWin_Adr) {
        std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(address));
    } else {
        const int at = address + (call.item - CL_EeDebugWin_0);
        if (call.image.IsValidAddress(at)) {
            std::snprintf(text, sizeof text, "%02X", call.image.GetByte(at));
        }
    }
    call.c.DisplayText = text;
}

}  // namespace

void RegisterDebugItems(indItemFn* table) {
    for (const DebugCommand& d : kDebugCommands) {
        table[d.item] = &DebugMenuItem;
    }
    for (int item = CL_EeDebugWin_Adr; item <= CL_EeDebugWin_F; ++item) {
        table[item] = &EepromCellItem;
    }
}
