#pragma once
// The warning check list: the checks of the overlay list "GI_WarningCheckList"
// and one channel check per bank, each a check item of the item handler
// bound to the sheet it concerns. The sheets whose checks report an error or
// a warning are collected and marked in the tree.

#include <string>
#include <vector>

class cmcGTex;
class indActiveCell;

struct indWarningCheckResult {
    int errors = 0;
    int warnings = 0;
    // Sheet references of the checks that reported an error / a warning.
    std::vector<std::string> errorReferences;
    std::vector<std::string> warningReferences;
    // The sheet reference of the last check run ("" when none had one).
    std::string lastReference;
};

// The tree of sheet references, as far as the check marks it.
class indWarningTree {
  public:
    static constexpr int ErrorOverlay = 0;
    static constexpr int WarningOverlay = 1;

    virtual ~indWarningTree() = default;
    // Removes the marks of the first top-level node and of every node under it.
    virtual void ClearMarks() = 0;
    virtual int TopLevelCount() const = 0;
    // Marks with overlay every node of the top-level node's subtree whose
    // reference is listed (and a collapsed node above a marked one).
    virtual void Mark(int topLevel, const std::vector<std::string>& references, int overlay) = 0;
};

namespace WarningCheck {

// The cell of the channel check of a bank: CL_Check_Mch on the bank's sheet.
std::string BankCheckCell(int modelType, int bank);

// Runs every check once with one cell, capsule and handler call each;
// owner becomes the capsules' Owner.
indWarningCheckResult CheckWarnings(indActiveCell& handler, cmcGTex& texts, int modelType,
                                    void* owner);

// The model object's check run: without a tree nothing happens and both
// counters are 0. Otherwise the checks run, the tree is marked (an error mark
// replaces a warning mark) and TreeMarks and BankSheetRefresh are posted.
void RunWarningCheck(indWarningTree* tree, indActiveCell& handler, cmcGTex& texts, int modelType,
                     int* errors = nullptr, int* warnings = nullptr);

}  // namespace WarningCheck
