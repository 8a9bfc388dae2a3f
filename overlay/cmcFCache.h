#pragma once
// The cache of choice tables: for a cells section ("<base>_Cells") and a cell
// item, the values its cells carry (their index) and the texts shown for
// them, built on first use and kept until the cache goes.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cmcHash.h"

class cmcGTex;

struct cmcChoiceEntry {
    int row = 0;
    int column = 0;
    int32_t value = 0;
    std::string text;  // the cell's param if it has one, else its display text
    // A placeholder (a cell the cursor cannot rest on, e.g. "(n/a)") only names
    // a value the field can hold; it is never chosen.
    bool choosable = true;
};

// Whether the entry may be chosen, by a pop-up list or a step.
inline bool IsChoosable(const cmcChoiceEntry& e) {
    return e.choosable;
}

struct cmcChoiceTable {
    int rows = 0;
    int columns = 0;
    std::vector<cmcChoiceEntry> byValue;     // ascending by value, stable
    std::vector<cmcChoiceEntry> byPosition;  // column-major, stable
    size_t Count() const { return byValue.size(); }
};

class cmcFCache {
  public:
    // Sections are read from texts, by default the program-wide text table.
    explicit cmcFCache(cmcGTex* texts = nullptr);
    ~cmcFCache();
    cmcFCache(const cmcFCache&) = delete;
    cmcFCache& operator=(const cmcFCache&) = delete;

    // The text for value, or "error" when the table has none.
    std::string GetChoiceText(const std::string& base, int item, int32_t value);
    // Whether the table has an entry for value that can be chosen (IsChoosable).
    bool CanChoose(const std::string& base, int item, int32_t value);
    // The value step places from value in display order, wrapping around and
    // passing over entries that cannot be chosen. False when the table has not
    // been built or holds no entry that can be chosen.
    bool StepChoice(const std::string& base, int item, int32_t value, int step, int32_t& result);

    // The table, built when needed (drop-down lists show it).
    const cmcChoiceTable& Table(const std::string& base, int item);
    // The table if it has been built.
    const cmcChoiceTable* FindTable(const std::string& base, int item) const;

  private:
    cmcChoiceTable* Build(const std::string& base, int item);

    cmcGTex* texts_;
    cmcHash2 index_;
    std::vector<std::unique_ptr<cmcChoiceTable>> tables_;
};
