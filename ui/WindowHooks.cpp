#include "WindowHooks.h"

#include "Icons.h"
#include "OverlayStyle.h"
#include "cuiInformation.h"
#include "uiAboutBox.h"
#include "uiCloneProgress.h"
#include "uiCompareList.h"
#include "uiFleetDialog.h"
#include "uiHiddenKeys.h"
#include "uiPortDialog.h"
#include "uiProblemList.h"

namespace WindowHooks {

static_assert(TreeWarningMark == Icons::TreeWarningMark && TreeErrorMark == Icons::TreeErrorMark);

QIcon ApplicationIcon() {
    return Icons::Application();
}

QIcon TreeIcon(int index) {
    return Icons::Tree(index);
}

QIcon ToolBarIcon(int index) {
    return Icons::ToolBar(index);
}

QFont CellFont(const cmcCellObj& cell) {
    return OverlayStyle::OverlayFont(OverlayStyle::CellFont(cell));
}

QColor Colour(uint32_t colour, const QPalette& palette) {
    return OverlayStyle::OverlayColor(colour, palette);
}

void ShowList(QWidget* owner, const std::string& title, const std::string& message,
              const std::vector<std::string>& lines) {
    uiProblemList list(title, message, lines, owner);
    list.exec();
}

void ShowComparison(QWidget* owner, const indCompareResult& result, const std::string& otherName,
                    std::function<void(const std::string&, int, int)> openCell) {
    auto* list = new uiCompareList(result, otherName, std::move(openCell), owner);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->show();
}

bool AskPortNumber(QWidget* owner, cmcGTex& texts, int& port) {
    const std::optional<int> chosen = SelectPortNumber(owner, texts, port);
    if (chosen) {
        port = *chosen;
    }
    return chosen.has_value();
}

void ShowAbout(QWidget* mainWindow, cmcGTex& texts, std::function<void()> enterMakerMode) {
    auto keys = std::make_shared<uiHiddenKeys>(texts, std::move(enterMakerMode));
    ShowAboutBox(mainWindow, texts, [keys](char c) { keys->KeyTyped(c); });
}

void ShowCloneInfo(QWidget* mainWindow, indDocumentContext& context) {
    ShowCloneInformation(mainWindow, context);
}

void ShowFleetWrite(QWidget* mainWindow, const indFleetSetup& proposal) {
    uiFleetDialog dialog(proposal, mainWindow);
    dialog.exec();
}

std::unique_ptr<indCloneManHost> MakeProgressHost(QWidget* mainWindow, cmcGTex& texts) {
    return std::make_unique<uiCloneProgressHost>(mainWindow, texts);
}

}  // namespace WindowHooks
