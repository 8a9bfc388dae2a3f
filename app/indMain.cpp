#include "indMain.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <optional>

#include "CellName.h"
#include "CellNames.h"
#include "ChEvents.h"
#include "ChannelExchange.h"
#include "ComDevicePath.h"
#include "DebugCompare.h"
#include "DocumentChecks.h"
#include "EventIds.h"
#include "Path.h"
#include "WarningCheck.h"
#include "clsSheetRef.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcSerialDevice.h"
#include "cmcStopSignals.h"
#include "indEnviron.h"
#include "indUndoStep.h"

namespace {

constexpr uint8_t MenuStateBits = 0x3C;  // checked, hidden, disabled, caption-from-item
constexpr uint8_t CaptionFromItem = 0x20;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

indMain::indMain(indEnviron& store, cmcGTex& texts, cuiMainView& view,
                 std::unique_ptr<cmcSerialDevice> device)
    : environ_(store),
      texts_(texts),
      view_(view),
      document_(&store),
      context_(document_, *this, texts),
      manager_(std::move(device)),
      clone_(document_, manager_),
      tree_(texts),
      ports_(store) {
    document_.SetFileChooser(&view_);
    document_.SetHooks({[this] { view_.TitleChanged(); }, [this] { CloseSheet(); },
                        [this] { RebuildTree(); }, [this](bool on) { view_.BusyCursor(on); }});
    manager_.SetHost(this);
    document_.UndoHistory().SetListener([] { EvMan().Post(EventIds::MenuStates, nullptr, 0); });
    manager_.SetLinkSettings([this] {
        const std::string& pattern = environ_.ComDevice();
        return indLinkSettings{environ_.ComPort(), environ_.ComSpeedHigh(),
                               pattern.empty() ? std::string(DefaultComDevicePattern) : pattern};
    });
    // A program told to quit (SIGTERM, SIGINT, SIGHUP) ends a running exchange
    // at a frame boundary; the tick then closes the window.
    manager_.SetStopRequest([] { return cmcStopSignals::Received() != 0; });
    clone_.SetWarningCheck([this] { return DocumentChecks::CheckDocument(context_); });
    clone_.SetHooks({[this] { CloseSheet(); }, [this] { view_.ShowCloneInfo(); }});
    tick_->SetCallback([this](cmcTask&) { Tick(); });
    EvMan().AddListener(&OnEvent, this);
}

indMain::~indMain() {
    manager_.SetTrace(nullptr);
    tick_.Reset();
    EvMan().RemoveListener(&OnEvent, this);
}

void indMain::Start() {
    document_.Start();
    RebuildTree();
    EvMan().Post(EventIds::SettingChanged, nullptr, 0);
    tick_->SetInterval(TickMs);
}

std::string indMain::ScanArguments(const std::vector<std::string>& args) {
    std::string file;
    for (size_t i = 0; i < args.size(); ++i) {
        if (Lower(args[i]) == MakerSwitch) {
            RequestMakerMode();
        } else if (i > 0 && file.empty()) {
            file = args[i];
        }
    }
    return file;
}

std::string indMain::AppTitle() {
    return texts_.GetText("GI_Sys_AppTitle", 0);
}

// --- cells

void indMain::ClickCell(cmcCellObj& cell) {
    if (cell.category == CT_PopupMenu && cell.item == CL_PMenu_Paste && view_.HoldsForeignPaste()) {
        view_.PasteForeignText();
        view_.RefreshMenu();
        return;
    }
    indCellCapsule capsule;
    indCellCapsule current;
    capsule.Cell = &cell;
    capsule.Editable = 1;
    capsule.Key = Keys::Enter;
    const bool prepared = PrepareCurrentCell(current);
    if (prepared) {
        capsule.SubCell = &current;
    }
    {
        // An Edit-menu row command is one undo step, named as its pop-up entry.
        std::optional<indUndoStep> step;
        if (prepared && cell.category == CT_PopupMenu) {
            const cuiCellPos at = sheet_->Current();
            step.emplace(document_, CellName::RowCommandName(cell.Text(), *sheet_, at.row, at.row),
                         indUndoPlace{sheet_->Reference(), at.row, at.col});
        }
        context_.Handler().HandleCell(capsule);
    }
    view_.RefreshMenu();
}

void indMain::QueryCell(cmcCellObj& cell) {
    cell.stateFlags = static_cast<uint8_t>(cell.stateFlags & ~MenuStateBits);
    indCellCapsule capsule;
    indCellCapsule current;
    capsule.Cell = &cell;
    capsule.Editable = 1;
    capsule.Key = Keys::None;
    if (PrepareCurrentCell(current)) {
        capsule.SubCell = &current;
    }
    context_.Handler().HandleCell(capsule);
    if ((cell.stateFlags & CaptionFromItem) != 0) {
        cell.text = capsule.DisplayText;
    }
    if (cell.category == CT_PopupMenu && cell.item == CL_PMenu_Paste && sheet_ &&
        view_.HoldsForeignPaste()) {
        cell.stateFlags = static_cast<uint8_t>(cell.stateFlags & ~kStateFlag2);  // enabled
    }
}

bool indMain::PrepareCurrentCell(indCellCapsule& capsule) {
    if (!sheet_ || sheet_->Rows() == 0 || sheet_->Columns() == 0) {
        return false;
    }
    const cuiCellPos pos = sheet_->Current();
    sheet_->PrepareCapsule(capsule, pos.row, pos.col);
    capsule.Editable = 1;
    return true;
}

// --- tree and sheets

void indMain::RebuildTree() {
    tree_.Build();
    tree_.AdaptToModel(document_.ModelType(), document_.MakerMode());
    tree_.UpdateBankIcons(document_.WorkingImage());
    if (!tree_.Roots().empty()) {
        cmcCellObj& root = tree_.Roots().front()->cell;
        root.text = root.Text() + texts_.GetText("GI_AppInd_Model", document_.ModelType());
    }
    if (!selected_.empty() && tree_.FindNodeByReference(selected_) == nullptr) {
        selected_.clear();
        CloseSheet();
    }
    view_.TreeRebuilt();
}

void indMain::SelectSheet(const std::string& reference) {
    if (reference == selected_ && sheet_) {
        return;
    }
    CloseSheet();
    selected_ = reference;
    OpenSelectedSheet();
}

void indMain::OpenSheet(const std::string& reference) {
    // A cell of the open sheet asks for it: the sheet is switched after the
    // cell's action, not under it.
    pendingSheet_ = reference;
}

void indMain::MoveSheetCursor(const cuiCellPos& pos) {
    if (sheet_) {
        sheet_->SetCurrent(pos);
        EvMan().Post(EventIds::MenuStates, nullptr, 0);
    }
}

void indMain::SetSheetScroll(int leftCol, int topRow) {
    scrollCol_ = leftCol;
    scrollRow_ = topRow;
}

void indMain::CloseSheet() {
    if (!sheet_) {
        return;
    }
    const cuiCellPos pos = sheet_->Current();
    history_.Store(sheet_->Reference(), {pos.col, pos.row, scrollCol_, scrollRow_});
    sheet_.reset();
    view_.SheetChanged();
    EvMan().Post(EventIds::MenuStates, nullptr, 0);  // the Edit menu follows the current cell
}

void indMain::Tick() {
    if (!quitting_ && cmcStopSignals::Received() != 0 && !manager_.IsBusy() &&
        !clone_.IsRunning()) {
        quitting_ = true;  // once: a refused close is not asked again
        view_.CloseWindow();
        return;
    }
    if (!pendingSheet_.empty()) {
        const std::string reference = std::move(pendingSheet_);
        pendingSheet_.clear();
        SelectSheet(reference);
    }
    if (printJob_ && !printJob_->Step()) {
        FinishPrint();
    }
    OpenSelectedSheet();
    if (!safeWrite_.IsRunning()) {
        ReportSafeWrite();
    }
    if (warningTicks_ > 0 && --warningTicks_ == 0) {
        RunWarningCheck();
    }
}

void indMain::RestartRefresh() {
    warningTicks_ = WarningDelayMs / TickMs;
}

// --- printing

void indMain::Print(bool all, int output) {
    EvMan().Send(EventIds::CommitEdits, nullptr, 0);
    if (!sheet_ || printJob_ || output < 0 || output > static_cast<int>(cuiPrintOutput::PdfFile)) {
        return;
    }
    const auto kind = static_cast<cuiPrintOutput>(output);
    if (!view_.HasPrintOutput(kind)) {
        CurrentMessageBoxHost().Show(AppTitle(), texts_.GetLines("GI_Sys_Printer_NoPrinter"),
                                     cmcMbButtons::Ok, cmcMbIcon::Stop);
        return;
    }
    std::unique_ptr<cuiPrintTarget> target = view_.StartPrint(kind);
    if (!target) {
        return;
    }
    std::vector<std::string> references =
        all ? PrintAllReferences(tree_, texts_) : std::vector<std::string>{sheet_->Reference()};
    printJob_ = std::make_unique<indPrintJob>(std::move(target), std::move(references));
    view_.SetWindowEnabled(false);
    view_.ShowPrinting(true);
    // A preview only collects its sheets; one sheet prints within the command.
    if (!all || kind == cuiPrintOutput::Preview) {
        printJob_->RunToEnd();
        FinishPrint();
    }
}

void indMain::CancelPrint() {
    if (printJob_) {
        printJob_->Cancel();
    }
}

void indMain::FinishPrint() {
    const cuiPrintEnd end = printJob_->End();
    const bool cancelled = printJob_->Cancelled();
    printJob_.reset();
    view_.ShowPrinting(false);
    view_.SetWindowEnabled(true);
    const char* message = nullptr;
    if (end == cuiPrintEnd::WriteFailed) {
        message = "GI_Sys_Printer_WriteFailed";
    } else if (end == cuiPrintEnd::NothingPrinted && !cancelled) {
        message = "GI_Sys_Printer_NothingPrinted";
    }
    if (message != nullptr) {
        CurrentMessageBoxHost().Show(AppTitle(), texts_.GetLines(message), cmcMbButtons::Ok,
                                     cmcMbIcon::Stop);
    }
}

std::vector<std::string> indMain::TakeCompare() {
    std::vector<std::string> lines =
        DebugCompare::Lines(document_.CompareBase(), document_.WorkingImage());
    document_.SetCompareBase();
    return lines;
}

void indMain::RunWarningCheck() {
    const indWarningCheckResult result =
        WarningCheck::CheckWarnings(context_.Handler(), texts_, document_.ModelType(), this);
    tree_.Mark(result.errorReferences, result.warningReferences);
    EvMan().Post(EventIds::TreeMarks, nullptr, 0);
    EvMan().Post(EventIds::BankSheetRefresh, nullptr, 0);
    EvMan().Send(EventIds::WarningCheckDone, nullptr, 0);
}

void indMain::OpenSelectedSheet() {
    if (sheet_ || selected_.empty()) {
        return;
    }
    if (!texts_.HasSection(ParseSheetRef(selected_).name + "_Cells")) {
        return;
    }
    sheet_ = context_.MakeSheet(selected_);
    sheet_->SetReference(selected_);
    const std::optional<cuiSheetPlace> place = history_.Find(selected_);
    scrollCol_ = place ? place->leftCol : 0;
    scrollRow_ = place ? place->topRow : 0;
    if (place && place->row < sheet_->Rows() && place->col < sheet_->Columns()) {
        sheet_->SetCurrent({place->row, place->col});
    } else if (const std::optional<cuiCellPos> first = sheet_->FirstSelectableCell()) {
        sheet_->SetCurrent(*first);
    }
    view_.SheetChanged();
    EvMan().Post(EventIds::MenuStates, nullptr, 0);
}

std::string indMain::CellText(int row, int col) {
    indCellCapsule capsule;
    sheet_->PrepareCapsule(capsule, row, col);
    capsule.Editable = 0;
    context_.Handler().HandleCell(capsule);
    return capsule.DisplayText;
}

// --- events

void indMain::OnEvent(void* self, const cmcEvent& event) {
    static_cast<indMain*>(self)->HandleEvent(event);
}

void indMain::HandleEvent(const cmcEvent& event) {
    switch (event.kind) {
        case EventIds::SettingChanged:
            EvMan().Post(EventIds::MenuStates, nullptr, 0);
            EvMan().Post(EventIds::ToolBarStates, nullptr, 0);
            break;
        case EventIds::ShowAbout:
            view_.ShowAbout();
            break;
        case EventIds::StatusText:
            status_ = {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(event.object)),
                       static_cast<uint32_t>(event.value), event.Text()};
            view_.StatusChanged();
            break;
        case EventIds::CopyToCompareBase:
            document_.SetCompareBase();
            break;
        case EventIds::OpenDebugWindow:
            view_.ShowDebugWindow();
            break;
        case EventIds::OpenEepromWindow:
            view_.ShowEepromWindow();
            break;
        case EventIds::OpenCompareWindow:
            view_.ShowCompareWindow(TakeCompare());
            break;
        case EventIds::MenuStates:
            view_.RefreshMenu();
            break;
        case EventIds::MenuClear:
            view_.ClearMenuBody(event.value);
            break;
        case EventIds::MenuFill:
            view_.FillMenuBody(event.value, event.Text());
            break;
        case EventIds::ToolBarStates:
            view_.RefreshToolBar();
            break;
        case EventIds::ImageReplaced:
            // The memory-channel branch is made again for the image's banks.
            tree_.AdaptToModel(document_.ModelType(), document_.MakerMode());
            [[fallthrough]];
        case EventIds::TreeMarks:
            tree_.UpdateBankIcons(document_.WorkingImage());
            view_.TreeRebuilt();
            break;
        default:
            break;
    }
}

