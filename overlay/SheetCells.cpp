#include "SheetCells.h"

#include <algorithm>
#include <cstdio>

#include "CellParser.h"
#include "CellSyntax.h"
#include "SectionLines.h"
#include "cmcGTex.h"

std::string BasicCellLine(std::string_view line, const cmcBasicCellFont& font) {
    char group[48];
    std::string result(line);
    if (font.fixedHeight != 0) {
        std::snprintf(group, sizeof group, "{(Font=,,,%d,,,)}", font.fixedHeight);
    } else {
        std::snprintf(group, sizeof group, "{(Font=,,,%%%d,,,)}", font.fontSizePercent);
    }
    result += group;
    if (font.printing && font.printFontRatio != 100) {
        std::snprintf(group, sizeof group, "{(Font=,,,%%%d,,,)}", font.printFontRatio);
        result += group;
    }
    return result;
}

void ParseBasicCell(cmcGTex& texts, const std::string& sheetName, const cmcBasicCellFont& font,
                    cmcCellObj& basic, int32_t* channelVars) {
    const std::string line = BasicCellLine(texts.GetText(sheetName + "_BasicCell", 0), font);
    ParseCell(line, basic, channelVars, nullptr, false, &texts);
}

cmcSheetRowReader::cmcSheetRowReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

cmcSheetRowReader::cmcSheetRowReader(cmcGTex& texts, const std::string& sheetName)
    : lines_(ReadBodyLines(texts, sheetName + "_Cells")) {}

void cmcSheetRowReader::Read(const cmcDirectiveKey& directiveKey) {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (skip_ > 0) {
            --skip_;
            continue;
        }
        current_ = static_cast<int>(i);
        const std::string& line = lines_[i];
        if (!line.starts_with(':')) {
            AddRow(current_);
            continue;
        }
        ForEachGroup(std::string_view(line).substr(1), [this, &directiveKey](std::string_view g) {
            if (!directiveKey || !directiveKey(g, *this)) {
                ApplyGeneralDirective(g);
            }
        });
    }
}

void cmcSheetRowReader::AddRow(int line) {
    if (rows_.size() >= kMaxRows) {
        return;
    }
    rows_.push_back(cmcSheetRowAtr{line, multiSelect_});
    if (loopOpen_) {
        loopBody_.push_back(line);
    }
}

// A loop opened while another is open replaces it; its rows so far stay once.
void cmcSheetRowReader::StartLoop(int count) {
    loopOpen_ = true;
    loopCount_ = std::clamp(count, 1, kMaxLoopCount);
    loopBody_.clear();
}

void cmcSheetRowReader::EndLoop() {
    if (!loopOpen_) {
        return;
    }
    loopOpen_ = false;
    for (int repeat = 1; repeat < loopCount_; ++repeat) {
        for (const int line : loopBody_) {
            AddRow(line);
        }
    }
    loopBody_.clear();
}

bool cmcSheetRowReader::ApplyGeneralDirective(std::string_view group) {
    if (group.starts_with("LoopFrom ")) {
        StartLoop(ParseDecimal(group.substr(9)));
    } else if (group.starts_with("LoopTo")) {
        EndLoop();
    } else if (group.starts_with("SelectOFF")) {
        multiSelect_ = false;
    } else if (group.starts_with("SelectON")) {
        multiSelect_ = true;
    } else {
        return false;
    }
    return true;
}

std::vector<cmcSheetRow> FillSheetCells(const cmcSheetRowReader& reader, const cmcCellObj& basic,
                                        int32_t* channelVars, cmcGTex* texts,
                                        const cmcRowHook& rowHook) {
    const auto& atrs = reader.Rows();
    std::vector<cmcSheetRow> rows(atrs.size());
    for (size_t r = 0; r < atrs.size(); ++r) {
        if (rowHook) {
            rowHook(r);
        }
        if (r > 0 && atrs[r].line == atrs[r - 1].line) {
            rows[r].cells = rows[r - 1].cells;
            for (auto& cell : rows[r].cells) {
                cell.index = static_cast<int32_t>(static_cast<uint32_t>(cell.index) + 1u);
            }
            rows[r].repeatsAbove = true;
        } else {
            rows[r].cells = ParseRow(reader.Lines()[atrs[r].line], &basic, channelVars, texts);
        }
    }
    return rows;
}

size_t ColumnCount(const std::vector<cmcSheetRow>& rows) {
    size_t columns = 0;
    for (const auto& row : rows) {
        columns = std::max(columns, row.cells.size());
    }
    return columns;
}
