// Feeds arbitrary bytes to the overlay reader and the cell language: as an
// overlay (read both from a file and from lines, which must agree), as cell
// rows, as a sheet's cells section, and as menus, tool bars and choice
// tables. Unknown names are fatal by design; the error box throws here.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CellParser.h"
#include "FuzzSupport.h"
#include "MenuLayout.h"
#include "SheetCells.h"
#include "SheetStyle.h"
#include "cmcFCache.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "cmcThrowingErrorBox.h"

namespace {

// Sheets larger than this are not filled: the fuzzer's memory is bounded.
constexpr size_t kMaxFilledCells = 200000;

template <class Fn>
void Guarded(Fn&& fn) {
    try {
        fn();
    } catch (const cmcInternalErrorException&) {
    }
}

std::vector<std::string> HeaderNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const auto& line : lines) {
        if (line.size() >= 2 && line[0] == '#' && line[1] != '\0') {
            names.push_back(line.substr(1));
        }
    }
    return names;
}

bool EndsWith(const std::string& text, std::string_view suffix) {
    return text.size() > suffix.size() && text.ends_with(suffix);
}

// File and lines sources must give the same answers (no CR, short lines).
void CompareSources(std::string_view text, const std::vector<std::string>& lines,
                    const std::vector<std::string>& names, uint8_t mode) {
    if (text.find('\r') != std::string_view::npos) {
        return;
    }
    const FuzzMemoryFile file(text);
    cmcGTex fromFile;
    fromFile.SetFile(file.Path());
    cmcGTex fromLines;
    fromLines.SetLines(&lines);
    for (size_t i = 0; i < names.size() && i < 16; ++i) {
        const int index = (mode >> 4) + static_cast<int>(i % 3);
        FuzzExpect(fromFile.HasSection(names[i]) == fromLines.HasSection(names[i]),
                   "file and lines have the same sections");
        std::string a = "<fatal>";
        std::string b = "<fatal>";
        Guarded([&] { a = fromFile.GetText(names[i], index); });
        Guarded([&] { b = fromLines.GetText(names[i], index); });
        FuzzExpect(a == b, "file and lines give the same text");
        Guarded([&] { a = fromFile.GetLines(names[i]); });
        Guarded([&] { b = fromLines.GetLines(names[i]); });
        FuzzExpect(a == b, "file and lines give the same section");
    }
}

void ParseRows(cmcGTex& table, const std::vector<std::string>& lines) {
    int32_t vars[kChannelVarCount] = {};
    cmcCellObj base;
    for (const auto& line : lines) {
        Guarded([&] { ParseRow(line, &base, vars, &table); });
        Guarded([&] {
            auto cells = ParseRow(line, nullptr, vars, &table);
            if (!cells.empty()) {
                base = cells.front();
            }
        });
    }
}

void BuildSheet(cmcGTex& table, const std::vector<std::string>& lines) {
    int32_t vars[kChannelVarCount] = {};
    cmcSheetRowReader reader(lines);
    reader.Read([](std::string_view group, cmcSheetRowReader& r) {
        if (group.starts_with("Skip ")) {
            r.SkipLines(static_cast<int>(group.size()));
            return true;
        }
        return false;
    });
    size_t widest = 1;
    for (const auto& line : lines) {
        widest = std::max(widest, line.size());
    }
    if (reader.Rows().size() * widest > kMaxFilledCells) {
        return;
    }
    cmcCellObj basic;
    Guarded([&] { ParseCell(lines.empty() ? "" : lines[0], basic, vars, nullptr, false, &table); });
    Guarded([&] { FillSheetCells(reader, basic, vars, &table); });
    Guarded([&] { ParseSheetStyle(lines.empty() ? "" : lines[0]); });
}

void BuildOwners(cmcGTex& table, const std::vector<std::string>& names, uint8_t mode) {
    cmcFCache cache(&table);
    for (const auto& name : names) {
        if (EndsWith(name, "_BasicCell")) {
            const std::string owner = name.substr(0, name.size() - 10);
            Guarded([&] { cmcMenuLayout().Load(table, owner); });
            Guarded([&] { cmcToolBarLayout().Load(table, owner); });
        } else if (EndsWith(name, "_Cells")) {
            const std::string base = name.substr(0, name.size() - 6);
            const int item = mode % 8;
            Guarded([&] {
                cache.GetChoiceText(base, item, 0);
                int32_t value = 0;
                cache.StepChoice(base, item, 0, (mode & 1) != 0 ? 1 : -1, value);
            });
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static cmcThrowingErrorBox box;
    SetInternalErrorBox(&box);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const uint8_t mode = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<std::string> lines = FuzzLines(text);
    const std::vector<std::string> names = HeaderNames(lines);

    CompareSources(text, lines, names, mode);
    cmcGTex table;
    table.SetLines(&lines);
    ParseRows(table, lines);
    BuildSheet(table, lines);
    BuildOwners(table, names, mode);
    return 0;
}
