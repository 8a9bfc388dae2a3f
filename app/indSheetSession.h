#pragma once
// A document with its item handler and one open sheet, as the window holds
// them: the command line's sheet and edit commands and the tests work on it.
// Acting on a cell goes through the open sheet's cell session (Cells()).
// Events are pumped between actions so that posted events take effect as
// they would on screen.

#include <cstdint>
#include <memory>
#include <string>

#include "cuiSheet.h"
#include "indCellSession.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indHandlerContext.h"

class indSheetSession : public indCommands {
  public:
    indSheetSession();
    ~indSheetSession() override;

    // Opens the clone file; 0 or the clone-file code (its message shown).
    int Open(const std::string& path);
    // Opens the sheet of a reference; false when the overlay has no such sheet.
    bool ShowSheet(const std::string& reference);
    // A cell asks for another sheet (the bank overview's rows): noted, not
    // opened, since the asking cell's action still runs on the open sheet.
    void OpenSheet(const std::string& reference) override { requested_ = reference; }
    const std::string& RequestedSheet() const { return requested_; }
    cuiSheet* Sheet() { return sheet_.get(); }
    // The one way to act on a cell of the open sheet; null without a sheet.
    indCellSession* Cells() { return cells_.get(); }

    // A display query of the cell: its text; flags gets the capsule's Flags.
    std::string CellText(int row, int col, uint8_t& flags);
    // Delivers posted events until the queue is empty.
    void Pump();

    indDocument& Document() { return document_; }
    indActiveCell& Handler() { return context_.Handler(); }
    indDocumentContext& Context() { return context_; }

  private:
    indDocument document_;
    indDocumentContext context_;
    std::unique_ptr<cuiSheet> sheet_;
    std::unique_ptr<indCellSession> cells_;
    std::string requested_;
};
