#pragma once
// Menus and tool bars as the overlay lays them out: "<name>_BasicCell" line 0
// is the basic cell, "<name>_Body" holds one item per line up to the first
// line beginning with "#". Nothing is drawn here.

#include <string>
#include <vector>

#include "cmcCellObj.h"

class cmcGTex;

// The basic cell shared by the items of a menu or tool bar, and the items.
// Items point at the basic cell, so a layout is neither copied nor moved.
template <class Item>
class cmcOwnerLayout {
  public:
    cmcOwnerLayout() = default;
    cmcOwnerLayout(const cmcOwnerLayout&) = delete;
    cmcOwnerLayout& operator=(const cmcOwnerLayout&) = delete;

    const cmcCellObj& Basic() const { return basic_; }
    const std::vector<Item>& Items() const { return items_; }

  protected:
    ~cmcOwnerLayout() = default;
    // Parses the basic cell, clears the items and returns the body lines.
    std::vector<std::string> LoadBasic(cmcGTex& texts, const std::string& name);

    cmcCellObj basic_;
    std::vector<Item> items_;
};

// A menu item: its depth is the number of characters before the first "+";
// the cell after it gives caption (text), shortcut (param) and image.
struct cmcMenuItem {
    int depth = 0;
    int parent = -1;  // the item whose submenu holds this one; -1 top level
    cmcCellObj cell;
};

class cmcMenuLayout : public cmcOwnerLayout<cmcMenuItem> {
  public:
    // Lines without "+" are not items.
    void Load(cmcGTex& texts, const std::string& name);
};

enum class cmcToolKind {
    Button,
    Separator,  // text "-"
    RowEnd,     // text "/": the buttons after it start a new row
};

struct cmcToolItem {
    cmcToolKind kind = cmcToolKind::Button;
    cmcCellObj cell;
};

class cmcToolBarLayout : public cmcOwnerLayout<cmcToolItem> {
  public:
    void Load(cmcGTex& texts, const std::string& name);
};
