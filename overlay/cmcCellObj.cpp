#include "cmcCellObj.h"

void cmcCellObj::Reset(const cmcCellObj* newBase) {
    cmcCellObj fresh;
    fresh.base = newBase;
    if (newBase != nullptr) {
        fresh.category = newBase->category;
        fresh.item = newBase->item;
        fresh.index = newBase->index;
        fresh.param = newBase->param;
        fresh.imageIndex = newBase->imageIndex;
        fresh.layoutFlags = newBase->layoutFlags;
        fresh.stateFlags = newBase->stateFlags;
        fresh.color = newBase->color;
        fresh.text = newBase->text;
    }
    *this = std::move(fresh);
}

const std::string& cmcCellObj::Text() const {
    static const std::string empty;
    return text ? *text : empty;
}

const std::string* cmcCellObj::PopupMenuName() const {
    for (const cmcCellObj* c = this; c != nullptr; c = c->base) {
        if (c->popupMenu && !c->popupMenu->empty()) {
            return &*c->popupMenu;
        }
    }
    return nullptr;
}
