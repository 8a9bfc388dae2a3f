#include "MenuLayout.h"

#include "CellParser.h"
#include "SectionLines.h"
#include "cmcGTex.h"

template <class Item>
std::vector<std::string> cmcOwnerLayout<Item>::LoadBasic(cmcGTex& texts, const std::string& name) {
    items_.clear();
    ParseCell(texts.GetText(name + "_BasicCell", 0), basic_, nullptr, nullptr, false, &texts);
    return ReadBodyLines(texts, name + "_Body");
}

template class cmcOwnerLayout<cmcMenuItem>;
template class cmcOwnerLayout<cmcToolItem>;

void cmcMenuLayout::Load(cmcGTex& texts, const std::string& name) {
    // Open submenus: the items a deeper item may hang under, outermost first.
    std::vector<int> open;
    for (const std::string& line : LoadBasic(texts, name)) {
        const size_t plus = line.find('+');
        if (plus == std::string::npos) {
            continue;
        }
        cmcMenuItem item;
        item.depth = static_cast<int>(plus);
        while (!open.empty() && items_[open.back()].depth >= item.depth) {
            open.pop_back();
        }
        item.parent = open.empty() ? -1 : open.back();
        ParseCell(std::string_view(line).substr(plus + 1), item.cell, nullptr, &basic_, false,
                  &texts);
        open.push_back(static_cast<int>(items_.size()));
        items_.push_back(std::move(item));
    }
}

void cmcToolBarLayout::Load(cmcGTex& texts, const std::string& name) {
    for (const std::string& line : LoadBasic(texts, name)) {
        cmcToolItem item;
        ParseCell(line, item.cell, nullptr, &basic_, false, &texts);
        const std::string& text = item.cell.Text();
        item.kind = text == "-"   ? cmcToolKind::Separator
                    : text == "/" ? cmcToolKind::RowEnd
                                  : cmcToolKind::Button;
        items_.push_back(std::move(item));
    }
}
