// edit FILE -o OUT -s REF (--at ROW,COL | --item NAME[INDEX]) ACTION...
// Applies the actions in order to a cell of the last selected sheet, as the
// window would, and saves the image to OUT through the normal save path.

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <string>
#include <vector>

#include "CellNames.h"
#include "cliArgs.h"
#include "cliCommand.h"
#include "cliOutputPath.h"
#include "cliSheetSession.h"
#include "cmcExcerpt.h"
#include "cmcFCache.h"
#include "cmcGTex.h"
#include "cmcInternalError.h"
#include "cmcMessageBox.h"
#include "cuiSheetChoice.h"
#include "indValueText.h"

namespace {

// Questions are answered by the --yes / --no given before the action that asks
// them; a question without an answer is refused. Every box is written to stderr.
class EditMessageHost : public cmcMessageBoxHost {
  public:
    cmcMbResult Show(const std::string& /*caption*/, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon icon) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        if (buttons == cmcMbButtons::Ok) {
            stopShown = stopShown || icon == cmcMbIcon::Stop;
            return cmcMbResult::Ok;
        }
        if (answers.empty()) {
            refused = true;
            return SafeAnswer(buttons);
        }
        const bool yes = answers.front();
        answers.pop_front();
        if (!yes) {
            return SafeAnswer(buttons);
        }
        return buttons == cmcMbButtons::OkCancel ? cmcMbResult::Ok : cmcMbResult::Yes;
    }

    std::deque<bool> answers;
    bool refused = false;
    bool stopShown = false;
};

struct PopupCommandName {
    const char* name;
    int item;
};
constexpr PopupCommandName kPopupCommands[] = {
    {"copy", CL_PMenu_Copy},        {"paste", CL_PMenu_Paste},
    {"carry-up", CL_PMenu_CarryUp}, {"carry-down", CL_PMenu_CarryDown},
    {"clear", CL_PMenu_Clear},      {"delete", CL_PMenu_Delete},
    {"insert", CL_PMenu_Insert},
};

class EditRun {
  public:
    EditRun(cliSheetSession& session, EditMessageHost& host) : s_(session), host_(host) {}

    // One word of the command line (with its value when it takes one); false stops the run.
    bool Step(const std::string& word, const std::string& value);
    bool AllAccepted() const { return accepted_; }

  private:
    bool Fail(const std::string& why) {
        std::fprintf(stderr, "orvane-cli edit: %s\n", why.c_str());
        accepted_ = false;
        return false;
    }
    bool HaveCell() const { return s_.Sheet() != nullptr && haveCell_; }
    bool SelectAt(const std::string& value);
    bool SelectItem(const std::string& value);
    // Sends a request to the current cell and follows redirects as the window does.
    uint8_t Send(indCellCapsule& capsule);
    bool Key(const std::string& value);
    bool Type(const std::string& text);
    bool Choose(const std::string& value);
    bool Command(const std::string& value);
    void StartAction() {
        host_.refused = false;
        host_.stopShown = false;
    }
    bool FinishAction(const std::string& what) {
        if (host_.refused || host_.stopShown) {
            return Fail(what + " was not accepted");
        }
        return true;
    }

    cliSheetSession& s_;
    EditMessageHost& host_;
    bool haveCell_ = false;
    bool accepted_ = true;
    indPopupRequest popup_;  // the pop-up the last request opened
};

bool EditRun::SelectAt(const std::string& value) {
    const auto at = ParseRowCol(value);
    if (!at) {
        return Fail("--at takes ROW,COL (two whole numbers), not " + QuoteExcerpt(value));
    }
    const auto [row, col] = *at;
    cuiSheet& sheet = *s_.Sheet();
    if (row < 0 || col < 0 || row >= sheet.Rows() || col >= sheet.Columns()) {
        return Fail("no cell at " + QuoteExcerpt(value));
    }
    sheet.SetCurrent({row, col});
    haveCell_ = true;
    popup_ = {};
    return true;
}

