#pragma once
// How a cell is named to the user: its column heading and its row as the
// sheet prints them ("Receive frequency", "1-3"). Undo steps and the image
// comparison name cells this way.

#include <string>

class cuiSheet;
class indDocumentContext;

namespace CellName {

// Line breaks as spaces, trailing spaces gone.
std::string TextOneLine(std::string text);
// The cell's display text on one line.
std::string CellDisplayLine(indDocumentContext& ctx, cuiSheet& sheet, int row, int col);
// The texts of the fixed rows above the cell; on sheets with fixed columns
// other than bank sheets also the label at the start of the row ("label / heading").
std::string CellColumnHeading(indDocumentContext& ctx, cuiSheet& sheet, int row, int col);
// "bank-position" for a channel row of a bank sheet, else "row N" (grid row).
std::string CellRowLabel(cuiSheet& sheet, int row);
// A row command as an undo step names it: the menu caption without its
// accelerator marks and the rows ("Delete 1-2", "Delete 1-2 to 1-5").
std::string RowCommandName(const std::string& caption, cuiSheet& sheet, int firstRow, int lastRow);
// The heading followed by the channel on bank sheets; the sheet's name when
// the cell has no heading.
std::string CellCaption(indDocumentContext& ctx, cuiSheet& sheet, int row, int col);

}  // namespace CellName
