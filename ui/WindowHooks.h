#pragma once
// What the main window takes from the dialog library (ui/dialogs): icons,
// overlay fonts and colours, the port-number dialog, the About box, the clone
// information window and the clone progress window. The window includes no
// header of that library; these calls are its one way in.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class cmcGTex;
class indCloneManHost;
class indDocumentContext;
struct cmcCellObj;
struct indFleetSetup;
struct indCompareResult;

namespace WindowHooks {

// Tree images with their overlay numbers; the warning and error marks are 8 and 9.
inline constexpr int TreeWarningMark = 8;
inline constexpr int TreeErrorMark = 9;

QIcon ApplicationIcon();
QIcon TreeIcon(int index);
QIcon ToolBarIcon(int index);

// The font of a cell (its own or its bases'), and an overlay colour, where
// system colours (clWindow, clBtnFace, ...) follow the desktop palette.
QFont CellFont(const cmcCellObj& cell);
QColor Colour(uint32_t colour, const QPalette& palette);

// The other-port dialog over owner: true with port (1..256) when confirmed.
bool AskPortNumber(QWidget* owner, cmcGTex& texts, int& port);
// The About box; typing the access word in it runs enterMakerMode.
void ShowAbout(QWidget* mainWindow, cmcGTex& texts, std::function<void()> enterMakerMode);
// The clone information window over the radio of the last exchange.
void ShowCloneInfo(QWidget* mainWindow, indDocumentContext& context);
// The fleet-write dialog, modal over the main window until it is closed.
void ShowFleetWrite(QWidget* mainWindow, const indFleetSetup& proposal);
// A message with a list under it (modal).
void ShowList(QWidget* owner, const std::string& title, const std::string& message,
              const std::vector<std::string>& lines);
// The comparison list (not modal); a double click on a cell's line calls openCell.
void ShowComparison(QWidget* owner, const indCompareResult& result, const std::string& otherName,
                    std::function<void(const std::string&, int, int)> openCell);
// Disables the main window during an exchange and shows the progress window.
std::unique_ptr<indCloneManHost> MakeProgressHost(QWidget* mainWindow, cmcGTex& texts);

}  // namespace WindowHooks
