#pragma once
// The channel-bank sheet: the memory channels of one bank, one grid row per
// channel, and an entry row after them in which a new channel is typed. The
// argument "Bank N" chooses the bank; a "LoopFrom" directive without a count
// repeats its body once per channel (plus the entry row on screen). The
// sheet follows channel insertions and deletions (ChannelInserted, ChannelDeleted)
// without being rebuilt, and keeps its title bar in step (BankSheetRefresh).

#include <cstdint>

#include "cuiSheet.h"

struct cmcEvent;

class iuiSh_ChBank : public cuiSheet {
  public:
    // Rows the cell array has room for: the grid grows into them.
    static constexpr int kCellRows = 266;

    iuiSh_ChBank(const cuiSheetEnv& env, std::string sheetName);
    ~iuiSh_ChBank() override;

    // "Bank" followed by a blank and the zero-based bank number reads the
    // bank's first channel and channel count from the image.
    const std::string& SetArgument(const std::string& argument) override;
    // Builds, then posts BankSheetRefresh.
    void Build() override;

    int Bank() const { return bank_; }
    int FirstChannel() const { return firstChannel_; }
    int ChannelCount() const { return channelCount_; }
    // The grid row of the bank's first channel; -1 before the loop was read.
    int LoopStartRow() const { return loopStartRow_; }

    // "<head> <bank + 1> <SmarTrunk text> ".
    std::string GetTitle() const override;
    // Only banks that hold a channel are printed.
    bool IsPrintable() const override;
    // Adds the bank number.
    void PrepareCapsule(indCellCapsule& capsule, int row, int col) override;

  protected:
    bool DirectiveKey(std::string_view group, cmcSheetRowReader& reader) override;
    void CountRows(cmcSheetRowReader& reader) override;
    void BuildCells() override;
    void RowHook(int row) override;

  private:
    static void Listener(void* data, const cmcEvent& event);
    void OnEvent(const cmcEvent& event);
    void RefreshTitle();
    void ChannelInserted();
    void ChannelDeleted();
    bool SmarTrunkBank() const;

    int loopStartRow_ = -1;
    int bank_ = 0;
    int channelCount_ = 0;
    int firstChannel_ = 0;
    bool bankLoop_ = false;         // a count-less "LoopFrom" was read
    bool selectBeforeLoop_ = true;  // the selection state it switched off
};
