// Menu entries and tool buttons: Enter carries out the command, every query
// sets the checked, hidden and disabled bits and, where needed, the caption.

#include <cstdio>
#include <string>

#include "CellNames.h"
#include "EventIds.h"
#include "cmcCellObj.h"
#include "cmcDataDirectory.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcInternalError.h"
#include "indCellCall.h"
#include "indHandlerContext.h"

namespace {

constexpr uint8_t Checked = kStateFlag0;
constexpr uint8_t Hidden = kStateFlag1;
constexpr uint8_t Disabled = kStateFlag2;
constexpr uint8_t Caption = kStateFlag3;

// One menu command: what Enter does, and when the entry is checked.
struct MenuCommand {
    int item;
    void (*run)(indCommands& cmd, int row);
    bool (*checked)(indCommands& cmd, indHandlerContext& ctx, int row);
};

bool Never(indCommands&, indHandlerContext&, int) {
    return false;
}

constexpr MenuCommand kMenuCommands[] = {
    {CL_Menu_File_New, [](indCommands& c, int) { c.FileNew(); }, Never},
    {CL_Menu_File_Open, [](indCommands& c, int) { c.FileOpen(); }, Never},
    {CL_Menu_File_Save, [](indCommands& c, int) { c.FileSave(); }, Never},
    {CL_Menu_File_SaveAs, [](indCommands& c, int) { c.FileSaveAs(); }, Never},
    // The index chooses the output: 0 a printer, 1 the preview, 2 a PDF file.
    {CL_Menu_File_Print_Current, [](indCommands& c, int row) { c.Print(false, row); }, Never},
    {CL_Menu_File_Print_All, [](indCommands& c, int row) { c.Print(true, row); }, Never},
    {CL_Menu_File_Recent, [](indCommands& c, int row) { c.OpenRecent(row); }, Never},
    {CL_Menu_File_Exit, [](indCommands& c, int) { c.Exit(); }, Never},
    {CL_Menu_Edit_Undo, [](indCommands& c, int) { c.EditUndo(); }, Never},
    {CL_Menu_Edit_Redo, [](indCommands& c, int) { c.EditRedo(); }, Never},
    {CL_Menu_File_ImportCsv, [](indCommands& c, int) { c.ImportChannels(); }, Never},
    {CL_Menu_File_ExportCsv, [](indCommands& c, int) { c.ExportChannels(); }, Never},
    {CL_Menu_File_Compare, [](indCommands& c, int) { c.CompareWithFile(); }, Never},
    {CL_Menu_Clone_Verify, [](indCommands& c, int) { c.ToggleWriteOption(0); },
     [](indCommands& c, indHandlerContext&, int) { return c.WriteOption(0); }},
    {CL_Menu_Clone_Backup, [](indCommands& c, int) { c.ToggleWriteOption(1); },
     [](indCommands& c, indHandlerContext&, int) { return c.WriteOption(1); }},
    {CL_Menu_View_FontSize, [](indCommands& c, int row) { c.SetFontSize(row); },
     [](indCommands& c, indHandlerContext&, int row) { return c.FontSize() == row; }},
    // Index 0 the tool bar, 1 the serial trace window.
    {CL_Menu_View_ToolBar,
     [](indCommands& c, int row) { row == 0 ? c.ToggleToolBar() : c.ToggleSerialTrace(); },
     [](indCommands& c, indHandlerContext&, int row) {
         return row == 0 ? c.ToolBarVisible() : c.SerialTraceShown();
     }},
    {CL_Menu_Port_Com,
     [](indCommands& c, int row) {
         c.SetComPort(row);
         EvMan().Post(EventIds::SettingChanged, nullptr, 0);
     },
     [](indCommands& c, indHandlerContext&, int row) {
         return c.PortNumbered() && c.ComPort() == row;
     }},
    // Index 0 the other-port dialog, 1 and up the serial devices present.
    {CL_Menu_Port_Usb,
     [](indCommands& c, int row) {
         if (row == 0) {
             c.PortDialog();
             return;
         }
         c.ChooseSerialDevice(row - 1);
         EvMan().Post(EventIds::SettingChanged, nullptr, 0);
     },
     [](indCommands& c, indHandlerContext&, int row) {
         return row == 0 ? c.PortNumbered() && c.ComPort() > 4 : c.SerialDeviceChosen(row - 1);
     }},
    {CL_Menu_Port_SpeedHigh, [](indCommands& c, int row) { c.SetSpeedHigh(row); },
     [](indCommands& c, indHandlerContext&, int row) { return c.SpeedHigh() == row; }},
    {CL_Menu_Clone_Read, [](indCommands& c, int) { c.CloneRead(); }, Never},
    {CL_Menu_Clone_Write, [](indCommands& c, int) { c.CloneWrite(); }, Never},
    {CL_Menu_Clone_Info, [](indCommands& c, int) { c.CloneInfo(); }, Never},
    {CL_Menu_Clone_Fleet, [](indCommands& c, int) { c.FleetWrite(); }, Never},
    {CL_Model_Lmr, [](indCommands& c, int) { c.ChangeModel(0); },
     [](indCommands&, indHandlerContext& x, int) { return x.ModelType() == 0; }},
    {CL_Model_Pmr, [](indCommands& c, int) { c.ChangeModel(1); },
     [](indCommands&, indHandlerContext& x, int) { return x.ModelType() == 1; }},
    {CL_Model_BiisPmr, [](indCommands& c, int) { c.ChangeModel(2); },
     [](indCommands&, indHandlerContext& x, int) { return x.ModelType() == 2; }},
    {CL_Help_About, [](indCommands&, int) { EvMan().Post(EventIds::ShowAbout, nullptr, 0); },
     Never},
};

const MenuCommand* FindCommand(int item) {
    for (const MenuCommand& m : kMenuCommands) {
        if (m.item == item) {
            return &m;
        }
    }
    return nullptr;
}

bool Enter(const indCellCall& call) {
    return call.Editable() && call.c.Key == Keys::Enter;
}

void CommandItem(indCellCall& call) {
    const MenuCommand& m = *FindCommand(call.item);
    indCommands& commands = call.ctx.Commands();
    if (Enter(call)) {
        m.run(commands, call.row);
    }
    call.SetMenuBit(Checked, m.checked(commands, call.ctx, call.row));
    if (call.item == CL_Menu_File_Print_Current) {
        call.SetMenuBit(Disabled, !commands.CanPrintCurrent());
    }
    if (call.item == CL_Menu_File_Print_All) {
        call.SetMenuBit(Disabled, !commands.CanPrintAll());
    }
    if (call.item == CL_Menu_Edit_Undo || call.item == CL_Menu_Edit_Redo) {
        const bool redo = call.item == CL_Menu_Edit_Redo;
        const std::string step = commands.UndoStepName(redo);
        call.SetMenuBit(Disabled, step.empty());
        call.c.DisplayText =
            std::string(redo ? "&Redo" : "&Undo") + (step.empty() ? "" : " " + step);
        call.SetMenuBit(Caption, true);
    }
    if (call.item == CL_Menu_Port_Usb && call.row > 0) {
        // The first device entry stays, disabled with its own text, when none is present.
        const std::string caption = commands.SerialDeviceCaption(call.row - 1);
        call.SetMenuBit(Disabled, caption.empty());
        call.SetMenuBit(Hidden, caption.empty() && call.row != 1);
        if (!caption.empty()) {
            call.c.DisplayText = caption;
            call.SetMenuBit(Caption, true);
        }
    }
    if (call.item == CL_Menu_File_Recent) {
        const std::string file = commands.RecentFileName(call.row);
        call.SetMenuBit(Disabled, file.empty());
        call.SetMenuBit(Hidden, file.empty() && call.row != 0);
        if (!file.empty()) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "&%d ", call.row + 1);
            call.c.DisplayText = buf + file;
            call.SetMenuBit(Caption, true);
        }
    }
}