bool EditRun::SelectItem(const std::string& value) {
    const auto ref = ParseItemRef(value);
    if (!ref) {
        return Fail("--item takes NAME[INDEX] (INDEX a whole number), not " + QuoteExcerpt(value));
    }
    const std::string& name = ref->name;
    const int32_t index = ref->index;
    int item = kNoCellItem;
    for (int i = 0; i < kCellItemCount; ++i) {
        if (CellItemName(i) == name) {
            item = i;
        }
    }
    const auto pos = item == kNoCellItem ? std::nullopt : s_.Sheet()->FindCell(item, index);
    if (!pos) {
        return Fail("no selectable cell " + QuoteExcerpt(value) + " on the sheet");
    }
    s_.Sheet()->SetCurrent(*pos);
    haveCell_ = true;
    popup_ = {};
    return true;
}

uint8_t EditRun::Send(indCellCapsule& capsule) {
    cuiSheet& sheet = *s_.Sheet();
    const cuiCellPos at = sheet.Current();
    const int32_t key = capsule.Key;
    uint8_t pending = s_.Request(at.row, at.col, capsule);
    if (capsule.Redirect != 0) {
        const auto target =
            sheet.FindCell(capsule.RedirCategory, capsule.RedirItem, capsule.RedirRow);
        if (target) {
            sheet.SetCurrent(*target);
            if (capsule.RedirKey != 0 && key != 0) {
                indCellCapsule again;
                again.Key = capsule.RedirKey;
                pending = s_.Request(target->row, target->col, again);
                capsule = again;
            }
        }
    }
    popup_ = pending == 1 ? capsule.Popup : indPopupRequest{};
    return pending;
}

bool EditRun::Key(const std::string& value) {
    int32_t key = 0;
    if (value == "space") {
        key = Keys::Space;
    } else if (value == "backspace") {
        key = Keys::Backspace;
    } else if (value == "enter") {
        key = Keys::Enter;
    } else if (value.size() == 1 && value[0] > 32 && value[0] < 127) {
        key = value[0];
    } else {
        return Fail("--key takes space, backspace, enter or one character");
    }
    StartAction();
    indCellCapsule c;
    c.Key = key;
    Send(c);
    return FinishAction("--key " + QuoteExcerpt(value));
}

bool EditRun::Type(const std::string& text) {
    StartAction();
    indCellCapsule c;
    c.EditResult = 1;
    c.InputText = text;
    int changes = 0;
    c.OnChange = [&changes](indCellCapsule&, int flags) { changes |= flags; };
    Send(c);
    // Taken when the image changed, or when the cell shows what was typed.
    const bool taken =
        (changes & ChangeFlags::Record) != 0 ||
        ValueText::Upper(ValueText::Trim(c.DisplayText)) == ValueText::Upper(ValueText::Trim(text));
    if (!taken) {
        return Fail(QuoteExcerpt(text) + " was not accepted; the cell shows " +
                    QuoteExcerpt(c.DisplayText));
    }
    return FinishAction("--type " + QuoteExcerpt(text));
}

bool EditRun::Choose(const std::string& value) {
    StartAction();
    if (popup_.kind == indPopupRequest::Kind::None) {
        indCellCapsule open;
        open.Key = Keys::Enter;
        Send(open);
    }
    indCellCapsule c;
    if (popup_.kind == indPopupRequest::Kind::FlagBits) {
        c.EditResult = 2;
        c.InputText = value;
        Send(c);
        return FinishAction("--choose " + QuoteExcerpt(value));
    }
    if (popup_.kind != indPopupRequest::Kind::ChoiceList) {
        return Fail("the cell opens no choice list");
    }
    const auto chosen = StrictInt(value, INT32_MIN, INT32_MAX);
    if (!chosen) {
        return Fail("--choose takes the value of a list entry (a whole number), not " +
                    QuoteExcerpt(value));
    }
    const int32_t v = *chosen;
    // The entry: a cell of the list with that value, of the list's entry kind or a special one.
    cmcFCache& lists = s_.Context().Lists();
    int kind = -1;
    for (int k : {popup_.entryKind, static_cast<int>(FlexDtcs), static_cast<int>(FlexKeyOpt)}) {
        const cmcChoiceTable& t = lists.Table(popup_.list, k);
        for (const cmcChoiceEntry& e : t.byValue) {
            if (kind < 0 && e.value == v) {
                kind = k;
            }
        }
    }
    if (kind < 0) {
        return Fail("the list " + popup_.list + " has no entry " + QuoteExcerpt(value));
    }
    cmcCellObj entry;
    entry.item = kind;
    entry.index = v;
    indCellCapsule sub;
    sub.Cell = &entry;
    c.EditResult = 2;
    c.SubCell = &sub;
    Send(c);
    return FinishAction("--choose " + QuoteExcerpt(value));
}

