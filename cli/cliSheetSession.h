#pragma once
// A document with its item handler and one open sheet, as the window holds
// them: the sheet and edit commands work on it. Events are pumped between
// actions so that posted events take effect as they would on screen.

#include <memory>
#include <optional>
#include <string>

#include "cuiSheet.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indHandlerContext.h"

class cliSheetSession : public indCommands {
  public:
    cliSheetSession();
    ~cliSheetSession() override;

    // Opens the clone file; 0 or the clone-file code (its message shown).
    int Open(const std::string& path);
    // Opens the sheet of a reference; false when the overlay has no such sheet.
    bool ShowSheet(const std::string& reference);
    void OpenSheet(const std::string& reference) override { ShowSheet(reference); }
    cuiSheet* Sheet() { return sheet_.get(); }

    // A display query of the cell: its text; flags gets the capsule's Flags.
    std::string CellText(int row, int col, uint8_t& flags);
    // A request on the cell, as the window sends it; the capsule is filled by the sheet first.
    uint8_t Request(int row, int col, indCellCapsule& capsule, uint8_t notify = 1);
    // Delivers posted events until the queue is empty.
    void Pump();

    indDocument& Document() { return document_; }
    indActiveCell& Handler() { return context_.Handler(); }
    indDocumentContext& Context() { return context_; }

  private:
    indDocument document_;
    indDocumentContext context_;
    std::unique_ptr<cuiSheet> sheet_;
};

// A cell's display text in one line: a line feed becomes the two characters \n.
std::string OneLine(const std::string& text);
