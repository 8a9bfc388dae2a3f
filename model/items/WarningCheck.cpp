#include "WarningCheck.h"

#include <cstdio>

#include "BankSheets.h"
#include "CellParser.h"
#include "ChEvents.h"
#include "EventIds.h"
#include "ModelType.h"
#include "SectionLines.h"
#include "cmcCellObj.h"
#include "cmcEvMan.h"
#include "indActiveCell.h"
#include "indCellCapsule.h"

namespace WarningCheck {

namespace {

constexpr int BankCount = 16;

// Parses one check cell, asks the handler and files its sheet reference.
class CheckRun {
  public:
    CheckRun(indActiveCell& handler, cmcGTex& texts, void* owner)
        : handler_(handler), texts_(texts), owner_(owner) {}

    void Check(const std::string& definition, int bank) {
        ParseCell(definition, cell_, nullptr, nullptr, false, &texts_);
        capsule_ = indCellCapsule{};
        capsule_.Owner = owner_;
        capsule_.Cell = &cell_;
        capsule_.Key = 0;
        capsule_.Bank = bank;
        handler_.HandleCell(capsule_);
        const std::string reference = cell_.param.value_or("");
        result_.lastReference = reference;
        if ((capsule_.Flags & CapsuleFlags::Error) != 0) {
            result_.errorReferences.push_back(reference);
            ++result_.errors;
        } else if ((capsule_.Flags & CapsuleFlags::Warning) != 0) {
            result_.warningReferences.push_back(reference);
            ++result_.warnings;
        }
    }

    indWarningCheckResult& Result() { return result_; }

  private:
    indActiveCell& handler_;
    cmcGTex& texts_;
    void* owner_;
    cmcCellObj cell_;
    indCellCapsule capsule_;
    indWarningCheckResult result_;
};

}  // namespace

std::string BankCheckCell(int modelType, int bank) {
    return "{(%CL_Check_Mch:" + BankSheets::Reference(modelType, bank) + ")}";
}

indWarningCheckResult CheckWarnings(indActiveCell& handler, cmcGTex& texts, int modelType,
                                    void* owner) {
    CheckRun run(handler, texts, owner);
    for (const std::string& line : ReadBodyLines(texts, "GI_WarningCheckList")) {
        run.Check(line, 0);
    }
    for (int bank = 0; bank < BankCount; ++bank) {
        run.Check(BankCheckCell(modelType, bank), bank);
    }
    return std::move(run.Result());
}

void RunWarningCheck(indWarningTree* tree, indActiveCell& handler, cmcGTex& texts, int modelType,
                     int* errors, int* warnings) {
    if (errors != nullptr) {
        *errors = 0;
    }
    if (warnings != nullptr) {
        *warnings = 0;
    }
    if (tree == nullptr) {
        return;
    }
    const indWarningCheckResult result = CheckWarnings(handler, texts, modelType, tree);
    if (errors != nullptr) {
        *errors = result.errors;
    }
    if (warnings != nullptr) {
        *warnings = result.warnings;
    }
    if (!result.lastReference.empty()) {
        tree->ClearMarks();
        for (int node = tree->TopLevelCount() - 1; node >= 0; --node) {
            tree->Mark(node, result.warningReferences, indWarningTree::WarningOverlay);
            tree->Mark(node, result.errorReferences, indWarningTree::ErrorOverlay);
        }
    }
    EvMan().Post(EventIds::TreeMarks, nullptr, 0);
    EvMan().Post(EventIds::BankSheetRefresh, nullptr, 0);
}

}  // namespace WarningCheck
