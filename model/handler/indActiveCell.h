#pragma once
// The item handler: the one place that decides what a cell shows and what a
// key on it does. A caller fills a capsule naming the cell and the key and
// calls HandleCell; the handler decodes the row's record from the working
// image, converts the value with the codecs, writes edits back and answers
// with the text, the attribute bits and whether an editor or pop-up must open.

#include <cstdint>

#include "indCellCapsule.h"

class indHandlerContext;
struct cmcCellObj;

class indActiveCell {
  public:
    explicit indActiveCell(indHandlerContext& context) : context_(context) {}

    // Returns what the caller opens next: a pop-up (capsule.Popup), the in-place
    // editor with DisplayText, or nothing.
    indPending HandleCell(indCellCapsule& capsule, uint8_t notify = 0);
    // A capsule for cell with the key; returns Pending.
    indPending ExecuteCell(cmcCellObj& cell, int32_t key);
    // Flags bit 3 (error) and bit 2 (warning) of a display query of the cell;
    // Bank is the bank of channel row + 1.
    int CellIsError(int category, int item, int row);
    int CellIsWarning(int category, int item, int row);

    // Whether this model handles the item (others show "%d *Yet*").
    static bool IsImplemented(int item);
    // The record kind that a category's rows decode (0 for none).
    static uint8_t RecordKindOf(int category, int modelType);

  private:
    uint8_t QueryFlags(int category, int item, int row);

    indHandlerContext& context_;
};
