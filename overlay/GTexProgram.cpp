// The program-wide text table and the user message box captioned from it.

#include "DataDirectory.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"

namespace {

cmcGTex* g_replacement = nullptr;

cmcGTex& DefaultGTex() {
    static cmcGTex table;
    static const bool sourceSet = table.SetFile(DefaultOverlayPath());
    (void)sourceSet;
    return table;
}

}  // namespace

std::string DefaultOverlayPath() {
    return DataDirectory::DataDirectory() + DataDirectory::DataMarkerFile;
}

cmcGTex& GTex() {
    return g_replacement != nullptr ? *g_replacement : DefaultGTex();
}

cmcGTex* SetGTex(cmcGTex* table) {
    cmcGTex* previous = g_replacement;
    g_replacement = table;
    return previous;
}

cmcMbResult ShowMessage(const std::string& text, cmcMbButtons buttons, cmcMbIcon icon) {
    return CurrentMessageBoxHost().Show(GTex().GetText("GI_Sys_AppTitle"), text, buttons, icon);
}

std::string FillPattern(std::string pattern, std::initializer_list<std::string> values) {
    size_t from = 0;
    for (const std::string& value : values) {
        const auto at = pattern.find("%s", from);
        if (at == std::string::npos) {
            break;
        }
        pattern.replace(at, 2, value);
        from = at + value.size();
    }
    return pattern;
}
