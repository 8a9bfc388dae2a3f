#pragma once
// Which image bits a cell shows: the fields of its row's record, the bytes of
// a setting item's row, the bank table and attribute bytes of the bank and
// attribute columns. Used to tell changes that no cell shows.

#include <cstdint>
#include <vector>

namespace CellFootprint {

// ORs the bits the cell (category, item, row) shows into mask (one byte of
// bits per image byte; mask has the image's size).
void MarkCellFootprint(int category, int item, int row, int modelType, std::vector<uint8_t>& mask);

}  // namespace CellFootprint
