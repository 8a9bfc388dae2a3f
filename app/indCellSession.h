#pragma once
// The one way a front end acts on a cell of a sheet: a key, the in-place
// editor's text, a choice-list entry, the flag-bit pop-up's answer or a row
// command of the pop-up menu. Each goes through the item handler as the sheet
// sends it (redirects and follow-up keys included) and returns what happened
// as a value: the window opens the editor or a pop-up when told to, the
// command line prints and sets its exit status.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "cuiSheet.h"
#include "indCellCapsule.h"
#include "indUndoHistory.h"

class indDocumentContext;
class cuiGridCursor;

enum class indCellOutcome : uint8_t {
    Done,          // carried out; the cell shows what was asked
    EditorOpened,  // the in-place editor is to open (EditText, CaretPos, SelLength)
    PopupOpened,   // a choice list or the flag-bit pop-up is to open (Popup)
    Refused,       // nothing was done; Message says why
    Cancelled,     // a question was answered with its refusing choice; nothing was done
};

struct indCellResult {
    indCellOutcome outcome = indCellOutcome::Done;
    std::string message;    // Refused: the box that was shown, or what went wrong
    std::string shown;      // the current cell's text afterwards
    bool changed = false;   // the working image changed
    indPopupRequest popup;  // PopupOpened
    std::string editText;   // EditorOpened: the editor's text, caret and selection
    int32_t caretPos = 0;
    int32_t selLength = 0;
    // EditorOpened on a radio-text or user-character cell: the editor is the
    // text editor pop-up or the dot editor.
    indRadioPreview radio;

    // Carried out, or waiting for the editor or pop-up it opened.
    bool Accepted() const {
        return outcome != indCellOutcome::Refused && outcome != indCellOutcome::Cancelled;
    }
};

// An entry of a cell's pop-up menu as the menu would show it.
struct indMenuEntry {
    int item = 0;
    std::string caption;
    bool enabled = false;
    bool hidden = false;
};

// Delivers the events posted so far, and those their listeners post in turn.
void PumpPostedEvents();

class indCellSession {
  public:
    // Acts on the sheet's current cell. pump runs after every request to the
    // handler (by default PumpPostedEvents).
    indCellSession(cuiSheet& sheet, indDocumentContext& context,
                   std::function<void()> pump = PumpPostedEvents);

    // With a cursor, redirects move it (selection included) and requests carry
    // its row range; without one they move the sheet's current cell.
    void SetCursor(cuiGridCursor* cursor) { cursor_ = cursor; }
    // Called before each follow-up key of a run (step 0, 1, ...): the window
    // repaints and waits there.
    void SetStepHook(std::function<void(int step)> hook) { stepHook_ = std::move(hook); }

    // A key on the current cell: printable codes, Enter (13), space,
    // backspace, 256 (double click) or a key code shifted left by 8.
    indCellResult Key(int32_t key);
    // What the in-place editor commits (Enter with its text).
    indCellResult Commit(const std::string& text);
    // The entry with that value of the choice list the cell opens (opening it
    // first unless the last action left it open).
    indCellResult Choose(int32_t value);
    // An entry of the open choice list, as its pop-up sheet prepared it.
    indCellResult Answer(indCellCapsule& entry);
    // The flag-bit pop-up's answer: bits as the cell shows them, the first
    // position in the highest bit (opening the pop-up first when needed).
    indCellResult SetFlagBits(int32_t bits);
    // Types a text into the current cell as a user would: the in-place
    // editor's commit, else the entry of the cell's choice list with that
    // text, else the flag-bit pattern. A cell already showing the text is left
    // alone. A refused text may have left a change behind (a blank channel
    // taken into use): the caller that needs all or nothing puts the image back.
    indCellResult Type(const std::string& text);
    // A row command of the pop-up menu (CL_PMenu_Copy ... CL_PMenu_Insert).
    indCellResult RowCommand(int item);

    // The current cell's pop-up menu, each entry asked for its state.
    std::vector<indMenuEntry> PopupMenu();
    // The pop-up the last action opened (Kind::None when none is open).
    const indPopupRequest& OpenPopup() const { return popup_; }
    void ClosePopup() { popup_ = {}; }
    // The current cell's text.
    std::string Shown();

  private:
    // Prepares a capsule for the current cell and sends it; follows redirects
    // and follow-up keys as the sheet does.
    indPending Send(indCellCapsule& capsule);
    indPending SendOnce(indCellCapsule& capsule);
    void Prepare(indCellCapsule& capsule);
    void MoveTo(const cuiCellPos& pos);
    // Whether the current cell already shows the text (numbers by value).
    bool ShowsAlready(const std::string& text);
    // Judges an action: opened editor or pop-up, else done when taken(),
    // else cancelled or refused.
    // Inside one undo step, named stepName or else after the current cell
    // (the name is only made by the outermost step, the one that records).
    template <class Act>
    indCellResult Run(Act act, const std::string& stepName = {});
    // The current cell as an undo step names and places it.
    std::string CellName();
    indUndoPlace Place() const;

    cuiSheet& sheet_;
    indDocumentContext& context_;
    std::function<void()> pump_;
    std::function<void(int)> stepHook_;
    cuiGridCursor* cursor_ = nullptr;
    indPopupRequest popup_;
    int changes_ = 0;  // the change flags the handler reported during an action
};
