#pragma once
// Undo and redo of the working image. Each step keeps only the bytes that
// changed (their values before and after), its name as the Edit menu shows
// it, the cell it changed and the model type on both sides. The oldest steps
// go once all steps together pass the memory budget. Steps nest: of nested
// Begin/End pairs only the outermost records one step.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class cmcEeprom;

// The cell a step changed: the sheet reference and the grid position.
struct indUndoPlace {
    std::string sheet;
    int row = -1;
    int col = -1;
};

struct indUndoRecord {
    struct Run {
        uint32_t address;
        uint32_t length;
    };
    std::string name;
    indUndoPlace place;
    int modelBefore = 0;
    int modelAfter = 0;
    int sizeBefore = 0;
    int sizeAfter = 0;
    std::vector<Run> runs;
    std::vector<uint8_t> bytes;  // per run: its bytes before, then its bytes after

    size_t Memory() const;
};

class indUndoHistory {
  public:
    static constexpr size_t DefaultBudget = size_t{16} << 20;

    explicit indUndoHistory(size_t budget = DefaultBudget) : budget_(budget) {}

    // Called whenever what Undo or Redo would do changes (the Edit menu follows).
    void SetListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // Opens a step over the image; true for the outermost (which keeps a copy).
    bool Begin(const cmcEeprom& image, int modelType, std::string name, indUndoPlace place);
    // Closes a step; the outermost records one when the image or the model changed.
    void End(const cmcEeprom& image, int modelType);
    bool InStep() const { return depth_ > 0; }
    // Called inside the outermost step: when it records one, the next step at
    // the same place joins it (a key that changed the image and opened the
    // editor or a pop-up, then what the editor or pop-up gave). Inside a nested
    // step it does nothing: the outer step (a paste, an import) is no key.
    void JoinNext() { joinAsked_ = depth_ == 1; }

    // Forgets every step; an open step then records nothing.
    void Clear();

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The name of the step Undo or Redo would take back ("" when none).
    std::string UndoName() const;
    std::string RedoName() const;
    // Puts the image as it was before (Undo) or after (Redo) the step and
    // returns the step, or nullptr when there is none.
    const indUndoRecord* Undo(cmcEeprom& image);
    const indUndoRecord* Redo(cmcEeprom& image);

    size_t UndoCount() const { return undo_.size(); }
    // The bytes the kept steps take.
    size_t MemoryUsed() const { return used_; }

  private:
    void Push(indUndoRecord record);
    void Changed();

    size_t budget_;
    std::function<void()> listener_;
    std::deque<indUndoRecord> undo_;
    std::vector<indUndoRecord> redo_;
    size_t used_ = 0;
    int depth_ = 0;
    bool abandoned_ = false;
    bool joinNext_ = false;
    bool joinAsked_ = false;
    std::vector<uint8_t> before_;
    int modelBefore_ = 0;
    std::string name_;
    indUndoPlace place_;
};
