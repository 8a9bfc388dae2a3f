#pragma once
// The parsed attributes of one cell of a sheet, menu or tool bar: what it is
// bound to (category, item, index, param), how it looks and how it behaves.

#include <cstdint>
#include <optional>
#include <string>

#include "CellNames.h"
#include "OverlayNames.h"
#include "cmcFont.h"

// layoutFlags: horizontal alignment in bits 0-1, vertical in bits 2-3.
enum cmcCellLayoutBits : uint8_t {
    kLayoutHAlignMask = 0x03,
    kLayoutVAlignMask = 0x0C,
    kLayoutWiden = 0x10,       // W: the column widens to the text
    kLayoutGrow = 0x20,        // H: the row grows to the text
    kLayoutJoined = 0x40,      // +: drawn as part of the cell to its left
    kLayoutBottomRule = 0x80,  // B: a line along the bottom edge
};
enum cmcCellAlign : uint8_t { kAlignLeftTop = 0, kAlignCentre = 1, kAlignRightBottom = 2 };

enum cmcCellStateBits : uint8_t {
    kStateSelectable = 0x01,   // S
    kStateRowTracking = 0x02,  // T
    kStateFlag0 = 0x04,
    kStateFlag1 = 0x08,
    kStateFlag2 = 0x10,
    kStateFlag3 = 0x20,
};

inline constexpr int kChannelVarCount = 10;

struct cmcCellObj {
    const cmcCellObj* base = nullptr;  // not owned
    int32_t* channelVars = nullptr;    // set only while the cell is parsed
    int category = kNoCategory;
    int item = kNoCellItem;
    int32_t index = 0;
    std::optional<std::string> param;
    int32_t imageIndex = -1;
    uint8_t layoutFlags = 0;
    uint8_t stateFlags = 0;
    uint32_t color = kClWindow;
    std::optional<cmcFont> font;  // none: the owner's basic-cell font
    std::optional<std::string> popupMenu;
    std::optional<std::string> text;

    // Back to the defaults, then (with a base) a copy of the base's fields,
    // leaving font and pop-up menu to be inherited by lookup.
    void Reset(const cmcCellObj* newBase);

    const std::string& Text() const;
    int HAlign() const { return layoutFlags & kLayoutHAlignMask; }
    int VAlign() const { return (layoutFlags & kLayoutVAlignMask) >> 2; }
    bool Selectable() const { return (stateFlags & kStateSelectable) != 0; }
    // The pop-up menu name of this cell or of the first base that has one.
    const std::string* PopupMenuName() const;
};
