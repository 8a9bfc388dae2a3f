// Menu entries and tool buttons: Enter carries out the command, every query
// sets the checked, hidden and disabled bits and, where needed, the caption.

#include <string>

#include "CellNames.h"
#include "DataDirectory.h"
#include "EventIds.h"
#include "cmcCellObj.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "indCellCall.h"
#include "indHandlerContext.h"

namespace {

constexpr uint8_t Checked = kStateFlag0;
constexpr uint8_t Hidden = kStateFlag1;
constexpr uint8_t Disabled = kStateFlag2;
constexpr uint8_t Caption = kStateFlag3;

// One menu command: what Enter does, when the entry is checked, and (for
// entries with more state) what sets the disabled and hidden bits and the caption.
struct MenuCommand {
    int item;
    void (*run)(indCommands& cmd, int row);
    bool (*checked)(indCommands& cmd, indHandlerContext& ctx, int row);
    void (*state)(indCellCall& call, indCommands& cmd) = nullptr;
};

bool Never(indCommands&, indHandlerContext&, int) {
    return false;
}

// An entry of a list that follows its content (recent files, serial devices):
// the caption when there is one; else disabled, and hidden unless it is the
// list's first entry (which stays with its own text).
void ListEntry(indCellCall& call, const std::string& caption, bool first) {
    call.SetMenuBit(Disabled, caption.empty());
    call.SetMenuBit(Hidden, caption.empty() && !first);
    if (!caption.empty()) {
        call.c.DisplayText = caption;
        call.SetMenuBit(Caption, true);
    }
}

void RecentFileState(indCellCall& call, indCommands& c) {
    const std::string file = c.RecentFileName(call.row);
    ListEntry(call, file.empty() ? file : "&" + std::to_string(call.row + 1) + " " + file,
              call.row == 0);
}

// Index 0 is the other-port dialog; the device entries follow it.
void SerialDeviceState(indCellCall& call, indCommands& c) {
    if (call.row > 0) {
        ListEntry(call, c.SerialDeviceCaption(call.row - 1), call.row == 1);
    }
}

// Undo and Redo name the step they would take, and are disabled without one.
void UndoRedoState(indCellCall& call, indCommands& c) {
    const bool redo = call.item == CL_Menu_Edit_Redo;
    const std::string step = c.UndoStepName(redo);
    call.SetMenuBit(Disabled, step.empty());
    call.c.DisplayText = std::string(redo ? "&Redo" : "&Undo") + (step.empty() ? "" : " " + step);
    call.SetMenuBit(Caption, true);
}

constexpr MenuCommand kMenuCommands[] = {
    {CL_Menu_File_New, [](indCommands& c, int) { c.FileNew(); }, Never},
    {CL_Menu_File_Open, [](indCommands& c, int) { c.FileOpen(); }, Never},
    {CL_Menu_File_Save, [](indCommands& c, int) { c.FileSave(); }, Never},
    {CL_Menu_File_SaveAs, [](indCommands& c, int) { c.FileSaveAs(); }, Never},
    // The index chooses the output: 0 a printer, 1 the preview, 2 a PDF file.
    {CL_Menu_File_Print_Current, [](indCommands& c, int row) { c.Print(false, row); }, Never,
     [](indCellCall& call, indCommands& c) { call.SetMenuBit(Disabled, !c.CanPrintCurrent()); }},
    {CL_Menu_File_Print_All, [](indCommands& c, int row) { c.Print(true, row); }, Never,
     [](indCellCall& call, indCommands& c) { call.SetMenuBit(Disabled, !c.CanPrintAll()); }},
    {CL_Menu_File_Recent, [](indCommands& c, int row) { c.OpenRecent(row); }, Never,
     RecentFileState},
    {CL_Menu_File_Exit, [](indCommands& c, int) { c.Exit(); }, Never},
    {CL_Menu_Edit_Undo, [](indCommands& c, int) { c.EditUndo(); }, Never, UndoRedoState},
    {CL_Menu_Edit_Redo, [](indCommands& c, int) { c.EditRedo(); }, Never, UndoRedoState},
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
     },
     SerialDeviceState},
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
    if (m.state != nullptr) {
        m.state(call, commands);
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
        call.ctx.Commands().HelpContents(DataDirectory::DataDirectory() +
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
