#pragma once
// A sheet without its window: the grid of cells that the overlay sections of
// a sheet describe (style, basic cell, rows with their directives and loops),
// bound by category, item and index to the item handler. The window draws
// and edits it; the command line prints it. Sheet kinds that know the radio
// derive from it and change its virtual steps.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ModelType.h"
#include "SheetCells.h"
#include "SheetStyle.h"
#include "cmcCellObj.h"
#include "indCellCapsule.h"

class cmcEeprom;
class cmcGTex;

// What a sheet reads besides its overlay sections.
struct cuiSheetEnv {
    cmcGTex* texts = nullptr;          // the text table (required)
    const cmcEeprom* image = nullptr;  // the working image: banks, model conditions
    int modelType = ModelLmr;
    int fontSizePercent = 100;  // the user's font size
    bool printing = false;
};

// State bits of a grid cell.
enum clsSheetCellBits : uint8_t {
    kCellMayJoin = 0x01,     // may join a multiple selection
    kCellSelected = 0x02,    // marked selected
    kCellLineMarked = 0x04,  // in "Line" mode: its row holds a selected cell
};

struct clsSheetCellId {
    cmcCellObj cell;
    uint8_t state = 0;
};

struct cuiCellPos {
    int row = 0;
    int col = 0;
    bool operator==(const cuiCellPos&) const = default;
};

// Flags bits of a capsule that belong to the caller.
namespace SheetCapsuleFlags {
constexpr uint8_t Current = 0x01;
constexpr uint8_t Printing = 0x02;
}  // namespace SheetCapsuleFlags

class cuiSheet {
  public:
    cuiSheet(const cuiSheetEnv& env, std::string sheetName);
    virtual ~cuiSheet();
    cuiSheet(const cuiSheet&) = delete;
    cuiSheet& operator=(const cuiSheet&) = delete;

    // --- before Build
    // Stores the reference argument (the text after the comma of a sheet reference).
    virtual const std::string& SetArgument(const std::string& argument);
    void SetReference(std::string reference) { reference_ = std::move(reference); }
    // The capsule of the cell that opened this sheet (copied), or none.
    void SetOwnerCapsule(const indCellCapsule* owner);
    // Fixed font height of the basic cell; 0 uses the font-size percentage.
    void SetFontHeight(int height) { fixedFontHeight_ = height; }
    void SetDisplayName(std::string name) { displayName_ = std::move(name); }

    // Builds or rebuilds style and grid. A cells section without rows or
    // columns is the internal error "Illegal Cell assign".
    virtual void Build();

    // --- the grid
    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    // A cell outside the grid is the internal error "Illegal Cell selection".
    cmcCellObj& Cell(int row, int col);
    const cmcCellObj& Cell(int row, int col) const;
    uint8_t CellState(int row, int col) const;
    void SetCellState(int row, int col, uint8_t state);
    // The body line of the cells section that defines the row.
    int RowLine(int row) const;
    // Whether the row takes part in multiple selection (SelectON / SelectOFF).
    bool RowMultiSelect(int row) const;
    // A row copied from the row above: it takes that row's height.
    bool RowRepeatsAbove(int row) const;
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    bool MultiSelect() const { return style_.multiSelect != cmcMultiSelect::Single; }
    const cmcSheetStyle& Style() const { return style_; }
    const cmcCellObj& BasicCell() const { return basic_; }

    // --- finding cells (row by row, then column by column)
    std::optional<cuiCellPos> FirstSelectableCell() const;
    // The first selectable cell with the item and index, in any category.
    std::optional<cuiCellPos> FindCell(int item, int32_t index) const;
    std::optional<cuiCellPos> FindCell(int category, int item, int32_t index) const;

    // --- the current cell (the window's cursor; the command line's target)
    const cuiCellPos& Current() const { return current_; }
    void SetCurrent(const cuiCellPos& pos) { current_ = pos; }

    // --- title and printing
    bool HasTitle() const { return style_.HasTitle(); }
    // What the title bar shows and its text colour.
    const std::string& Title() const { return title_; }
    uint32_t TitleTextColor() const { return titleTextColor_; }
    // Called when a sheet kind changes the title text (the window repaints it).
    void SetTitleListener(std::function<void()> listener) { titleListener_ = std::move(listener); }
    // The printed heading.
    virtual std::string GetTitle() const;
    virtual bool IsPrintable() const;

    // Fills the capsule for a cell: owner, cell, sub-cell (the owner capsule),
    // the caller's flag bits (current cell, printing). Key, edit result and
    // Editable are the caller's; so is a pop-up's answer, whose sub-cell (the
    // chosen entry) is set after this call (indCellSession does).
    virtual void PrepareCapsule(indCellCapsule& capsule, int row, int col);

    const std::string& Name() const { return name_; }
    const std::string& DisplayName() const { return displayName_; }
    const std::string& Reference() const { return reference_; }
    const std::string& Argument() const { return argument_; }
    const int32_t* ChannelVars() const { return channelVars_; }

  protected:
    // The build steps, in order; sheet kinds override some of them.
    // A sheet kind's style key or directive: true when handled.
    virtual bool StyleKey(std::string_view group, cmcSheetStyle& style);
    virtual bool DirectiveKey(std::string_view group, cmcSheetRowReader& reader);
    virtual void BuildCells();
    virtual void BuildBasicCell();
    virtual void CountRows(cmcSheetRowReader& reader);
    virtual void FillCells(const cmcSheetRowReader& reader);
    // Before a row is filled.
    virtual void RowHook(int row);

    const cuiSheetEnv& Env() const { return env_; }
    cmcGTex& Texts() const { return *env_.texts; }
    int32_t* MutableChannelVars() { return channelVars_; }
    // Rows made in advance beyond the defined ones (the cell array's room).
    int Capacity() const { return capacity_; }
    // Makes room for at least rows rows: each new row copies the row above
    // with every index raised by 1, and its state bits.
    void ExtendCapacity(int rows);
    // The grid shows rows rows (within the room).
    void SetRowCount(int rows);
    void SetRowMultiSelect(int row, bool on);
    void SetTitle(std::string text, uint32_t textColor);
    const indCellCapsule* OwnerCapsule() const { return owner_.get(); }

  private:
    clsSheetCellId& At(int row, int col);
    const clsSheetCellId& At(int row, int col) const;
    void CheckRow(int row) const;

    cuiSheetEnv env_;
    std::string name_;
    std::string displayName_;
    std::string reference_;
    std::string argument_;
    std::unique_ptr<indCellCapsule> owner_;
    int fixedFontHeight_ = 0;

    cmcSheetStyle style_;
    cmcCellObj basic_;
    int32_t channelVars_[kChannelVarCount] = {};
    std::vector<clsSheetCellId> cells_;  // row by row, Columns() per row
    std::vector<cmcSheetRowAtr> rowAtrs_;
    std::vector<bool> rowRepeats_;
    int rows_ = 0;
    int columns_ = 0;
    int capacity_ = 0;
    int fixedCols_ = 0;
    int fixedRows_ = 0;
    cuiCellPos current_;
    std::string title_;
    uint32_t titleTextColor_ = 0;
    std::function<void()> titleListener_;
};
