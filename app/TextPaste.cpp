#include "TextPaste.h"

#include <vector>

#include "CellName.h"
#include "EventIds.h"
#include "Excerpt.h"
#include "ValueText.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcMessageBoxHost.h"
#include "cuiSheet.h"
#include "indCellSession.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indUndoStep.h"

namespace TextPaste {

namespace {

// Refused cells named in the message; the rest are counted.
constexpr size_t kNamedRefusals = 12;

// Boxes the handler shows while a field is typed: no user sees them during a
// paste; their text becomes the cell's reason and questions get the safe answer.
class BoxRecorder : public cmcMessageBoxHost {
  public:
    BoxRecorder() : previous_(SetCurrentMessageBoxHost(this)) {}
    ~BoxRecorder() override { SetCurrentMessageBoxHost(previous_); }
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    cmcMbResult Show(const std::string& /*caption*/, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon /*icon*/) override {
        if (last.empty()) {
            last = text;
        }
        return SafeAnswer(buttons);
    }

    std::string last;  // the first box since the last Clear

  private:
    cmcMessageBoxHost* previous_;
};

std::vector<std::vector<std::string>> Lines(std::string_view text) {
    std::vector<std::vector<std::string>> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        std::vector<std::string> fields;
        size_t from = 0;
        for (;;) {
            const size_t tab = line.find('\t', from);
            fields.emplace_back(ValueText::Trim(line.substr(from, tab - from)));
            if (tab == std::string_view::npos) {
                break;
            }
            from = tab + 1;
        }
        lines.push_back(std::move(fields));
        start = end + 1;
    }
    return lines;
}

std::string CellText(cuiSheet& sheet, indDocumentContext& context, int row, int col) {
    return ValueText::Trim(CellName::CellDisplayLine(context, sheet, row, col));
}

// The texts of the fixed cells in line with a cell (a row's fixed columns,
// a column's fixed rows), joined by blanks.
std::string Heading(cuiSheet& sheet, indDocumentContext& context, int row, int col, bool ofRow) {
    std::string heading;
    const int count = ofRow ? sheet.FixedCols() : sheet.FixedRows();
    for (int i = 0; i < count; ++i) {
        const std::string text =
            ofRow ? CellText(sheet, context, row, i) : CellText(sheet, context, i, col);
        if (!text.empty()) {
            heading += (heading.empty() ? "" : " ") + text;
        }
    }
    return heading;
}

// The cells of a row that take a field: selectable, with an item, from the column on.
std::vector<int> FieldColumns(const cuiSheet& sheet, int row, int fromCol) {
    std::vector<int> cols;
    for (int c = fromCol; c < sheet.Columns(); ++c) {
        const cmcCellObj& cell = sheet.Cell(row, c);
        if (cell.item != kNoCellItem && cell.Selectable()) {
            cols.push_back(c);
        }
    }
    return cols;
}

}  // namespace

indPasteResult PasteTabText(cuiSheet& sheet, indDocumentContext& context, std::string_view text) {
    indPasteResult result;
    const std::vector<std::vector<std::string>> lines = Lines(text);
    if (lines.empty() || sheet.Rows() == 0) {
        result.message = "The clipboard holds no text to paste.";
        return result;
    }
    const cuiCellPos start = sheet.Current();
    // The whole paste is one undo step; a refused paste leaves the image as it was and records
    // none.
    const indUndoStep step(context.Document(), "Paste", {sheet.Reference(), start.row, start.col});
    const int rowsBefore = sheet.Rows();
    cmcEeprom backup;
    backup.Assign(context.WorkingImage());
    const bool wasModified = context.Document().IsModified();

    BoxRecorder boxes;
    indCellSession cells(sheet, context);
    std::vector<std::string> refused;
    size_t refusedCount = 0;
    const auto refuse = [&](int row, int col, const std::string& why) {
        if (++refusedCount > kNamedRefusals) {
            return;
        }
        std::string rowName = Heading(sheet, context, row, col, true);
        std::string colName = col >= 0 ? Heading(sheet, context, row, col, false) : "";
        if (rowName.empty()) {
            rowName = "row " + std::to_string(row - sheet.FixedRows() + 1);
        }
        refused.push_back(rowName + (colName.empty() ? "" : ", " + colName) + ": " + why);
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        const int row = start.row + static_cast<int>(i);
        // A bank sheet grows by its entry row as each new channel is typed.
        if (row >= sheet.Rows()) {
            refuse(sheet.Rows() - 1, -1,
                   std::to_string(lines.size() - i) + " more lines have no row to go to");
            break;
        }
        const std::vector<int> cols = FieldColumns(sheet, row, start.col);
        for (size_t f = 0; f < lines[i].size(); ++f) {
            const std::string& field = lines[i][f];
            if (field.empty()) {
                continue;  // an empty field leaves its cell as it is
            }
            if (f >= cols.size()) {
                refuse(row, -1, Excerpt::QuoteExcerpt(field) + " lies beyond the row's last cell");
                break;
            }
            sheet.SetCurrent({row, cols[f]});
            boxes.last.clear();
            const indCellResult r = cells.Type(field);
            if (r.outcome == indCellOutcome::Done) {
                result.typed += r.changed ? 1 : 0;
            } else {
                refuse(row, cols[f],
                       boxes.last.empty() ? r.message
                                          : Excerpt::QuoteExcerpt(field) + ": " + boxes.last);
            }
        }
    }
    if (refusedCount > 0) {
        context.WorkingImage().Assign(backup);
        if (!wasModified) {
            context.Document().ClearModified();
        }
        if (sheet.Rows() != rowsBefore) {
            sheet.SetArgument(sheet.Argument());
            sheet.Build();
        }
        result.message =
            "Nothing was pasted: " + std::to_string(refusedCount) +
            (refusedCount == 1 ? " cell refused its text." : " cells refused their text.");
        for (const std::string& line : refused) {
            result.message += "\n" + line;
        }
        if (refusedCount > refused.size()) {
            result.message +=
                "\n... and " + std::to_string(refusedCount - refused.size()) + " more";
        }
    } else {
        result.pasted = true;
    }
    sheet.SetCurrent(start);
    context.CheckModified();
    EvMan().Post(EventIds::RepaintAll, nullptr, 0);
    EvMan().Post(EventIds::TreeMarks, nullptr, 0);
    PumpPostedEvents();
    return result;
}

}  // namespace TextPaste
