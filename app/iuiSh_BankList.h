#pragma once
// The overview of the memory channels: one row per bank with its channel
// count, its first and last channel (numbered across all banks) and the mark
// of its channel check. Every text cell of a bank row opens that bank's sheet
// on Enter or a double click.

#include "cuiSheet.h"

struct cmcEvent;

class iuiSh_BankList : public cuiSheet {
  public:
    iuiSh_BankList(const cuiSheetEnv& env, std::string sheetName);
    ~iuiSh_BankList() override;

    // The bank of a check cell goes with its capsule.
    void PrepareCapsule(indCellCapsule& capsule, int row, int col) override;

  protected:
    void BuildCells() override;

  private:
    static void Listener(void* data, const cmcEvent& event);
    // The texts of the bank rows from the image's bank table.
    void FillTexts();
};