// --- maker mode

std::string indMain::MakerPanelText() {
    return MakerMode() ? texts_.GetText("GI_StatusPanel_Maker", 0) : std::string();
}

void indMain::RequestMakerMode() {
    if (document_.MakerMode()) {
        return;
    }
    const cmcMbResult answer =
        CurrentMessageBoxHost().Show(AppTitle(), texts_.GetLines("GI_Mess_Maker_Caution"),
                                     cmcMbButtons::OkCancel, cmcMbIcon::Warning);
    if (answer != cmcMbResult::Ok) {
        return;
    }
    document_.EnableMakerMode();
    RebuildTree();
    view_.MakerModeShown();
}

// --- closing

bool indMain::QueryClose(const cuiRect& normalBounds, int treeWidth) {
    if (!view_.WindowEnabled() || printJob_ || manager_.IsBusy() || clone_.IsRunning()) {
        return false;
    }
    if (document_.ConfirmSave(false) == cmcMbResult::Cancel) {
        return false;
    }
    environ_.SetWindow(normalBounds.left, normalBounds.top, normalBounds.width,
                       normalBounds.height);
    environ_.SetSplitterV(treeWidth);
    return true;
}

void indMain::Closed() {
    tick_->SetInterval(-1);
    sheet_.reset();
}

