#include "cuiSheet.h"

#include <algorithm>
#include <utility>

#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"

cuiSheet::cuiSheet(const cuiSheetEnv& env, std::string sheetName)
    : env_(env), name_(std::move(sheetName)), displayName_(name_) {
    if (env_.texts == nullptr) {
        env_.texts = &GTex();
    }
}

cuiSheet::~cuiSheet() = default;

const std::string& cuiSheet::SetArgument(const std::string& argument) {
    argument_ = argument;
    return argument_;
}

void cuiSheet::SetOwnerCapsule(const indCellCapsule* owner) {
    owner_ = owner != nullptr ? std::make_unique<indCellCapsule>(*owner) : nullptr;
}

void cuiSheet::Build() {
    std::fill(std::begin(channelVars_), std::end(channelVars_), 0);
    style_ = ReadSheetStyle(Texts(), name_, [this](std::string_view group, cmcSheetStyle& style) {
        return StyleKey(group, style);
    });
    title_ = style_.titleString;
    titleTextColor_ = style_.titleFont.color;
    BuildCells();
    fixedCols_ = FixedCount(style_.fixedCols, columns_);
    fixedRows_ = FixedCount(style_.fixedRows, rows_);
    const bool keep = current_.row < rows_ && current_.col < columns_ &&
                      Cell(current_.row, current_.col).Selectable();
    if (!keep) {
        current_ = FirstSelectableCell().value_or(cuiCellPos{});
    }
}

bool cuiSheet::StyleKey(std::string_view /*group*/, cmcSheetStyle& /*style*/) {
    return false;
}

bool cuiSheet::DirectiveKey(std::string_view /*group*/, cmcSheetRowReader& /*reader*/) {
    return false;
}

void cuiSheet::BuildCells() {
    BuildBasicCell();
    cmcSheetRowReader reader(Texts(), name_);
    CountRows(reader);
    FillCells(reader);
}

void cuiSheet::BuildBasicCell() {
    cmcBasicCellFont font;
    font.fixedHeight = fixedFontHeight_;
    font.fontSizePercent = env_.fontSizePercent;
    font.printing = env_.printing;
    font.printFontRatio = style_.printFontRatio;
    ParseBasicCell(Texts(), name_, font, basic_, channelVars_);
}

void cuiSheet::CountRows(cmcSheetRowReader& reader) {
    reader.Read(
        [this](std::string_view group, cmcSheetRowReader& r) { return DirectiveKey(group, r); });
}

void cuiSheet::FillCells(const cmcSheetRowReader& reader) {
    std::vector<cmcSheetRow> rows =
        FillSheetCells(reader, basic_, channelVars_, &Texts(),
                       [this](size_t row) { RowHook(static_cast<int>(row)); });
    rows_ = static_cast<int>(rows.size());
    columns_ = static_cast<int>(ColumnCount(rows));
    if (rows_ == 0 || columns_ == 0) {
        cmcInternalError("Illegal Cell assign");
    }
    capacity_ = rows_;
    rowAtrs_ = reader.Rows();
    rowRepeats_.assign(rows.size(), false);
    cells_.assign(static_cast<size_t>(rows_) * static_cast<size_t>(columns_), clsSheetCellId{});
    for (int r = 0; r < rows_; ++r) {
        auto& parsed = rows[static_cast<size_t>(r)];
        rowRepeats_[static_cast<size_t>(r)] = parsed.repeatsAbove;
        const uint8_t state =
            MultiSelect() && rowAtrs_[static_cast<size_t>(r)].multiSelect ? kCellMayJoin : 0;
        for (int c = 0; c < columns_; ++c) {
            clsSheetCellId& id = At(r, c);
            if (static_cast<size_t>(c) < parsed.cells.size()) {
                id.cell = std::move(parsed.cells[static_cast<size_t>(c)]);
            } else {
                id.cell.Reset(&basic_);  // a cell missing from a shorter row is empty
            }
            id.state = state;
        }
    }
}

void cuiSheet::RowHook(int /*row*/) {}

