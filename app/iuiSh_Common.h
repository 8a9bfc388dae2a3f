#pragma once
// A sheet that serves every model type from one overlay definition: the
// directives "Only_Pmr", "Only_Lmr", "Only_BIIS", "Only_notBIIS" and
// "Only_SACC", each followed by a blank and a count N, keep the next N lines
// of the cells section when their condition holds and skip them otherwise.

#include "cuiSheet.h"

class iuiSh_Common : public cuiSheet {
  public:
    using cuiSheet::cuiSheet;

  protected:
    bool DirectiveKey(std::string_view group, cmcSheetRowReader& reader) override;

  private:
    // Whether the condition named at the start of the directive holds; no
    // value for any other directive.
    std::optional<bool> Condition(std::string_view group) const;
};
