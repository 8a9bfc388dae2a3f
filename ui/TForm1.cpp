#include "TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <cstdlib>

#include "CellParser.h"
#include "WindowHooks.h"
#include "cmcGTex.h"
#include "cuiQtMenu.h"
#include "cuiQtToolBar.h"
#include "cuiSheetPane.h"
#include "cuiStatusPanel.h"
#include "indEnviron.h"
#include "uiTraceWindow.h"

namespace {

constexpr int ReferenceRole = Qt::UserRole;
constexpr int NodeRole = Qt::UserRole + 1;  // the cuiTree::Node the item shows
// The maker panel: white text on dark red.
const QColor MakerText(255, 255, 255);
const QColor MakerBackground(128, 0, 0);

}  // namespace

TForm1::TForm1(indEnviron& store, cmcGTex& texts) : environ_(store), texts_(texts) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowIcon(WindowHooks::ApplicationIcon());
    cmcCellObj basic;
    ParseCell(texts_.GetText("GI_Form_Main_BasicCell", 0), basic, nullptr, nullptr, false, &texts_);
    setFont(WindowHooks::CellFont(basic));
    PlaceWindow();
    setMinimumSize(MinWidth, MinHeight);

    progress_ = WindowHooks::MakeProgressHost(this, texts_);
    main_ = std::make_unique<indMain>(environ_, texts_, *this);
    BuildPanes();
    BuildStatusBar();
    main_->Start();
    menu_ = std::make_unique<cuiQtMenu>(*menuBar(), texts_, *main_, &WindowHooks::ToolBarIcon);
    menu_->Build("GI_Menu_Main");
    toolBar_ = std::make_unique<cuiQtToolBar>(*this, texts_, *main_, &WindowHooks::ToolBarIcon);
    toolBar_->Build("GI_ToolBar_Main");
    toolBar_->SetVisible(environ_.ToolbarVisible());
    TitleChanged();
}

TForm1::~TForm1() {
    delete trace_;  // it reads the main object's trace log
    // The menus and tool bar ask the main object for states: they go first.
    toolBar_.reset();
    menu_.reset();
    main_.reset();
}

void TForm1::ScanArguments(const std::vector<std::string>& args) {
    const std::string file = main_->ScanArguments(args);
    if (!file.empty()) {
        main_->Document().OpenFile(file);
    }
}

void TForm1::PlaceWindow() {
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    const cuiRect bounds = WindowBounds::ClampToWorkArea(
        {environ_.Left(), environ_.Top(), environ_.Width(), environ_.Height()},
        {work.x(), work.y(), work.width(), work.height()});
    resize(std::max(bounds.width, MinWidth), std::max(bounds.height, MinHeight));
    move(bounds.left, bounds.top);
}

void TForm1::BuildPanes() {
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setChildrenCollapsible(false);
    splitter_->setHandleWidth(3);
    splitter_->setOpaqueResize(true);
    tree_ = new QTreeWidget(splitter_);
    tree_->setHeaderHidden(true);
    tree_->setMinimumWidth(MinTreeWidth);
    tree_->setIconSize(QSize(16, 16));
    sheetPane_ = new cuiSheetPane(*main_, splitter_);
    splitter_->addWidget(tree_);
    splitter_->addWidget(sheetPane_);
    splitter_->setStretchFactor(1, 1);
    const int treeWidth = std::max(environ_.SplitterV(), MinTreeWidth);
    splitter_->setSizes({treeWidth, std::max(width() - treeWidth, 1)});
    setCentralWidget(splitter_);
    // The nodes keep their expansion, so that a redraw for new marks or bank
    // icons shows the tree as the user left it.
    const auto expand = [](QTreeWidgetItem* item, bool expanded) {
        reinterpret_cast<cuiTree::Node*>(item->data(0, NodeRole).value<quintptr>())->expanded =
            expanded;
    };
    // Opening or closing a branch moves the warning marks: the check runs again.
    connect(tree_, &QTreeWidget::itemExpanded, this, [this, expand](QTreeWidgetItem* item) {
        expand(item, true);
        main_->RestartRefresh();
    });
    connect(tree_, &QTreeWidget::itemCollapsed, this, [this, expand](QTreeWidgetItem* item) {
        expand(item, false);
        main_->RestartRefresh();
    });
    // A new selection opens its sheet once the overlay's change delay has
    // passed, so that walking through the tree does not open every sheet.
    treeDelay_ = new QTimer(this);
    treeDelay_->setSingleShot(true);
    treeDelay_->setInterval(
        std::max(0, std::atoi(texts_.GetText("GI_Sys_TreeChangeDelay", 0).c_str())));
    connect(treeDelay_, &QTimer::timeout, this, [this] {
        if (QTreeWidgetItem* item = tree_->currentItem()) {
            main_->SelectSheet(item->data(0, ReferenceRole).toString().toStdString());
        }
    });
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr) {
            treeDelay_->start();
        }
    });
}