// --- commands

void indMain::FileNew() {
    document_.NewFile();
}
void indMain::FileOpen() {
    document_.OpenFileDialog();
}
void indMain::FileSave() {
    document_.Save();
}
void indMain::FileSaveAs() {
    document_.SaveAs();
}
void indMain::OpenRecent(int index) {
    document_.OpenRecent(index);
}
std::string indMain::RecentFileName(int index) {
    return environ_.Recent().DisplayName(index, document_.LastDirectory());
}
void indMain::Exit() {
    view_.CloseWindow();
}
void indMain::SetFontSize(int percent) {
    environ_.SetFontSizePercentage(percent);
    CloseSheet();
}
int indMain::FontSize() {
    return environ_.FontSizePercentage();
}
void indMain::ToggleToolBar() {
    environ_.SetToolbarVisible(!environ_.ToolbarVisible());
    view_.ShowToolBar(environ_.ToolbarVisible());
}
bool indMain::ToolBarVisible() {
    return environ_.ToolbarVisible();
}
void indMain::SetComPort(int port) {
    ports_.SetComPort(port);
}
int indMain::ComPort() {
    return environ_.ComPort();
}
void indMain::PortDialog() {
    int port = environ_.ComPort();
    if (view_.AskPortNumber(port)) {
        ports_.SetComPort(port);
        EvMan().Post(EventIds::SettingChanged, nullptr, 0);
    }
}
void indMain::ToggleSerialTrace() {
    if (traceShown_) {
        view_.CloseSerialTrace();  // the window reports SerialTraceClosed
        return;
    }
    manager_.SetTrace(&traceLog_);
    traceShown_ = true;
    view_.ShowSerialTrace();
}
void indMain::SerialTraceClosed() {
    manager_.SetTrace(nullptr);
    traceLog_.SetListener(nullptr);
    traceLog_.Clear();
    traceShown_ = false;
    EvMan().Post(EventIds::SettingChanged, nullptr, 0);
}
bool indMain::SaveSerialTrace(const std::string& path) {
    int error = 0;
    if (traceLog_.Save(path, error)) {
        return true;
    }
    std::string text = texts_.GetLines("GI_Mess_Trace_SaveFailed");
    text = CloneErrors::FormatPortText(text, 0, path) + "\n" + std::strerror(error);
    ShowMessage(text, cmcMbButtons::Ok, cmcMbIcon::Stop);
    return false;
}
void indMain::SetSpeedHigh(int on) {
    environ_.SetComSpeedHigh(on != 0);
}
int indMain::SpeedHigh() {
    return environ_.ComSpeedHigh() ? 1 : 0;
}
void indMain::CloneRead() {
    clone_.CloneRead();
}
void indMain::CloneWrite() {
    const bool verify = environ_.VerifyAfterWrite();
    const bool backup = environ_.BackupBeforeWrite();
    if (!verify && !backup) {
        clone_.CloneWrite();
        return;
    }
    const std::string folder =
        environ_.BackupFolder().empty() ? DefaultBackupFolder() : environ_.BackupFolder();
    if (!safeWrite_.Start(verify, backup ? folder : std::string())) {
        ReportSafeWrite();  // nothing runs: the backup folder took no file, or the radio is busy
    }
}
void indMain::CloneInfo() {
    clone_.CloneInfo();
}
// The fleet write writes the file as saved: unsaved changes are offered for saving first.
void indMain::FleetWrite() {
    if (manager_.IsBusy() || document_.ConfirmSave(false) == cmcMbResult::Cancel) {
        return;
    }
    indFleetSetup proposal;
    proposal.file = document_.FileName();
    const std::string& pattern = environ_.ComDevice();
    proposal.ports = {ComDevicePath(
        pattern.empty() ? std::string(DefaultComDevicePattern) : pattern, environ_.ComPort())};
    proposal.options.highSpeed = environ_.ComSpeedHigh();
    view_.ShowFleetWrite(proposal);
}
void indMain::ChangeModel(int type) {
    const indUndoStep step(document_, "Model " + texts_.GetText("GI_AppInd_Model", type));
    document_.ChangeModelType(type, true);
}

