#pragma once
// Cell categories and cell items: the ids the overlay's references resolve
// to and the item handler dispatches on. Both enums and the name tables come
// from CellNames.def.

#include <string_view>

enum CellCategory : int {
#define ORVANE_CATEGORY(name) name,
#include "CellNames.def"
    kCategoryCount
};

enum CellItem : int {
#define ORVANE_ITEM(name) name,
#include "CellNames.def"
    kCellItemCount
};

// "None" for the category and the item of a cell.
inline constexpr int kNoCategory = kCategoryCount;
inline constexpr int kNoCellItem = kCellItemCount;

static_assert(kCategoryCount == 20);
#define ORVANE_ITEM_GROUP(name, id) static_assert(name == (id), #name " must have the id " #id);
#include "CellNames.def"

// The ids past the fixed ones: this program's own menu commands, appended in
// CellNames.def after the last fixed id.
inline constexpr int kFirstAddedCellItem = CL_Menu_Clone_Fleet;

// The names by id; an id out of range gives "".
std::string_view CategoryName(int category);
std::string_view CellItemName(int item);

// Id of a name; the empty name gives kNoCategory / kNoCellItem. An unknown
// name is an internal error.
int FindCategory(std::string_view name);
int FindCellItem(std::string_view name);

// The handler group of a category (0 to 20). CT_Mch depends on the model
// type (0 Lmr, 1 Pmr, 2 BiisPmr). Any other category is an internal error.
int CategoryGroup(int category, int modelType);
