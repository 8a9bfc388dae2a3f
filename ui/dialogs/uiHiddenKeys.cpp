#include "uiHiddenKeys.h"

#include <cctype>

#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"

namespace {

char Lower(char ch) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
}

// Appends ch and keeps the last limit characters.
void Slide(std::string& window, char ch, size_t limit) {
    window.push_back(ch);
    if (window.size() > limit) {
        window.erase(0, window.size() - limit);
    }
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return !tail.empty() && text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

uiHiddenKeys::uiHiddenKeys(cmcGTex& texts, std::function<void()> enterMakerMode)
    : texts_(texts), enterMakerMode_(std::move(enterMakerMode)), notice_(NoticeSequence(texts)) {}

void uiHiddenKeys::KeyTyped(char ch) {
    const char lower = Lower(ch);
    Slide(accessWindow_, lower, AccessLength);
    Slide(history_, lower, HistoryLength);
    if (accessWindow_ == AccessWord && enterMakerMode_) {
        enterMakerMode_();
    }
    if (EndsWith(history_, notice_)) {
        ShowNotice(texts_);
    }
}

std::string uiHiddenKeys::NoticeSequence(cmcGTex& texts) {
    std::string sequence;
    for (char ch : texts.GetText("GI_Sys_Maker", 0)) {
        if (ch != ' ' && ch != '\t' && sequence.size() < HistoryLength) {
            sequence.push_back(Lower(ch));
        }
    }
    return sequence;
}

void uiHiddenKeys::ShowNotice(cmcGTex& texts) {
    CurrentMessageBoxHost().Show(ProgramFileName(), texts.GetLines("GI_App_About_Notice"),
                                 cmcMbButtons::Ok, cmcMbIcon::None);
}