void TForm1::BuildStatusBar() {
    message_ = new cuiStatusPanel(false, this);
    message_->setMinimumWidth(100);
    maker_ = new cuiStatusPanel(true, this);
    maker_->hide();
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(message_, 1);
    statusBar()->addPermanentWidget(maker_);
    StatusChanged();
}

// --- cuiMainView

QStringList TForm1::FileFilters() {
    const QStringList parts =
        QString::fromStdString(texts_.GetText("GI_Sys_Dialog_FOpen", 1)).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i];
    }
    return filters;
}

bool TForm1::ChooseOpenFile(const std::string& directory, std::string& path) {
    QFileDialog dialog(this, QString(), QString::fromStdString(directory));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(FileFilters());
    dialog.setDefaultSuffix(QString::fromStdString(texts_.GetText("GI_Sys_Dialog_FOpen", 0)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    path = dialog.selectedFiles().front().toStdString();
    return true;
}

bool TForm1::ChooseSaveFile(const std::string& directory, const std::string& name,
                            std::string& path) {
    QFileDialog dialog(this, QString(), QString::fromStdString(directory));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(FileFilters());
    dialog.setDefaultSuffix(QString::fromStdString(texts_.GetText("GI_Sys_Dialog_FOpen", 0)));
    dialog.selectFile(QString::fromStdString(name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    path = dialog.selectedFiles().front().toStdString();
    return true;
}

void TForm1::TitleChanged() {
    if (main_) {
        // A modified image marks its file name: "name* - app".
        QString title = QString::fromStdString(main_->Document().Title());
        if (main_->Document().IsModified()) {
            const qsizetype suffix = 3 + QString::fromStdString(main_->AppTitle()).size();
            title.insert(std::max<qsizetype>(0, title.size() - suffix), QLatin1Char('*'));
        }
        setWindowTitle(title);
    }
}

void TForm1::TreeRebuilt() {
    const QSignalBlocker blocker(tree_);
    // A node chosen whose sheet waits for the change delay stays chosen.
    const bool pending = treeDelay_->isActive() && tree_->currentItem() != nullptr;
    const std::string current =
        pending ? tree_->currentItem()->data(0, ReferenceRole).toString().toStdString()
                : main_->SelectedSheet();
    tree_->clear();
    QTreeWidgetItem* selected = nullptr;
    std::vector<QTreeWidgetItem*> parents;
    main_->Tree().ForEach([&](cuiTree::Node& node, int depth) {
        parents.resize(static_cast<size_t>(depth));
        auto* item = depth == 0 ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(parents.back());
        item->setText(0, QString::fromStdString(node.Caption()));
        const int image = node.overlay == 0   ? WindowHooks::TreeErrorMark
                          : node.overlay == 1 ? WindowHooks::TreeWarningMark
                                              : node.image;
        item->setIcon(0, WindowHooks::TreeIcon(image));
        item->setData(0, ReferenceRole, QString::fromStdString(node.Reference()));
        item->setData(0, NodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(&node)));
        item->setExpanded(node.expanded);
        if (selected == nullptr && !current.empty() && node.Reference() == current) {
            selected = item;
        }
        parents.push_back(item);
    });
    if (selected == nullptr && tree_->topLevelItemCount() > 0) {
        selected = tree_->topLevelItem(0);
    }
    if (selected != nullptr) {
        tree_->setCurrentItem(selected);
        if (!pending) {
            main_->SelectSheet(selected->data(0, ReferenceRole).toString().toStdString());
        }
    }
}

bool TForm1::HoldsForeignPaste() {
    return sheetPane_ != nullptr && sheetPane_->ClipboardHoldsForeignText();
}

void TForm1::PasteForeignText() {
    sheetPane_->Paste();
}

void TForm1::SheetChanged() {
    // A sheet opened from a cell (the bank overview) becomes the tree's choice.
    QTreeWidgetItem* current = tree_->currentItem();
    const QString selected = QString::fromStdString(main_->SelectedSheet());
    if (!selected.isEmpty() &&
        (current == nullptr || current->data(0, ReferenceRole).toString() != selected)) {
        for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it) {
            if ((*it)->data(0, ReferenceRole).toString() == selected) {
                const QSignalBlocker blocker(tree_);
                tree_->setCurrentItem(*it);
                break;
            }
        }
    }
    sheetPane_->Reload();
}

void TForm1::StatusChanged() {
    const cuiStatusMessage& status = main_->Status();
    message_->Show(QString::fromStdString(status.text),
                   WindowHooks::Colour(status.textColour, palette()),
                   WindowHooks::Colour(status.background, palette()));
}

void TForm1::MakerModeShown() {
    maker_->Show(QString::fromStdString(main_->MakerPanelText()), MakerText, MakerBackground);
    maker_->setFixedWidth(maker_->sizeHint().width());
    maker_->show();
}

void TForm1::RefreshMenu() {
    if (menu_) {
        menu_->Refresh();
    }
}

void TForm1::RefreshToolBar() {
    if (toolBar_) {
        toolBar_->Refresh();
    }
}

void TForm1::ClearMenuBody(int item) {
    if (menu_) {
        menu_->ClearBody(item);
    }
}

void TForm1::FillMenuBody(int item, const std::string& sectionBase) {
    if (menu_) {
        menu_->FillBody(item, sectionBase);
    }
}

void TForm1::ShowToolBar(bool visible) {
    toolBar_->SetVisible(visible);
}

bool TForm1::AskPortNumber(int& port) {
    return WindowHooks::AskPortNumber(this, texts_, port);
}

void TForm1::ShowAbout() {
    WindowHooks::ShowAbout(this, texts_, [this] { main_->RequestMakerMode(); });
}

void TForm1::ShowFleetWrite(const indFleetSetup& proposal) {
    WindowHooks::ShowFleetWrite(this, proposal);
}

void TForm1::ShowCloneInfo() {
    WindowHooks::ShowCloneInfo(this, main_->Context());
}

bool TForm1::ChooseCsvFile(bool save, const std::string& directory, std::string& path) {
    QFileDialog dialog(this, QString(), QString::fromStdString(directory));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("CSV files (*.csv)"), QStringLiteral("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    path = dialog.selectedFiles().front().toStdString();
    return true;
}

void TForm1::ShowList(const std::string& title, const std::string& message,
                      const std::vector<std::string>& lines) {
    WindowHooks::ShowList(this, title, message, lines);
}

void TForm1::ShowComparison(const indCompareResult& result, const std::string& otherName) {
    WindowHooks::ShowComparison(this, result, otherName,
                                [this](const std::string& reference, int row, int col) {
                                    main_->ShowCell(reference, row, col);
                                });
}

void TForm1::ShowSerialTrace() {
    if (trace_ == nullptr) {
        trace_ =
            new uiTraceWindow(main_->TraceLog(), texts_,
                              {[this](const std::string& path) { main_->SaveSerialTrace(path); },
                               [this] { main_->SerialTraceClosed(); }},
                              this);
    }
    trace_->show();
    trace_->raise();
}

void TForm1::CloseSerialTrace() {
    if (trace_ != nullptr) {
        trace_->close();
    }
}

void TForm1::OpenHelp(const std::string& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void TForm1::CloseWindow() {
    close();
}

void TForm1::SetWindowEnabled(bool enabled) {
    progress_->EnableMainWindow(enabled);
}

bool TForm1::WindowEnabled() const {
    return isEnabled();
}

void TForm1::BusyCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TForm1::ShowProgress() {
    progress_->ShowProgress();
}

void TForm1::UpdateProgress(const indCloneProgress& progress) {
    progress_->UpdateProgress(progress);
}

void TForm1::HideProgress() {
    progress_->HideProgress();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // The normal-state bounds: the frame's position and the client size.
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : QRect(pos(), size());
    const QList<int> sizes = splitter_->sizes();
    if (!main_->QueryClose({normal.x(), normal.y(), normal.width(), normal.height()},
                           sizes.isEmpty() ? environ_.SplitterV() : sizes.front())) {
        event->ignore();
        return;
    }
    main_->Closed();
    CloseSerialTrace();
    event->accept();
}