void indMain::EditUndo() {
    ShowUndoStep(document_.Undo());
}

void indMain::EditRedo() {
    ShowUndoStep(document_.Redo());
}

std::string indMain::UndoStepName(bool redo) {
    const indUndoHistory& history = document_.UndoHistory();
    return redo ? history.RedoName() : history.UndoName();
}

void indMain::ShowUndoStep(const indUndoRecord* step) {
    if (step == nullptr) {
        return;
    }
    RestartRefresh();
    if (step->place.sheet.empty()) {
        CloseSheet();  // the tick reopens it over the image as it now is
    } else {
        ShowCell(step->place.sheet, step->place.row, step->place.col);
    }
    EvMan().Post(EventIds::MenuStates, nullptr, 0);
}

void indMain::ShowCell(const std::string& reference, int row, int col) {
    const bool otherSheet = reference != selected_;
    CloseSheet();  // the sheet shows the image as it now is
    selected_ = reference;
    const std::optional<cuiSheetPlace> old = history_.Find(reference);
    history_.Store(reference, {col, row, old ? old->leftCol : 0, old ? old->topRow : 0});
    OpenSelectedSheet();
    if (otherSheet) {
        view_.TreeRebuilt();  // the tree selects the sheet
    }
}

void indMain::ImportChannels() {
    std::string path;
    if (!view_.ChooseCsvFile(false, document_.LastDirectory(), path)) {
        return;
    }
    const indExchangeResult r = ChannelExchange::ImportChannelsFromFile(context_, path);
    if (!r.ok && r.lines.empty()) {
        ShowMessage(r.message, cmcMbButtons::Ok, cmcMbIcon::Stop);
        return;
    }
    if (r.ok) {
        CloseSheet();  // reopened by the tick over the new channels
        EvMan().Post(EventIds::ImageReplaced, nullptr, 0);
        RestartRefresh();
    }
    if (!r.ok || !r.lines.empty()) {
        view_.ShowList("Import Channels (CSV)", r.ok ? r.message + " Notes:" : r.message, r.lines);
    } else {
        ShowMessage(r.message, cmcMbButtons::Ok, cmcMbIcon::Information);
    }
}

