#include "ChRowOps.h"

#include <algorithm>
#include <string>

#include "ChBanks.h"
#include "ChEvents.h"
#include "ChLayout.h"
#include "EventIds.h"
#include "cmcClipCh.h"
#include "cmcEeprom.h"
#include "cmcGTex.h"
#include "datCh.h"

namespace {

struct Rows {
    int first;
    int last;
    int Count() const { return last - first + 1; }
};

// The selected range, or the row alone.
Rows Operated(const datRowRequest& req, const datCh& rec) {
    if ((req.RangeFlags & datRowRequest::RangeSelected) == 0) {
        return {rec.Row(), rec.Row()};
    }
    return {std::min(req.RangeFirst, req.RangeLast), std::max(req.RangeFirst, req.RangeLast)};
}

Rows Clipped(Rows r, datRowBounds b) {
    return {std::max(r.first, b.first), std::min(r.last, b.last)};
}

bool Inside(int row, datRowBounds b) {
    return row >= b.first && row <= b.last;
}

bool MayClear(const datCh& rec) {
    return (KindInfo(rec.Kind()).flags & KindMayClear) != 0;
}

void SetRange(datRowRequest& req, Rows r) {
    req.RangeFlags |= datRowRequest::RangeChanged;
    req.RangeFirst = r.first;
    req.RangeLast = r.last;
}

bool Confirm(const char* name) {
    return ShowMessage(GTex().GetLines(name), cmcMbButtons::OkCancel, cmcMbIcon::Warning) ==
           cmcMbResult::Ok;
}

void Refuse(const char* name) {
    ShowMessage(GTex().GetLines(name), cmcMbButtons::Ok, cmcMbIcon::Stop);
}

}  // namespace

bool MayDeleteInsert(uint8_t kind) {
    return IsChannelKind(kind) && (KindInfo(kind).flags & KindMayClear) != 0;
}

bool RowCopy(datClipCh& clipboard, datRowRequest& req, datCh& rec, datRowBounds bounds) {
    const Rows r = Clipped(Operated(req, rec), bounds);
    if (!Inside(rec.Row(), bounds) || r.Count() < 1) {
        return false;
    }
    clipboard.CopyFrom(*rec.Image(), rec.Kind(), r.first, r.Count());
    SetRange(req, r);
    ChEvent::PostStatus("GI_AppMess_S_Copy");
    return true;
}

bool RowPaste(datClipCh& clipboard, datRowRequest& req, datCh& rec, datRowBounds bounds) {
    const int row = rec.Row();
    if (!Inside(row, bounds) || !clipboard.Holds(rec.Kind())) {
        return false;
    }
    const Rows r{row, row + std::min(clipboard.Count(), bounds.last - row + 1) - 1};
    if (!AllBlank(*rec.Image(), rec.Kind(), r.first, r.last) &&
        !Confirm("GI_AppMess_Conv_Overwrite")) {
        return false;
    }
    clipboard.PasteKeepingAttributes(*rec.Image(), rec.Kind(), r.first, r.Count());
    if (r.Count() == 1) {
        ChEvent::Post(EventIds::RowChanged, row);
    } else {
        ChEvent::Post(EventIds::RepaintAll, 0);
    }
    rec.Reload();
    SetRange(req, r);
    ChEvent::PostStatus("GI_AppMess_S_Paste");
    return true;
}

bool RowCarry(datRowRequest& req, datCh& rec, datRowBounds bounds, int direction) {
    const Rows r = Operated(req, rec);
    const bool fits = r.first >= bounds.first && r.last <= bounds.last &&
                      (direction > 0 ? r.last < bounds.last : r.first > bounds.first);
    if ((direction != 1 && direction != -1) || !fits) {
        return false;
    }
    cmcEeprom& image = *rec.Image();
    const uint8_t kind = rec.Kind();
    datClipCh moved;
    datClipCh neighbour;
    moved.CopyFrom(image, kind, r.first, r.Count());
    neighbour.CopyFrom(image, kind, direction > 0 ? r.last + 1 : r.first - 1, 1);
    moved.PasteTo(image, kind, r.first + direction, r.Count());
    neighbour.PasteTo(image, kind, direction > 0 ? r.first : r.last, 1);
    SetRange(req, {r.first + direction, r.last + direction});
    req.RedirRow = direction > 0 ? r.last + direction : r.first + direction;
    req.Redirect = 1;
    rec.Reload();
    return true;
}