bool EditRun::Command(const std::string& value) {
    for (const PopupCommandName& p : kPopupCommands) {
        if (value == p.name) {
            StartAction();
            indCellCapsule c;
            c.PopupCommand = p.item;
            Send(c);
            return FinishAction("--command " + QuoteExcerpt(value));
        }
    }
    return Fail("unknown command " + QuoteExcerpt(value));
}

bool EditRun::Step(const std::string& word, const std::string& value) {
    if (word == "-s") {
        haveCell_ = false;
        const std::string why = WhyNoSheet(GTex(), s_.Context().ModelType(), value);
        return (why.empty() && s_.ShowSheet(value)) || Fail(why);
    }
    if (word == "--yes" || word == "--no") {
        host_.answers.push_back(word == "--yes");
        return true;
    }
    if (s_.Sheet() == nullptr) {
        return Fail(word + " needs a sheet first (-s REF)");
    }
    if (word == "--at") {
        return SelectAt(value);
    }
    if (word == "--item") {
        return SelectItem(value);
    }
    if (!HaveCell()) {
        return Fail(word + " needs a cell first (--at or --item)");
    }
    if (word == "--type") {
        return Type(value);
    }
    if (word == "--key") {
        return Key(value);
    }
    if (word == "--choose") {
        return Choose(value);
    }
    return Command(value);
}

bool TakesValue(const std::string& word) {
    for (const char* w :
         {"-o", "-s", "--at", "--item", "--type", "--key", "--choose", "--command"}) {
        if (word == w) {
            return true;
        }
    }
    return false;
}

}  // namespace

int CmdEdit(const cliArgs& args) {
    // FILE, then words with their values in order.
    struct Word {
        std::string word;
        std::string value;
    };
    const std::vector<std::string>& w = args.words;
    std::vector<Word> words;
    std::string file, out;
    for (size_t i = 0; i < w.size(); ++i) {
        if (TakesValue(w[i])) {
            if (i + 1 >= w.size()) {
                std::fprintf(stderr, "orvane-cli edit: %s needs a value\n", w[i].c_str());
                return ExitUsage;
            }
            if (w[i] == "-o") {
                out = w[i + 1];
            } else {
                words.push_back({w[i], w[i + 1]});
            }
            ++i;
        } else if (w[i] == "--yes" || w[i] == "--no") {
            words.push_back({w[i], ""});
        } else if (file.empty() && !w[i].starts_with("-")) {
            file = w[i];
        } else {
            std::fprintf(stderr, "orvane-cli edit: unexpected '%s'\n", w[i].c_str());
            return ExitUsage;
        }
    }
    if (file.empty() || out.empty()) {
        std::fprintf(stderr, "orvane-cli edit: FILE and -o OUT are required\n");
        return ExitUsage;
    }
    if (!OutputSparesInputs("edit", out, {file})) {
        return ExitUsage;
    }
    EditMessageHost host;
    cmcMessageBoxHost* previous = SetCurrentMessageBoxHost(&host);
    int status = 0;
    {
        cliSheetSession session;
        status = session.Open(file);
        if (status == 0) {
            EditRun run(session, host);
            for (const Word& word : words) {
                if (!run.Step(word.word, word.value)) {
                    break;
                }
            }
            status = run.AllAccepted() ? 0 : 1;
            if (status == 0 && !session.Document().SaveToFile(out)) {
                status = 2;
            }
        }
    }
    SetCurrentMessageBoxHost(previous);
    return status;
}
