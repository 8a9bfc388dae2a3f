#pragma once
// The item handler over the delivered overlay and a model type's template
// image, with helpers for the requests a sheet sends: keys, typed text and
// pop-up answers.

#include <string>
#include <vector>

#include "HandlerFixture.h"

class SettingsFixture : public HandlerFixture {
  public:
    explicit SettingsFixture(int modelType = ModelPmr);

    // The working image becomes a copy of the model type's template file.
    void LoadTemplate(int modelType);
    // A display-only query; returns the text.
    std::string Show(int category, int item, int row);
    // The answer of a pop-up list: the entry of entryKind with value was chosen.
    indPending Choose(int category, int item, int row, int entryKind, int32_t value);
    // A key or a typed text (when not empty) with notify set: the change flags
    // passed to OnChange (0 when it was not called); the handler's answer in pending.
    int Notified(int category, int item, int row, int32_t key, const std::string& text = "",
                 indPending* pending = nullptr);

    int Word(int address) const {
        return working.GetByte(address) << 8 | working.GetByte(address + 1);
    }
    void SetWord(int address, int value);
    int Byte(int address) const { return working.GetByte(address); }

    bool makerMode = false;
    bool MakerMode() override { return makerMode; }

  private:
    cmcCellObj subCell_;
    indCellCapsule subCapsule_;
};

// The lines of the delivered overlay file.
const std::vector<std::string>& DeliveredOverlay();
