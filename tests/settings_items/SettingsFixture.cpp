#include "SettingsFixture.h"

#include <gtest/gtest.h>

#include <fstream>

#include "ClfResult.h"
#include "MemoryMap.h"
#include "cmcInternalErrorBox.h"
#include "indDocument.h"

const std::vector<std::string>& DeliveredOverlay() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> out;
        std::ifstream in(ProgramDirectory() + "ORVANE.OVL");
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            out.push_back(line);
        }
        return out;
    }();
    return lines;
}

SettingsFixture::SettingsFixture(int modelType) : HandlerFixture(&DeliveredOverlay()) {
    model = modelType;
}

void SettingsFixture::LoadTemplate(int modelType) {
    model = modelType;
    templ.Resize(MemoryMap::ImageSize);
    ASSERT_EQ(indDocument::LoadTemplateFile(indDocument::InitialFilePath(modelType), templ), ClfOk);
    working.Assign(templ);
}

std::string SettingsFixture::Show(int category, int item, int row) {
    Request(category, item, row, Keys::None);
    return capsule.DisplayText;
}

indPending SettingsFixture::Choose(int category, int item, int row, int entryKind, int32_t value) {
    Request(category, item, row, Keys::None);  // the cell and a capsule for it
    subCell_ = cmcCellObj{};
    subCell_.item = entryKind;
    subCell_.index = value;
    subCapsule_ = indCellCapsule{};
    subCapsule_.Cell = &subCell_;
    capsule.EditResult = indEditResult::PopupChoice;
    capsule.SubCell = &subCapsule_;
    return handler.HandleCell(capsule);
}

int SettingsFixture::Notified(int category, int item, int row, int32_t key, const std::string& text,
                              indPending* pending) {
    Request(category, item, row, Keys::None);
    capsule.Key = key;
    capsule.EditResult = text.empty() ? indEditResult::Key : indEditResult::EditorText;
    capsule.InputText = text;
    int flags = 0;
    capsule.OnChange = [&flags](indCellCapsule&, int changeFlags) { flags = changeFlags; };
    const indPending answer = handler.HandleCell(capsule, 1);
    if (pending != nullptr) {
        *pending = answer;
    }
    return flags;
}

void SettingsFixture::SetWord(int address, int value) {
    working.SetByte(address, static_cast<uint8_t>(value >> 8));
    working.SetByte(address + 1, static_cast<uint8_t>(value));
}
