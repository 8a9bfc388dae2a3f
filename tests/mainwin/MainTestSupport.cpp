#include "MainTestSupport.h"

#include "CellParser.h"
#include "ClfResult.h"
#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcGTex.h"
#include "indDocument.h"

namespace {

bool Next(std::deque<std::string>& answers, std::string& path) {
    if (answers.empty()) {
        return false;
    }
    path = answers.front();
    answers.pop_front();
    return !path.empty();
}

}  // namespace

bool RecordingView::ChooseOpenFile(const std::string&, std::string& path) {
    return Next(files, path);
}

bool RecordingView::ChooseSaveFile(const std::string&, const std::string&, std::string& path) {
    return Next(files, path);
}

bool RecordingView::AskPortNumber(int& port) {
    if (ports.empty()) {
        return false;
    }
    const int answer = ports.front();
    ports.pop_front();
    if (answer == 0) {
        return false;
    }
    port = answer;
    return true;
}

void RecordingView::SetWindowEnabled(bool on) {
    disabledTimes += on ? 0 : 1;
    enabled = on;
}

cmcCellObj MenuCell(const std::string& definition) {
    cmcCellObj cell;
    ParseCell(definition, cell, nullptr, nullptr, false, &GTex());
    return cell;
}

cmcCellObj CommandCell(const std::string& item, int index) {
    return MenuCell("{(%CT_Null." + item + "[" + std::to_string(index) + "])}");
}

bool ReadImageFile(const std::string& path, cmcEeprom& image) {
    image.Resize(MemoryMap::ImageSize);
    return indDocument::LoadTemplateFile(path, image) == ClfOk;
}