void cuiSheet::ExtendCapacity(int rows) {
    if (rows <= capacity_ || capacity_ == 0) {
        return;
    }
    cells_.resize(static_cast<size_t>(rows) * static_cast<size_t>(columns_));
    for (int r = capacity_; r < rows; ++r) {
        for (int c = 0; c < columns_; ++c) {
            clsSheetCellId& id = At(r, c);
            id = At(r - 1, c);
            id.cell.index = static_cast<int32_t>(static_cast<uint32_t>(id.cell.index) + 1u);
        }
        rowAtrs_.push_back(rowAtrs_.back());
        rowRepeats_.push_back(true);
    }
    capacity_ = rows;
}

void cuiSheet::SetRowCount(int rows) {
    rows_ = std::clamp(rows, 0, capacity_);
}

void cuiSheet::SetRowMultiSelect(int row, bool on) {
    CheckRow(row);
    rowAtrs_[static_cast<size_t>(row)].multiSelect = on;
    for (int c = 0; c < columns_; ++c) {
        clsSheetCellId& id = At(row, c);
        id.state = static_cast<uint8_t>(on && MultiSelect() ? id.state | kCellMayJoin
                                                            : id.state & ~kCellMayJoin);
    }
}

void cuiSheet::SetTitle(std::string text, uint32_t textColor) {
    title_ = std::move(text);
    titleTextColor_ = textColor;
    if (titleListener_) {
        titleListener_();
    }
}

void cuiSheet::CheckRow(int row) const {
    if (row < 0 || row >= capacity_) {
        cmcInternalError("Illegal Cell selection");
    }
}

clsSheetCellId& cuiSheet::At(int row, int col) {
    return cells_[static_cast<size_t>(row) * static_cast<size_t>(columns_) +
                  static_cast<size_t>(col)];
}

const clsSheetCellId& cuiSheet::At(int row, int col) const {
    return cells_[static_cast<size_t>(row) * static_cast<size_t>(columns_) +
                  static_cast<size_t>(col)];
}

cmcCellObj& cuiSheet::Cell(int row, int col) {
    return const_cast<cmcCellObj&>(std::as_const(*this).Cell(row, col));
}

const cmcCellObj& cuiSheet::Cell(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= columns_) {
        cmcInternalError("Illegal Cell selection");
    }
    return At(row, col).cell;
}

uint8_t cuiSheet::CellState(int row, int col) const {
    Cell(row, col);  // range check
    return At(row, col).state;
}

void cuiSheet::SetCellState(int row, int col, uint8_t state) {
    Cell(row, col);
    At(row, col).state = state;
}

int cuiSheet::RowLine(int row) const {
    CheckRow(row);
    return rowAtrs_[static_cast<size_t>(row)].line;
}

bool cuiSheet::RowMultiSelect(int row) const {
    CheckRow(row);
    return rowAtrs_[static_cast<size_t>(row)].multiSelect;
}

bool cuiSheet::RowRepeatsAbove(int row) const {
    CheckRow(row);
    return rowRepeats_[static_cast<size_t>(row)];
}

std::optional<cuiCellPos> cuiSheet::FirstSelectableCell() const {
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < columns_; ++c) {
            if (At(r, c).cell.Selectable()) {
                return cuiCellPos{r, c};
            }
        }
    }
    return std::nullopt;
}

std::optional<cuiCellPos> cuiSheet::FindCell(int item, int32_t index) const {
    return FindCell(-1, item, index);
}

// A negative category matches every category.
std::optional<cuiCellPos> cuiSheet::FindCell(int category, int item, int32_t index) const {
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < columns_; ++c) {
            const cmcCellObj& cell = At(r, c).cell;
            if (cell.Selectable() && cell.item == item && cell.index == index &&
                (category < 0 || cell.category == category)) {
                return cuiCellPos{r, c};
            }
        }
    }
    return std::nullopt;
}

std::string cuiSheet::GetTitle() const {
    return title_;
}

bool cuiSheet::IsPrintable() const {
    return !style_.noPrint;
}

void cuiSheet::PrepareCapsule(indCellCapsule& capsule, int row, int col) {
    capsule.Owner = this;
    capsule.Cell = &Cell(row, col);
    capsule.SubCell = owner_.get();
    uint8_t flags =
        capsule.Flags &
        static_cast<uint8_t>(~(SheetCapsuleFlags::Current | SheetCapsuleFlags::Printing));
    if (current_ == cuiCellPos{row, col}) {
        flags |= SheetCapsuleFlags::Current;
    }
    if (env_.printing) {
        flags |= SheetCapsuleFlags::Printing;
    }
    capsule.Flags = flags;
}
