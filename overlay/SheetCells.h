#pragma once
// The grid of a sheet: its basic cell ("<sheet>_BasicCell" with a font group
// appended) and its rows ("<sheet>_Cells": row lines and directive lines
// beginning with ":" that repeat rows and mark them for multiple selection).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cmcCellObj.h"

class cmcGTex;

// How the basic cell's font height is set: the sheet's fixed height when it
// has one (non-zero), else the user's font-size percentage; when printing
// with a print ratio other than 100, that ratio on top.
struct cmcBasicCellFont {
    int fixedHeight = 0;
    int fontSizePercent = 100;
    bool printing = false;
    int printFontRatio = 100;
};

// Line 0 of the basic-cell section with the font group appended.
std::string BasicCellLine(std::string_view line, const cmcBasicCellFont& font);
void ParseBasicCell(cmcGTex& texts, const std::string& sheetName, const cmcBasicCellFont& font,
                    cmcCellObj& basic, int32_t* channelVars);

// One grid row: the body line that defines it (repeated rows share it) and
// whether it takes part in multiple selection.
struct cmcSheetRowAtr {
    int line = 0;
    bool multiSelect = true;
};

class cmcSheetRowReader;

// A sheet kind's directives: sees each directive group first and returns true
// when it has handled it; other groups get the general handling.
using cmcDirectiveKey = std::function<bool(std::string_view group, cmcSheetRowReader& reader)>;

// Turns the lines of a cells section into the list of grid rows.
class cmcSheetRowReader {
  public:
    static constexpr int kMaxLoopCount = 1024;
    static constexpr size_t kMaxRows = 4096;

    explicit cmcSheetRowReader(std::vector<std::string> lines);
    cmcSheetRowReader(cmcGTex& texts, const std::string& sheetName);

    void Read(const cmcDirectiveKey& directiveKey = nullptr);

    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<cmcSheetRowAtr>& Rows() const { return rows_; }

    // For directive handlers. A loop body starts at the line after the
    // current one; count is at least 1 and at most kMaxLoopCount.
    void StartLoop(int count);
    // Repeats the body so that it occurs count times in all.
    void EndLoop();
    void SetMultiSelect(bool on) { multiSelect_ = on; }
    bool MultiSelect() const { return multiSelect_; }
    // The next lines, directives included, are passed over.
    void SkipLines(int count) { skip_ = count; }
    int CurrentLine() const { return current_; }
    // "LoopFrom n", "LoopTo", "SelectON", "SelectOFF"; false for any other.
    bool ApplyGeneralDirective(std::string_view group);

  private:
    void AddRow(int line);

    std::vector<std::string> lines_;
    std::vector<cmcSheetRowAtr> rows_;
    std::vector<int> loopBody_;
    bool loopOpen_ = false;
    int loopCount_ = 1;
    bool multiSelect_ = true;
    int skip_ = 0;
    int current_ = -1;
};

struct cmcSheetRow {
    std::vector<cmcCellObj> cells;
    bool repeatsAbove = false;  // copied from the row above: takes its height
};

// Called before each row is filled (sheet kinds set channel variables there).
using cmcRowHook = std::function<void(size_t row)>;

// Parses the cells of every row on the basic cell (which must outlive them).
// A row defined by the same line as the row above is not parsed again: its
// cells are copies of the cells above with the index raised by 1.
std::vector<cmcSheetRow> FillSheetCells(const cmcSheetRowReader& reader, const cmcCellObj& basic,
                                        int32_t* channelVars, cmcGTex* texts = nullptr,
                                        const cmcRowHook& rowHook = nullptr);

// The number of columns: the longest row.
size_t ColumnCount(const std::vector<cmcSheetRow>& rows);