void indMain::ExportChannels() {
    std::string path;
    if (!view_.ChooseCsvFile(true, document_.LastDirectory(), path)) {
        return;
    }
    EvMan().Send(EventIds::CommitEdits, nullptr, 0);
    const indExchangeResult r = ChannelExchange::ExportChannelsToFile(context_, path);
    ShowMessage(r.message, cmcMbButtons::Ok, r.ok ? cmcMbIcon::Information : cmcMbIcon::Stop);
}

void indMain::CompareWithFile() {
    EvMan().Send(EventIds::CommitEdits, nullptr, 0);
    std::string path;
    if (!view_.ChooseOpenFile(document_.LastDirectory(), path)) {
        return;
    }
    const indCompareResult r = ChannelExchange::CompareWithFile(context_, path);
    if (r.ok) {
        view_.ShowComparison(r, Path::PathFileName(path));
    }
}

void indMain::ToggleWriteOption(int option) {
    if (option == 0) {
        environ_.SetVerifyAfterWrite(!environ_.VerifyAfterWrite());
    } else {
        environ_.SetBackupBeforeWrite(!environ_.BackupBeforeWrite());
    }
}

bool indMain::WriteOption(int option) {
    return option == 0 ? environ_.VerifyAfterWrite() : environ_.BackupBeforeWrite();
}

void indMain::ReportSafeWrite() {
    std::string message;
    bool failed = false;
    if (safeWrite_.TakeFinished(message, failed) && !message.empty()) {
        ShowMessage(message, cmcMbButtons::Ok, failed ? cmcMbIcon::Stop : cmcMbIcon::Information);
    }
}

void indMain::HelpContents(const std::string& file) {
    view_.OpenHelp(file);
}

void indMain::EnableMainWindow(bool enabled) {
    view_.SetWindowEnabled(enabled);
}
