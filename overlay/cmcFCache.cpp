#include "cmcFCache.h"

#include <algorithm>
#include <cstdlib>

#include "CellParser.h"
#include "SectionLines.h"
#include "cmcGTex.h"

namespace {

std::string Key(const std::string& base, int item) {
    return base + "#" + std::to_string(item);
}

}  // namespace

cmcFCache::cmcFCache(cmcGTex* texts) : texts_(texts), index_(kDefaultHashBuckets) {}

cmcFCache::~cmcFCache() = default;

const cmcChoiceTable* cmcFCache::FindTable(const std::string& base, int item) const {
    const auto* e = index_.Find(Key(base, item));
    return e != nullptr ? e->value : nullptr;
}

const cmcChoiceTable& cmcFCache::Table(const std::string& base, int item) {
    const cmcChoiceTable* table = FindTable(base, item);
    return table != nullptr ? *table : *Build(base, item);
}

cmcChoiceTable* cmcFCache::Build(const std::string& base, int item) {
    cmcGTex& texts = texts_ != nullptr ? *texts_ : GTex();
    auto owned = std::make_unique<cmcChoiceTable>();
    cmcChoiceTable* table = owned.get();
    tables_.push_back(std::move(owned));
    index_.Insert(Key(base, item), table);

    // The entries are collected apart and stored whole, so that a table is
    // never seen half built.
    const std::vector<std::string> lines = ReadBodyLines(texts, base + "_Cells");
    const auto rows = static_cast<int>(lines.size());
    int columns = 0;
    std::vector<cmcChoiceEntry> entries;
    for (int row = 0; row < rows; ++row) {
        std::string_view rest = lines[row];
        int column = 0;
        for (; !rest.empty(); ++column) {
            cmcCellObj cell;
            rest = ParseCell(rest, cell, nullptr, nullptr, false, &texts);
            if (cell.item == item) {
                entries.push_back(cmcChoiceEntry{
                    row, column, cell.index, cell.param.value_or(cell.Text()), cell.Selectable()});
            }
        }
        columns = std::max(columns, column);
    }
    std::vector<cmcChoiceEntry> byValue = entries;
    std::stable_sort(byValue.begin(), byValue.end(),
                     [](const auto& a, const auto& b) { return a.value < b.value; });
    auto place = [rows](const cmcChoiceEntry& e) { return int64_t{e.column} * rows + e.row; };
    std::stable_sort(entries.begin(), entries.end(),
                     [&place](const auto& a, const auto& b) { return place(a) < place(b); });
    table->rows = rows;
    table->columns = columns;
    table->byValue = std::move(byValue);
    table->byPosition = std::move(entries);
    return table;
}

std::string cmcFCache::GetChoiceText(const std::string& base, int item, int32_t value) {
    const auto& entries = Table(base, item).byValue;
    const auto it =
        std::lower_bound(entries.begin(), entries.end(), value,
                         [](const cmcChoiceEntry& e, int32_t v) { return e.value < v; });
    return it != entries.end() && it->value == value ? it->text : "error";
}

bool cmcFCache::CanChoose(const std::string& base, int item, int32_t value) {
    const auto& entries = Table(base, item).byValue;
    return std::any_of(entries.begin(), entries.end(), [value](const cmcChoiceEntry& e) {
        return e.value == value && IsChoosable(e);
    });
}

bool cmcFCache::StepChoice(const std::string& base, int item, int32_t value, int step,
                           int32_t& result) {
    const cmcChoiceTable* table = FindTable(base, item);
    if (table == nullptr || table->byPosition.empty()) {
        return false;
    }
    const auto& entries = table->byPosition;
    const auto count = static_cast<int64_t>(entries.size());
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [value](const cmcChoiceEntry& e) { return e.value == value; });
    // A value the table lacks stands just past the last entry: forward it
    // steps to the first entry, backward to the last.
    int64_t place = found - entries.begin();
    const int64_t direction = step < 0 ? -1 : 1;
    for (int n = 0; n < std::abs(step); ++n) {
        // One place on, wrapping, then on past the entries that cannot be chosen.
        int64_t tried = 0;
        do {
            place = place >= count && direction > 0 ? 0 : (place + direction + count) % count;
        } while (!IsChoosable(entries[static_cast<size_t>(place)]) && ++tried < count);
        if (tried >= count) {
            return false;
        }
    }
    result = entries[static_cast<size_t>(place)].value;
    return true;
}