bool RowClear(const cmcEeprom& templateImage, datRowRequest& req, datCh& rec, datRowBounds bounds) {
    const Rows r = Clipped(Operated(req, rec), bounds);
    if (!MayClear(rec) || r.Count() < 1 || !Confirm("GI_AppMess_Conv_Clear")) {
        return false;
    }
    datClipCh blank;
    blank.CopyFrom(templateImage, rec.Kind(), r.first, r.Count());
    blank.PasteKeepingAttributes(*rec.Image(), rec.Kind(), r.first, r.Count());
    for (int row = r.first; row <= r.last; ++row) {
        ChEvent::Post(EventIds::RowChanged, row);
    }
    rec.Reload();
    ChEvent::PostStatus("GI_AppMess_S_Clear");
    return true;
}

bool RowDelete(datRowRequest& req, datCh& rec, datRowBounds bounds) {
    const Rows selected = Clipped(Operated(req, rec), bounds);
    if (!MayDeleteInsert(rec.Kind()) || selected.Count() < 1) {
        return false;
    }
    const int first = std::min(selected.first, rec.Row());
    const Rows r{first, first + selected.Count() - 1};
    cmcEeprom& image = *rec.Image();
    if (!AllBlank(image, rec.Kind(), r.first, r.last) && !Confirm("GI_AppMess_Conv_Delete")) {
        return false;
    }
    bool emergency = false;
    datCh row(&image);
    for (int i = r.first; i <= r.last; ++i) {
        row.Decode(rec.Kind(), i);
        if ((row.Attr() & (datCh::AttrPriorityA | datCh::AttrPriorityB)) != 0) {
            Refuse("GI_AppMess_ChErr_DelPrio");
            return false;
        }
        emergency = emergency || (row.Attr() & datCh::AttrEmergency) != 0;
    }
    if (emergency) {
        const uint8_t enable = image.GetByte(ChLayout::AdrEmergencyEnable);
        image.SetByte(ChLayout::AdrEmergencyEnable,
                      static_cast<uint8_t>(enable & ~ChLayout::EmergencyEnableBit));
    }
    for (int i = 0; i < r.Count(); ++i) {
        ChEvent::PostBankRow(EventIds::DeleteChannel, req.Bank, r.first);
    }
    req.RangeFlags &= static_cast<uint8_t>(~datRowRequest::RangeChanged);
    req.RedirRow = selected.first;
    req.Redirect = 1;
    ChEvent::Post(EventIds::RepaintAll, 0);
    ChEvent::PostStatus("GI_AppMess_S_Delete");
    return true;
}

bool RowInsert(datRowRequest& req, datCh& rec, datRowBounds bounds) {
    // The channel after the last one of the bank is a valid place to insert.
    const Rows r = Clipped(Operated(req, rec), {bounds.first, bounds.last + 1});
    if (!MayDeleteInsert(rec.Kind()) || r.Count() < 1) {
        return false;
    }
    // The inserts are posted: count them, since the total grows only when they are carried out.
    const int total = TotalChannels(*rec.Image());
    for (int i = 0; i < r.Count(); ++i) {
        if (total + i > ChLayout::LastChannel) {
            Refuse("GI_AppMess_ChErr_Overflow");
            return i > 0;
        }
        ChEvent::PostBankRow(EventIds::InsertChannel, req.Bank, r.first);
    }
    req.RangeFlags |= datRowRequest::RangeChanged;
    ChEvent::PostStatus("GI_AppMess_S_Insert");
    return true;
}
