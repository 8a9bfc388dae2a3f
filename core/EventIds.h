#pragma once
// The event numbers of the program-wide bus (cmcEvMan), one name per number.
// Each entry says how the event travels and what its object, value and payload
// carry; the senders and listeners give it its meaning. A new event takes an
// unused number here.

#include <cstdint>

namespace EventIds {

// Send, value = the sheet's grid: a sheet window is going away; drop references to it.
constexpr uint8_t SheetClosing = 1;
// Send or post: a setting changed (for example the port); menus and tool bar refresh.
constexpr uint8_t SettingChanged = 2;
// Post: show the About box.
constexpr uint8_t ShowAbout = 3;
// Send or post, object = text colour, value = background colour, text: the status-bar text.
constexpr uint8_t StatusText = 4;
// Post (the Debug menu, maker mode only): open the free debug window, the EEPROM window, the
// compare window.
constexpr uint8_t OpenDebugWindow = 5;
constexpr uint8_t OpenEepromWindow = 6;
constexpr uint8_t OpenCompareWindow = 7;
// Post: copy the working image into the compare base.
constexpr uint8_t CopyToCompareBase = 8;
// Send or post: refresh the checked, hidden, enabled state, caption and image of every menu item.
constexpr uint8_t MenuStates = 9;
// Send, value = cell item: empty the submenu of the menu item with that cell item.
constexpr uint8_t MenuClear = 10;
// Send or post, object = owner, value = cell item, text = section base name: rebuild that
// menu item's submenu from the body section of the base name.
constexpr uint8_t MenuFill = 11;
// Query, object = a pop-up menu: the sheet owning it answers with its current cell (value1 =
// row, value2 = column; data = category, item and index, three 32-bit integers).
constexpr uint8_t PopupCellQuery = 12;
// Post: repaint every cell bound to an item.
constexpr uint8_t RepaintAll = 13;
// Value = category: repaint the cells of that category (no sender in this program).
constexpr uint8_t RepaintCategory = 14;
// Value = cell item: repaint the cells of that item (no sender in this program).
constexpr uint8_t RepaintItem = 15;
// Post, value = row (index): one channel row changed; repaint the cells with that index.
constexpr uint8_t RowChanged = 16;
// Value = index: repaint the cells with a greater index (no sender in this program).
constexpr uint8_t RepaintAbove = 17;
// Send or post, value = index: repaint the cells with a smaller index.
constexpr uint8_t RepaintBelow = 18;
// Post with data: category, item and index (three 32-bit integers): a sheet's cursor is moving
// to that cell.
constexpr uint8_t CursorMoving = 19;
// Send or post: refresh the state of every tool-bar button.
constexpr uint8_t ToolBarStates = 20;
// Send: finish any in-place edit (an open editor commits as if Enter had been pressed).
constexpr uint8_t CommitEdits = 21;
// Send or post, text = one line: the free debug window appends the line.
constexpr uint8_t DebugText = 22;
// Send or post: refresh every cell of the EEPROM window; also sent after a warning check.
constexpr uint8_t WarningCheckDone = 23;
// Send or post, value = image address: the EEPROM window shows that byte's cell.
constexpr uint8_t EepromGoTo = 24;
// Send or post: the image was replaced; the tree and the sheets adapt to the model.
constexpr uint8_t ImageReplaced = 25;
// Send or post, object = bank, value = row: insert (26) or delete (27) a channel in the
// working image.
constexpr uint8_t InsertChannel = 26;
constexpr uint8_t DeleteChannel = 27;
// Query: the open channel-bank sheet answers with its bank and the bank's first channel.
constexpr uint8_t ChannelQuery = 28;
// Send or post, value = row: the bank sheet refreshes (29), a channel was inserted (30) or
// deleted (31) in the shown bank.
constexpr uint8_t BankSheetRefresh = 29;
constexpr uint8_t ChannelInserted = 30;
constexpr uint8_t ChannelDeleted = 31;
// Send or post: refresh the bank icons (tree marks) of the tree.
constexpr uint8_t TreeMarks = 32;

}  // namespace EventIds
