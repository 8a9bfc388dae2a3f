#include "CellParser.h"

#include <string>

#include "CellAttributes.h"
#include "CellSyntax.h"
#include "cmcGTex.h"

namespace {

// The channel variables belong to the cell only while it is parsed, also
// when the parse ends in an internal error.
class ChannelVarsScope {
  public:
    ChannelVarsScope(cmcCellObj& obj, int32_t* vars) : obj_(obj) { obj_.channelVars = vars; }
    ~ChannelVarsScope() { obj_.channelVars = nullptr; }
    ChannelVarsScope(const ChannelVarsScope&) = delete;
    ChannelVarsScope& operator=(const ChannelVarsScope&) = delete;

  private:
    cmcCellObj& obj_;
};

}  // namespace

std::string_view ParseCell(std::string_view row, cmcCellObj& obj, int32_t* channelVars,
                           const cmcCellObj* base, bool splitOnly, cmcGTex* texts) {
    std::string_view rest;
    const std::string_view cell = CutCell(row, rest);
    if (splitOnly) {
        return rest;
    }
    obj.Reset(base);
    ChannelVarsScope scope(obj, channelVars);
    std::string attributes;
    std::string display;
    SplitCell(cell, attributes, display);
    cmcCellModels models{texts != nullptr ? *texts : GTex()};
    ApplyAttributePart(attributes, obj, models);
    if (auto shown = ParseDisplayPart(display, channelVars)) {
        obj.text = std::move(*shown);
    }
    return rest;
}

std::vector<cmcCellObj> ParseRow(std::string_view row, const cmcCellObj* base, int32_t* channelVars,
                                 cmcGTex* texts) {
    std::vector<cmcCellObj> cells;
    while (!row.empty()) {
        cells.emplace_back();
        row = ParseCell(row, cells.back(), channelVars, base, false, texts);
    }
    return cells;
}