// The Edit menu shows the pop-up menu of the current sheet cell.
void EditTopItem(indCellCall& call) {
    std::string body = "GI_PMenu_NoItem";
    if (call.c.SubCell != nullptr && call.c.SubCell->Cell != nullptr) {
        if (const std::string* name = call.c.SubCell->Cell->PopupMenuName()) {
            body = *name;
        }
    }
    EvMan().SendText(EventIds::MenuFill, call.c.Owner, CL_Menu_Edit_Top, body);
}

void HelpContentsItem(indCellCall& call) {
    if (Enter(call)) {
        call.ctx.Commands().HelpContents(DataDirectory() +
                                         call.ctx.Texts().GetText("GI_Sys_MyHelpFile"));
    }
}

// Opens the sheet its reference names (the param, or else the cell's text);
// on a sheet it shows its text.
void CallSheetItem(indCellCall& call) {
    call.c.DisplayText = call.cell.Text();
    if (Enter(call)) {
        call.ctx.Commands().OpenSheet(call.cell.param ? *call.cell.param : call.cell.Text());
    }
}

}  // namespace

void RegisterMenuItems(indItemFn* table) {
    for (const MenuCommand& m : kMenuCommands) {
        table[m.item] = &CommandItem;
    }
    table[CL_Menu_Edit_Top] = &EditTopItem;
    table[CL_Help_Contents] = &HelpContentsItem;
    table[CallSheet] = &CallSheetItem;
}
