#pragma once
// The key sequences typed while the About box is open: the access word
// "kestrel" (any letter case) asks for maker mode; a second sequence, made at
// run time from the maker's name, shows the maker's notice.

#include <functional>
#include <string>

class cmcGTex;

class uiHiddenKeys {
  public:
    static constexpr char AccessWord[] = "kestrel";
    static constexpr size_t AccessLength = sizeof(AccessWord) - 1;
    static constexpr size_t HistoryLength = 32;

    // enterMakerMode runs the maker-mode entry (its question, the panel, the tree).
    uiHiddenKeys(cmcGTex& texts, std::function<void()> enterMakerMode);

    // Every typed character, in order.
    void KeyTyped(char ch);

    // The second sequence: line 0 of "GI_Sys_Maker" without blanks, lower-cased,
    // at most HistoryLength characters.
    static std::string NoticeSequence(cmcGTex& texts);
    // The notice: all lines of "GI_App_About_Notice", captioned with the
    // program's file name, OK button.
    static void ShowNotice(cmcGTex& texts);

  private:
    cmcGTex& texts_;
    std::function<void()> enterMakerMode_;
    std::string accessWindow_;  // last AccessLength characters, lower-cased
    std::string history_;       // last HistoryLength characters, lower-cased
    std::string notice_;
};
