#pragma once
// Menus and tool bars as the overlay lays them out: "<name>_BasicCell" line 0
// is the basic cell, "<name>_Body" holds one item per line up to the first
// line beginning with "#". Nothing is drawn here.

#include <string>
#include <vector>

#include "cmcCellObj.h"

class cmcGTex;

// The basic cell shared by the items of a menu or tool bar. Items point at
// it, so a layout is neither copied nor moved.
class cmcOwnerLayout {
  public:
    cmcOwnerLayout() = default;
    cmcOwnerLayout(const cmcOwnerLayout&) = delete;
    cmcOwnerLayout& operator=(const cmcOwnerLayout&) = delete;

    const cmcCellObj& Basic() const { return basic_; }

  protected:
    ~cmcOwnerLayout() = default;
    // Parses the basic cell and returns the body lines.
    std::vector<std::string> LoadBasic(cmcGTex& texts, const std::string& name);

    cmcCellObj basic_;
};

// A menu item: its depth is the number of characters before the first "+";
// the cell after it gives caption (text), shortcut (param) and image.
struct cmcMenuItem {
    int depth = 0;
    int parent = -1;  // the item whose submenu holds this one; -1 top level
    cmcCellObj cell;
};

class cmcMenuLayout : public cmcOwnerLayout {
  public:
    // Lines without "+" are not items.
    void Load(cmcGTex& texts, const std::string& name);
    const std::vector<cmcMenuItem>& Items() const { return items_; }

  private:
    std::vector<cmcMenuItem> items_;
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

class cmcToolBarLayout : public cmcOwnerLayout {
  public:
    void Load(cmcGTex& texts, const std::string& name);
    const std::vector<cmcToolItem>& Items() const { return items_; }

  private:
    std::vector<cmcToolItem> items_;
};
