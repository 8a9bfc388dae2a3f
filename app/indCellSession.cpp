#include "indCellSession.h"

#include <algorithm>

#include "CellName.h"
#include "CellNames.h"
#include "Codec.h"
#include "Excerpt.h"
#include "MenuLayout.h"
#include "ShownText.h"
#include "ValueText.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcFCache.h"
#include "cmcMessageBoxHost.h"
#include "cuiGridCursor.h"
#include "indDocumentContext.h"
#include "indUndoStep.h"

namespace {

// A run of follow-up keys longer than this is a handler fault, not a run of moves.
constexpr int kMaxFollowUps = 512;

// Passes every box of an action on to the front end's host and notes whether
// a question got its refusing answer.
class QuestionWatch : public cmcMessageBoxHost {
  public:
    QuestionWatch() : target_(CurrentMessageBoxHost()), previous_(SetCurrentMessageBoxHost(this)) {}
    ~QuestionWatch() override { SetCurrentMessageBoxHost(previous_); }
    QuestionWatch(const QuestionWatch&) = delete;
    QuestionWatch& operator=(const QuestionWatch&) = delete;

    cmcMbResult Show(const std::string& caption, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override {
        const cmcMbResult answer = target_.Show(caption, text, buttons, icon);
        if (buttons != cmcMbButtons::Ok &&
            (answer == cmcMbResult::Cancel || answer == cmcMbResult::No)) {
            declined = true;
        }
        return answer;
    }

    bool declined = false;

  private:
    cmcMessageBoxHost& target_;
    cmcMessageBoxHost* previous_;
};

// What a request carries besides the cell.
struct RequestFields {
    int32_t key = Keys::None;
    indEditResult editResult = indEditResult::Key;
    std::string inputText;
    indCellCapsule* subCell = nullptr;
    int32_t popupCommand = 0;
};

}  // namespace

void PumpPostedEvents() {
    // Each pump delivers what was posted before it; replies wait for the next one.
    for (int i = 0; i < 16 && EvMan().QueuedCount() > 0; ++i) {
        EvMan().Pump();
    }
}

indCellSession::indCellSession(cuiSheet& sheet, indDocumentContext& context,
                               std::function<void()> pump)
    : sheet_(sheet), context_(context), pump_(std::move(pump)) {}

void indCellSession::Prepare(indCellCapsule& capsule) {
    const cuiCellPos at = sheet_.Current();
    sheet_.PrepareCapsule(capsule, at.row, at.col);
    capsule.Editable = 1;
    capsule.OnChange = [this](indCellCapsule&, int flags) { changes_ |= flags; };
    if (cursor_ != nullptr) {
        cursor_->FillRange(capsule);
    }
}

void indCellSession::MoveTo(const cuiCellPos& pos) {
    if (cursor_ != nullptr) {
        cursor_->MoveTo(pos, false);
    } else {
        sheet_.SetCurrent(pos);
    }
}

std::string indCellSession::Shown() {
    indCellCapsule capsule;
    const cuiCellPos at = sheet_.Current();
    sheet_.PrepareCapsule(capsule, at.row, at.col);
    context_.Handler().HandleCell(capsule);
    return capsule.DisplayText;
}

namespace {

// One request on the current cell, as the sheet sends it.
indPending SendFields(indDocumentContext& context, const RequestFields& f, indCellCapsule& capsule,
                      const std::function<void(indCellCapsule&)>& prepare,
                      const std::function<void()>& pump) {
    capsule = indCellCapsule{};
    prepare(capsule);
    capsule.Key = f.key;
    capsule.EditResult = f.editResult;
    capsule.InputText = f.inputText;
    capsule.PopupCommand = f.popupCommand;
    if (f.subCell != nullptr) {
        capsule.SubCell = f.subCell;  // the pop-up's answer replaces the sheet's owner capsule
    }
    const indPending pending = context.Handler().HandleCell(capsule, 1);
    if (pump) {
        pump();
    }
    return pending;
}

}  // namespace

// The request step of the sheet: send, follow a redirect to its cell, and
// repeat a follow-up key there; the last request's capsule is returned.
indPending indCellSession::Send(indCellCapsule& capsule) {
    RequestFields fields;
    fields.key = capsule.Key;
    fields.editResult = capsule.EditResult;
    fields.inputText = capsule.InputText;
    fields.subCell = capsule.SubCell;
    fields.popupCommand = capsule.PopupCommand;
    const auto prepare = [this](indCellCapsule& c) { Prepare(c); };
    indPending pending = indPending::Nothing;
    for (int step = 0;; ++step) {
        pending = SendFields(context_, fields, capsule, prepare, pump_);
        if (capsule.Redirect != 0) {
            const auto target =
                sheet_.FindCell(capsule.RedirCategory, capsule.RedirItem, capsule.RedirRow);
            if (target) {
                MoveTo(*target);
            }
        }
        if (cursor_ != nullptr) {
            cursor_->TakeRange(capsule);
        }
        // A follow-up key repeats a key; a redirected edit result is not sent again.
        if (capsule.RedirKey == 0 || fields.key == 0 || step >= kMaxFollowUps) {
            return pending;
        }
        if (stepHook_) {
            stepHook_(step);
        }
        fields = RequestFields{};
        fields.key = capsule.RedirKey;
    }
}

indPending indCellSession::SendOnce(indCellCapsule& capsule) {
    RequestFields fields;
    fields.key = capsule.Key;
    return SendFields(
        context_, fields, capsule, [this](indCellCapsule& c) { Prepare(c); }, pump_);
}

indUndoPlace indCellSession::Place() const {
    const cuiCellPos at = sheet_.Current();
    return {sheet_.Reference(), at.row, at.col};
}

std::string indCellSession::CellName() {
    const cuiCellPos at = sheet_.Current();
    return CellName::CellCaption(context_, sheet_, at.row, at.col);
}

template <class Act>
indCellResult indCellSession::Run(Act act, const std::string& stepName) {
    const indUndoStep step(
        context_.Document(), [&] { return stepName.empty() ? CellName() : stepName; }, Place());
    QuestionWatch questions;
    cmcEeprom before;
    before.Assign(context_.WorkingImage());
    changes_ = 0;
    indCellCapsule last;
    std::string why;
    const indPending pending = act(last, why, before);
    indCellResult r;
    r.changed = !before.IsEqual(context_.WorkingImage());
    r.shown = Shown();
    popup_ = {};
    if (pending != indPending::Nothing) {
        context_.Document().UndoHistory().JoinNext();
    }
    if (pending == indPending::Editor) {
        r.outcome = indCellOutcome::EditorOpened;
        r.editText = last.DisplayText;
        r.caretPos = last.CaretPos;
        r.selLength = last.SelLength;
        r.radio = last.RadioPreview;
    } else if (pending == indPending::Popup) {
        r.outcome = indCellOutcome::PopupOpened;
        r.popup = last.Popup;
        popup_ = last.Popup;
    } else if (!why.empty()) {
        r.outcome =
            questions.declined && !r.changed ? indCellOutcome::Cancelled : indCellOutcome::Refused;
        r.message = why;
    }
    return r;
}

indCellResult indCellSession::Key(int32_t key) {
    return Run([&](indCellCapsule& c, std::string& why, const cmcEeprom& before) {
        c.Key = key;
        const indPending pending = Send(c);
        // A redraw request alone is no change: a key on a display-only cell does nothing.
        const int stored = ChangeFlags::Record | ChangeFlags::RowStructure;
        if (pending == indPending::Nothing && (changes_ & stored) == 0 &&
            before.IsEqual(context_.WorkingImage())) {
            why = "the key changed nothing";
        }
        return pending;
    });
}

indCellResult indCellSession::Commit(const std::string& text) {
    return Run([&](indCellCapsule& c, std::string& why, const cmcEeprom& before) {
        c.EditResult = indEditResult::EditorText;
        c.InputText = text;
        const indPending pending = Send(c);
        // Taken when the image changed, or when the cell shows what was typed.
        const std::string shown = Shown();
        if (pending == indPending::Nothing && (changes_ & ChangeFlags::Record) == 0 &&
            before.IsEqual(context_.WorkingImage()) &&
            ShownText::NormalShownText(shown) != ShownText::NormalShownText(text)) {
            why = Excerpt::QuoteExcerpt(text) + " was not accepted; the cell shows " +
                  Excerpt::QuoteExcerpt(c.DisplayText);
        }
        return pending;
    });
}

indCellResult indCellSession::Choose(int32_t value) {
    if (popup_.kind != indPopupRequest::Kind::ChoiceList) {
        const indCellResult opened = Key(Keys::Enter);
        if (popup_.kind != indPopupRequest::Kind::ChoiceList) {
            indCellResult r = opened;
            r.outcome = indCellOutcome::Refused;
            r.message = "the cell opens no choice list";
            popup_ = {};
            return r;
        }
    }
    // The list as its pop-up sheet shows it: only entries that can be chosen are found.
    cuiSheetEnv env;
    env.texts = &context_.Texts();
    env.image = &context_.WorkingImage();
    env.modelType = context_.ModelType();
    cuiSheet list(env, popup_.list);
    indCellCapsule owner;
    Prepare(owner);
    list.SetOwnerCapsule(&owner);
    list.Build();
    std::optional<cuiCellPos> at;
    for (int kind : {popup_.entryKind, static_cast<int>(FlexDtcs), static_cast<int>(FlexKeyOpt)}) {
        if (!at) {
            at = list.FindCell(kind, value);
        }
    }
    if (!at) {
        indCellResult r;
        r.outcome = indCellOutcome::Refused;
        r.message = "the list " + popup_.list + " has no entry " + std::to_string(value) +
                    " that can be chosen";
        r.shown = Shown();
        return r;
    }
    list.SetCurrent(*at);
    indCellCapsule entry;
    list.PrepareCapsule(entry, at->row, at->col);
    entry.Editable = 1;
    return Answer(entry);
}

indCellResult indCellSession::Answer(indCellCapsule& entry) {
    const indPopupRequest list = popup_;
    if (list.kind != indPopupRequest::Kind::ChoiceList || entry.Cell == nullptr) {
        indCellResult r;
        r.outcome = indCellOutcome::Refused;
        r.message = "no choice list is open";
        r.shown = Shown();
        return r;
    }
    const int kind = entry.Cell->item;
    const int32_t value = entry.Cell->index;
    cmcFCache& lists = context_.Lists();
    const cmcChoiceTable& table = lists.Table(list.list, list.entryKind);
    // A list whose opening value names none of its entries holds actions, not values.
    const bool actions =
        std::none_of(table.byValue.begin(), table.byValue.end(),
                     [&](const cmcChoiceEntry& e) { return e.value == list.value; });
    return Run([&](indCellCapsule& c, std::string& why, const cmcEeprom& /*before*/) {
        c.EditResult = indEditResult::PopupChoice;
        c.SubCell = &entry;
        const indPending pending = Send(c);
        if (pending != indPending::Nothing) {
            return pending;
        }
        // An action list's entry is carried out by the handler as chosen; one
        // whose effect is already in place (priority A on a priority-A
        // channel) leaves the image as it was and still is what was asked.
        bool taken =
            actions || ShownText::NormalShownText(Shown()) ==
                           ShownText::NormalShownText(lists.GetChoiceText(list.list, kind, value));
        if (!taken && !actions) {
            // The list opened again marks the value the cell now holds.
            indCellCapsule again;
            again.Key = Keys::Enter;
            taken = SendOnce(again) == indPending::Popup && again.Popup.list == list.list &&
                    again.Popup.value == value;
        }
        if (!taken) {
            why = "the entry " + std::to_string(value) + " of " + list.list +
                  " was not taken; the cell shows " + Excerpt::QuoteExcerpt(Shown());
        }
        return pending;
    });
}

indCellResult indCellSession::SetFlagBits(int32_t bits) {
    if (popup_.kind != indPopupRequest::Kind::FlagBits) {
        const indCellResult opened = Key(Keys::Enter);
        if (popup_.kind != indPopupRequest::Kind::FlagBits) {
            indCellResult r = opened;
            r.outcome = indCellOutcome::Refused;
            r.message = "the cell opens no flag-bit pop-up";
            popup_ = {};
            return r;
        }
    }
    const indPopupRequest flags = popup_;
    const int32_t placed = Codec::PlaceFlagBits(bits, flags.first, flags.last);
    const int32_t wanted = Codec::UnplaceFlagBits(placed, flags.first, flags.last);
    return Run([&](indCellCapsule& c, std::string& why, const cmcEeprom& /*before*/) {
        c.EditResult = indEditResult::PopupChoice;
        c.InputText = std::to_string(placed);
        const indPending pending = Send(c);
        const std::string shown = ValueText::Trim(Shown());
        if (pending == indPending::Nothing &&
            (wanted != bits ||
             Codec::FlagBitsFromPattern(shown, flags.first, flags.last) != wanted)) {
            why = "the flag bits were not taken; the cell shows " + Excerpt::QuoteExcerpt(shown);
        }
        return pending;
    });
}

bool indCellSession::ShowsAlready(const std::string& text) {
    const std::string shown = Shown();
    if (ShownText::ShowsTypedText(shown, text)) {
        return true;
    }
    // "<-" shows the value of the cell to its left (transmit as receive).
    const cuiCellPos at = sheet_.Current();
    if (ValueText::Trim(shown) != "<-" || at.col == 0) {
        return false;
    }
    indCellCapsule left;
    sheet_.PrepareCapsule(left, at.row, at.col - 1);
    context_.Handler().HandleCell(left);
    return ShownText::ShowsTypedText(left.DisplayText, text);
}

indCellResult indCellSession::Type(const std::string& text) {
    ClosePopup();
    if (ShowsAlready(text)) {
        indCellResult r;
        r.shown = Shown();
        return r;
    }
    indCellResult r = Commit(text);
    if (r.outcome == indCellOutcome::Done) {
        // Taken as typed, or a number rounded to the cell's steps; any other
        // change (a blank channel taken into use) is not what was typed.
        if (ShownText::ShowsTypedText(r.shown, text) ||
            (ShownText::IsNumberText(ShownText::NormalShownText(text)) &&
             ShownText::IsNumberText(ShownText::NormalShownText(r.shown)))) {
            return r;
        }
        r.outcome = indCellOutcome::Refused;
        r.message = Excerpt::QuoteExcerpt(text) + " was not accepted; the cell shows " +
                    Excerpt::QuoteExcerpt(r.shown);
        return r;
    }
    const std::string refused = r.message;
    const indCellResult opened = Key(Keys::Enter);
    const indPopupRequest popup = popup_;
    if (opened.outcome == indCellOutcome::PopupOpened &&
        popup.kind == indPopupRequest::Kind::FlagBits) {
        r = SetFlagBits(Codec::FlagBitsFromPattern(ValueText::Trim(text), popup.first, popup.last));
    } else if (opened.outcome == indCellOutcome::PopupOpened &&
               popup.kind == indPopupRequest::Kind::ChoiceList) {
        const cmcChoiceTable& table = context_.Lists().Table(popup.list, popup.entryKind);
        const auto found =
            std::find_if(table.byValue.begin(), table.byValue.end(), [&](const cmcChoiceEntry& e) {
                return ShownText::NormalShownText(e.text) == ShownText::NormalShownText(text);
            });
        if (found != table.byValue.end()) {
            // The entry by its value, as a file or another program names it
            // (also one the pop-up does not offer, such as "(n/a)").
            cmcCellObj cell;
            cell.item = popup.entryKind;
            cell.index = found->value;
            indCellCapsule entry;
            entry.Cell = &cell;
            entry.Editable = 1;
            r = Answer(entry);
        } else {
            r = indCellResult{};
            r.outcome = indCellOutcome::Refused;
            r.message = Excerpt::QuoteExcerpt(text) + " is not an entry of the cell's list";
        }
    } else {
        r = opened;
        r.outcome = indCellOutcome::Refused;
        r.message = refused;
    }
    ClosePopup();
    if (r.outcome != indCellOutcome::Done) {
        r.outcome = indCellOutcome::Refused;
    }
    r.shown = Shown();
    return r;
}

std::vector<indMenuEntry> indCellSession::PopupMenu() {
    std::vector<indMenuEntry> entries;
    const cuiCellPos at = sheet_.Current();
    const std::string* name = sheet_.Cell(at.row, at.col).PopupMenuName();
    if (name == nullptr || name->empty()) {
        return entries;
    }
    cmcMenuLayout menu;
    menu.Load(context_.Texts(), *name);
    indCellCapsule cell;
    Prepare(cell);
    cell.Editable = 0;
    for (const cmcMenuItem& item : menu.Items()) {
        cmcCellObj entry = item.cell;
        indCellCapsule c;
        c.Owner = &sheet_;
        c.Cell = &entry;
        c.SubCell = &cell;
        c.Bank = cell.Bank;
        c.MenuEntryCount = static_cast<int32_t>(menu.Items().size());
        context_.Handler().HandleCell(c);
        indMenuEntry e;
        e.item = entry.item;
        e.caption = (entry.stateFlags & kStateFlag3) != 0 ? c.DisplayText : entry.text.value_or("");
        e.enabled = (entry.stateFlags & kStateFlag2) == 0;
        e.hidden = (entry.stateFlags & kStateFlag1) != 0;
        entries.push_back(e);
    }
    return entries;
}

indCellResult indCellSession::RowCommand(int item) {
    const std::vector<indMenuEntry> menu = PopupMenu();
    const auto entry = std::find_if(menu.begin(), menu.end(),
                                    [&](const indMenuEntry& e) { return e.item == item; });
    const bool offered = entry != menu.end() && !entry->hidden;
    if (!offered || !entry->enabled) {
        indCellResult r;
        r.outcome = indCellOutcome::Refused;
        r.message = offered ? "\"" + entry->caption + "\" is not available on this row"
                            : "the cell's menu has no such command";
        r.shown = Shown();
        return r;
    }
    // Named after its rows: "Delete 1-2" or "Delete 1-2 to 1-5".
    const int current = sheet_.Current().row;
    const int anchor = cursor_ != nullptr ? cursor_->Anchor().row : current;
    const std::string name = CellName::RowCommandName(
        entry->caption, sheet_, std::min(anchor, current), std::max(anchor, current));
    return Run(
        [&](indCellCapsule& c, std::string& why, const cmcEeprom& /*before*/) {
            c.PopupCommand = item;
            const indPending pending = Send(c);
            // The handler reports a command it carried out (Copy included) as a record change.
            if ((changes_ & ChangeFlags::Record) == 0) {
                why = "\"" + entry->caption + "\" changed nothing";
            }
            return pending;
        },
        name);
}
