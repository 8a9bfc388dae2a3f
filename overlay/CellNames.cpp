#include "CellNames.h"

#include <array>
#include <string>

#include "cmcHash.h"
#include "cmcInternalErrorBox.h"

namespace {

constexpr std::array<std::string_view, kCategoryCount> kCategoryNames = {
#define ORVANE_CATEGORY(name) #name,
#include "CellNames.def"
};

constexpr std::array<std::string_view, kCellItemCount> kItemNames = {
#define ORVANE_ITEM(name) #name,
#include "CellNames.def"
};

// Handler groups by category; CT_Mch is replaced by the model's group.
constexpr std::array<int, kCategoryCount + 1> kCategoryGroups = {
    0, 0, 0, 4, 5, 6, 7, 8, 9, 11, 12, 10, 13, 0, 14, 15, 16, 17, 0, 0, 0};
constexpr std::array<int, 3> kMchGroups = {1, 2, 3};

// Categories and items live in separate tables, so that an item name can
// never be taken for a category or the other way round. Each is filled on
// first use.
template <size_t N>
struct NameTable {
    explicit NameTable(const std::array<std::string_view, N>& names) {
        for (size_t i = 0; i < names.size(); ++i) {
            hash.Insert(names[i], static_cast<int64_t>(i));
        }
    }
    cmcHash hash{kDefaultHashBuckets};
};

template <size_t N>
int Lookup(const std::array<std::string_view, N>& names, std::string_view name,
           const char* unknownText) {
    static const NameTable<N> table(names);
    if (name.empty()) {
        return static_cast<int>(N);
    }
    if (const auto* e = table.hash.Find(name)) {
        return static_cast<int>(e->value);
    }
    cmcInternalError(std::string(unknownText) + std::string(name) + "'");
}

}  // namespace

std::string_view CategoryName(int category) {
    return category >= 0 && category < kCategoryCount ? kCategoryNames[category] : "";
}

std::string_view CellItemName(int item) {
    return item >= 0 && item < kCellItemCount ? kItemNames[item] : "";
}

int FindCategory(std::string_view name) {
    return Lookup(kCategoryNames, name, "Cannot use the specified category.\n'");
}

int FindCellItem(std::string_view name) {
    return Lookup(kItemNames, name, "Cannot use the specified cell.\n'");
}

int CategoryGroup(int category, int modelType) {
    if (category < 0 || category > kCategoryCount) {
        cmcInternalError("Unknown Cell Category. (" + std::to_string(category) + ")");
    }
    if (category == CT_Mch) {
        // An unknown model type is served as the first one.
        return modelType >= 0 && modelType < 3 ? kMchGroups[modelType] : kMchGroups[0];
    }
    return kCategoryGroups[category];
}
