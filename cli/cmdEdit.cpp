// edit FILE -o OUT -s SHEET (--at ROW,COL | --item NAME[INDEX] | --cell HEADING ROW) ACTION...
// Applies the actions in order to a cell of the last selected sheet through
// its cell session, as the window does, and saves the image to OUT through the
// normal save path; an action that is refused or cancelled writes nothing.

#include <climits>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "ArgParse.h"
#include "CellLookup.h"
#include "CellNames.h"
#include "Codec.h"
#include "Excerpt.h"
#include "OutputPath.h"
#include "SheetArgument.h"
#include "ValueText.h"
#include "cliCommand.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "indSheetSession.h"

namespace {

// Questions are answered by the --yes / --no given before the action that asks
// them; a question without an answer gets its refusing choice. Every box is
// written to stderr.
class EditMessageHost : public cmcMessageBoxHost {
  public:
    cmcMbResult Show(const std::string& /*caption*/, const std::string& text, cmcMbButtons buttons,
                     cmcMbIcon /*icon*/) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        if (buttons == cmcMbButtons::Ok) {
            return cmcMbResult::Ok;
        }
        if (answers.empty()) {
            unanswered = true;
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
    bool unanswered = false;
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

// A pattern as a flag-bit cell shows it: for each position from first on its
// last digit when set, "_" when not; positions left out up to last are not set.
bool IsFlagPattern(const std::string& pattern, int first, int last) {
    if (pattern.empty() || static_cast<int>(pattern.size()) > last - first + 1) {
        return false;
    }
    for (int i = 0; i < static_cast<int>(pattern.size()); ++i) {
        const char ch = pattern[static_cast<size_t>(i)];
        if (ch != '_' && ch != static_cast<char>('0' + (first + i) % 10)) {
            return false;
        }
    }
    return true;
}

// The actions of the command line, each handed to the sheet's cell session.
class EditRun {
  public:
    EditRun(indSheetSession& session, EditMessageHost& host) : s_(session), host_(host) {}

    // One word of the command line (with its value when it takes one); false stops the run.
    bool Step(const std::string& word, const std::string& value, const std::string& row = "");
    // At the end of the run: an editor or pop-up left open fails the run.
    bool Finish() { return unfinished_.empty() || Fail(unfinished_); }
    // The exit status of the run: Ok, Refused, or what a sheet name failed with.
    int Status() const {
        return status_ != ExitStatus::Ok ? status_
               : accepted_               ? ExitStatus::Ok
                                         : ExitStatus::Refused;
    }

  private:
    bool Fail(const std::string& why) {
        std::fprintf(stderr, "orvane-cli edit: %s\n", why.c_str());
        accepted_ = false;
        return false;
    }
    bool HaveCell() const { return s_.Sheet() != nullptr && haveCell_; }
    bool SelectAt(const std::string& value);
    bool SelectItem(const std::string& value);
    bool SelectCell(const std::string& heading, const std::string& row);
    bool Select(cuiCellPos pos);
    bool Key(const std::string& value);
    bool Choose(const std::string& value);
    bool Command(const std::string& value);
    // Reports a refused or cancelled action; notes an editor or pop-up it opened.
    bool Report(const std::string& what, const indCellResult& result);
    void NoteOpened(const std::string& what, const indCellResult& result);

    indSheetSession& s_;
    EditMessageHost& host_;
    bool haveCell_ = false;
    bool accepted_ = true;
    int status_ = ExitStatus::Ok;
    // What the last action left open and the word that finishes it, or "".
    std::string unfinished_;
    std::string finisher_;
};

void EditRun::NoteOpened(const std::string& what, const indCellResult& result) {
    unfinished_.clear();
    finisher_.clear();
    if (result.outcome == indCellOutcome::EditorOpened) {
        finisher_ = "--type";
        unfinished_ = what + " opened the in-place editor; --type must follow";
    } else if (result.outcome == indCellOutcome::PopupOpened) {
        finisher_ = "--choose";
        unfinished_ = what + " opened a pop-up; --choose must follow";
    }
}

bool EditRun::Report(const std::string& what, const indCellResult& result) {
    NoteOpened(what, result);
    if (result.Accepted()) {
        return true;
    }
    if (result.outcome == indCellOutcome::Cancelled) {
        return Fail(what + " was cancelled" +
                    (host_.unanswered ? " (a question needs --yes or --no)" : ""));
    }
    return Fail(what + ": " + result.message);
}

bool EditRun::SelectAt(const std::string& value) {
    const auto at = ArgParse::ParseRowCol(value);
    if (!at) {
        return Fail("--at takes ROW,COL (two whole numbers), not " + Excerpt::QuoteExcerpt(value));
    }
    const auto [row, col] = *at;
    cuiSheet& sheet = *s_.Sheet();
    if (row < 0 || col < 0 || row >= sheet.Rows() || col >= sheet.Columns()) {
        return Fail("no cell at " + Excerpt::QuoteExcerpt(value));
    }
    return Select({row, col});
}

bool EditRun::SelectItem(const std::string& value) {
    const auto ref = ArgParse::ParseItemRef(value);
    if (!ref) {
        return Fail("--item takes NAME[INDEX] (INDEX a whole number), not " +
                    Excerpt::QuoteExcerpt(value));
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
        return Fail("no selectable cell " + Excerpt::QuoteExcerpt(value) + " on the sheet");
    }
    return Select(*pos);
}

bool EditRun::Select(cuiCellPos pos) {
    s_.Sheet()->SetCurrent(pos);
    s_.Cells()->ClosePopup();
    haveCell_ = true;
    return true;
}

bool EditRun::SelectCell(const std::string& heading, const std::string& row) {
    cuiSheet& sheet = *s_.Sheet();
    const cuiCellGrid grid{sheet.Rows(),
                           sheet.Columns(),
                           sheet.FixedRows(),
                           sheet.FixedCols(),
                           [this](int r, int c) {
                               uint8_t flags = 0;
                               return s_.CellText(r, c, flags);
                           },
                           [&sheet](int r, int c) { return sheet.Cell(r, c).Selectable(); }};
    const cuiCellLookup cell = CellLookup::FindCellByHeading(grid, heading, row);
    if (cell.result == cuiCellNameResult::Ambiguous) {
        status_ = ExitStatus::Ambiguous;
    }
    return cell.result == cuiCellNameResult::Found ? Select(cell.pos) : Fail(cell.message);
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
    return Report("--key " + Excerpt::QuoteExcerpt(value), s_.Cells()->Key(key));
}

// VALUE is the entry's value in a choice list; in the flag-bit pop-up it is
// the pattern the cell shows ("1_3" sets positions 1 and 3 of 1..3).
bool EditRun::Choose(const std::string& value) {
    indCellSession& cells = *s_.Cells();
    if (cells.OpenPopup().kind == indPopupRequest::Kind::None) {
        const indCellResult opened = cells.Key(Keys::Enter);
        if (opened.outcome != indCellOutcome::PopupOpened) {
            return Fail("--choose " + Excerpt::QuoteExcerpt(value) +
                        ": the cell opens no choice list");
        }
    }
    const indPopupRequest popup = cells.OpenPopup();
    if (popup.kind == indPopupRequest::Kind::FlagBits) {
        const std::string pattern = ValueText::Trim(value);
        if (!IsFlagPattern(pattern, popup.first, popup.last)) {
            return Fail("--choose " + Excerpt::QuoteExcerpt(value) +
                        ": the cell takes a pattern of positions " + std::to_string(popup.first) +
                        " to " + std::to_string(popup.last) +
                        " as it shows them, a digit or _ for each");
        }
        return Report(
            "--choose " + Excerpt::QuoteExcerpt(value),
            cells.SetFlagBits(Codec::FlagBitsFromPattern(pattern, popup.first, popup.last)));
    }
    const auto entry = ArgParse::StrictInt(value, INT32_MIN, INT32_MAX);
    if (!entry) {
        return Fail("--choose takes the value of a list entry (a whole number), not " +
                    Excerpt::QuoteExcerpt(value));
    }
    return Report("--choose " + Excerpt::QuoteExcerpt(value), cells.Choose(*entry));
}

bool EditRun::Command(const std::string& value) {
    for (const PopupCommandName& p : kPopupCommands) {
        if (value == p.name) {
            return Report("--command " + Excerpt::QuoteExcerpt(value),
                          s_.Cells()->RowCommand(p.item));
        }
    }
    return Fail("unknown command " + Excerpt::QuoteExcerpt(value));
}

bool EditRun::Step(const std::string& word, const std::string& value, const std::string& row) {
    if (word == "-s") {
        haveCell_ = false;
        const auto reference =
            SheetArgument::ResolveCliSheet("edit", s_, value, ExitStatus::Refused, status_);
        if (!reference) {
            accepted_ = false;
            return false;
        }
        return s_.ShowSheet(*reference) || Fail("the sheet " + *reference + " cannot be shown");
    }
    if (word == "--yes" || word == "--no") {
        host_.answers.push_back(word == "--yes");
        return true;
    }
    if (!unfinished_.empty() && word != finisher_) {
        return Fail(unfinished_);
    }
    if (s_.Sheet() == nullptr) {
        return Fail(word + " needs a sheet first (-s SHEET)");
    }
    if (word == "--at") {
        return SelectAt(value);
    }
    if (word == "--item") {
        return SelectItem(value);
    }
    if (word == "--cell") {
        return SelectCell(value, row);
    }
    if (!HaveCell()) {
        return Fail(word + " needs a cell first (--at, --item or --cell)");
    }
    if (word == "--type") {
        const indCellResult r = s_.Cells()->Commit(value);
        NoteOpened("--type " + Excerpt::QuoteExcerpt(value), r);
        return r.Accepted() || Fail(r.message);
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
        std::string row;  // --cell: the second value
    };
    const std::vector<std::string>& w = args.words;
    std::vector<Word> words;
    std::string file, out;
    for (size_t i = 0; i < w.size(); ++i) {
        if (w[i] == "--cell") {
            if (i + 2 >= w.size()) {
                std::fprintf(stderr, "orvane-cli edit: --cell needs a column heading and a row\n");
                return ExitUsage;
            }
            words.push_back({w[i], w[i + 1], w[i + 2]});
            i += 2;
        } else if (TakesValue(w[i])) {
            if (i + 1 >= w.size()) {
                std::fprintf(stderr, "orvane-cli edit: %s needs a value\n", w[i].c_str());
                return ExitUsage;
            }
            if (w[i] == "-o") {
                out = w[i + 1];
            } else {
                words.push_back({w[i], w[i + 1], ""});
            }
            ++i;
        } else if (w[i] == "--yes" || w[i] == "--no") {
            words.push_back({w[i], "", ""});
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
    if (!OutputPath::OutputSparesInputs("edit", out, {file})) {
        return ExitUsage;
    }
    EditMessageHost host;
    cmcMessageBoxHost* previous = SetCurrentMessageBoxHost(&host);
    int status = ExitStatus::Ok;
    {
        indSheetSession session;
        status = ExitStatus::ForCloneFile(session.Open(file));
        if (status == ExitStatus::Ok) {
            EditRun run(session, host);
            bool going = true;
            for (const Word& word : words) {
                going = run.Step(word.word, word.value, word.row);
                if (!going) {
                    break;
                }
            }
            if (going) {
                run.Finish();
            }
            status = run.Status();
            if (status == ExitStatus::Ok && !session.Document().SaveToFile(out)) {
                status = ExitStatus::FileFailed;
            }
        }
    }
    SetCurrentMessageBoxHost(previous);
    return status;
}
