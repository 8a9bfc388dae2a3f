#include "uiFleetDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "OverlayStyle.h"
#include "Placement.h"
#include "cmcGTex.h"

namespace {

std::string Trimmed(const QString& text) {
    return text.trimmed().toStdString();
}

enum FleetColumn { PortColumn, StatusColumn, RadiosColumn, FailedColumn, LastColumn, FleetColumns };

}  // namespace

uiFleetDialog::uiFleetDialog(const indFleetSetup& proposal, QWidget* owner) : QDialog(owner) {
    setWindowTitle("Fleet Write");
    fields_ = new QWidget(this);
    auto* form = new QFormLayout(fields_);
    form->setContentsMargins(0, 0, 0, 0);
    const auto row = [&](const QString& label, QLineEdit*& edit, const std::string& text,
                         bool folder, const QString& filter) {
        edit = new QLineEdit(OverlayStyle::Qs(text), fields_);
        auto* line = new QHBoxLayout;
        line->addWidget(edit, 1);
        line->addWidget(BrowseButton(edit, folder, filter));
        auto* caption = new QLabel(label, fields_);
        caption->setBuddy(edit);
        form->addRow(caption, line);
    };
    row("Clone &file:", file_, proposal.file, false, "Clone files (*.clf);;All files (*)");
    ports_ = new QLineEdit(fields_);
    QStringList ports;
    for (const std::string& port : proposal.ports) {
        ports << OverlayStyle::Qs(port);
    }
    ports_->setText(ports.join(","));
    ports_->setPlaceholderText("/dev/ttyUSB0,/dev/ttyUSB1");
    form->addRow("&Ports (comma-separated):", ports_);
    row("Per-radio &values (CSV):", radios_, proposal.radiosFile, false,
        "CSV files (*.csv);;All files (*)");
    row("&Log (CSV):", log_, proposal.logFile, false, "CSV files (*.csv);;All files (*)");
    row("&Back up each radio to:", backup_, proposal.options.backupDirectory, true, {});
    verify_ = new QCheckBox("V&erify after writing", fields_);
    verify_->setChecked(proposal.options.verify);
    highSpeed_ = new QCheckBox("&High speed (38400 baud)", fields_);
    highSpeed_->setChecked(proposal.options.highSpeed);
    count_ = new QSpinBox(fields_);
    count_->setRange(0, 99999);
    count_->setSpecialValueText("until stopped");
    count_->setValue(proposal.count);
    auto* options = new QHBoxLayout;
    options->addWidget(verify_);
    options->addWidget(highSpeed_);
    options->addStretch();
    form->addRow("", options);
    form->addRow("&Radios in all:", count_);

    table_ = new QTableWidget(0, FleetColumns, this);
    table_->setHorizontalHeaderLabels({"Port", "Status", "Radios", "Failed", "Last radio"});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(LastColumn, QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    messages_ = new QPlainTextEdit(this);
    messages_->setReadOnly(true);
    messages_->setMaximumBlockCount(2000);
    messages_->setMaximumHeight(fontMetrics().height() * 7);

    start_ = new QPushButton("&Start", this);
    stop_ = new QPushButton("S&top", this);
    close_ = new QPushButton("&Close", this);
    start_->setDefault(true);
    stop_->setEnabled(false);
    connect(start_, &QPushButton::clicked, this, &uiFleetDialog::StartRun);
    connect(stop_, &QPushButton::clicked, this, &uiFleetDialog::StopRun);
    connect(close_, &QPushButton::clicked, this, &uiFleetDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fields_);
    layout->addWidget(table_, 1);
    layout->addWidget(messages_);
    layout->addLayout(buttons);
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 32);
    Placement::CentreOver(*this, owner);
}

uiFleetDialog::~uiFleetDialog() = default;

QPushButton* uiFleetDialog::BrowseButton(QLineEdit* edit, bool folder, const QString& filter) {
    auto* button = new QPushButton("...", fields_);
    button->setFixedWidth(fontMetrics().averageCharWidth() * 5);
    connect(button, &QPushButton::clicked, this, [this, edit, folder, filter] {
        const QString chosen =
            folder ? QFileDialog::getExistingDirectory(this, {}, edit->text())
                   : QFileDialog::getSaveFileName(this, {}, edit->text(), filter, nullptr,
                                                  QFileDialog::DontConfirmOverwrite);
        if (!chosen.isEmpty()) {
            edit->setText(chosen);
        }
    });
    return button;
}

indFleetSetup uiFleetDialog::Setup() const {
    indFleetSetup setup;
    setup.file = Trimmed(file_->text());
    for (const QString& port : ports_->text().split(',')) {
        setup.ports.push_back(Trimmed(port));
    }
    setup.radiosFile = Trimmed(radios_->text());
    setup.logFile = Trimmed(log_->text());
    setup.options.backupDirectory = Trimmed(backup_->text());
    setup.options.verify = verify_->isChecked();
    setup.options.highSpeed = highSpeed_->isChecked();
    setup.count = count_->value();
    return setup;
}

void uiFleetDialog::StartRun() {
    if (IsRunning()) {
        return;
    }
    const indFleetSetup setup = Setup();
    std::string missing = setup.file.empty()      ? "Choose the clone file to write."
                          : setup.logFile.empty() ? "Choose the log file."
                                                  : "";
    if (!missing.empty()) {
        ShowMessage(missing, cmcMbButtons::Ok, cmcMbIcon::Stop);
        return;
    }
    run_ = std::make_unique<indFleetRun>();
    run_->SetHooks({[this](const indFleetRecord& r) {
                        Note(r.port + (r.row > 0 ? ", row " + std::to_string(r.row) : "") + ": " +
                             r.message + " (result " + std::to_string(r.result) + ")");
                    },
                    [this](int port) { ShowPort(port); },
                    [this](const std::string& text) { Note(text); }});
    if (!run_->Prepare(setup)) {
        if (run_->OpenCode() == 0) {  // the clone file's reader has shown its own message
            ShowMessage(run_->Error(), cmcMbButtons::Ok, cmcMbIcon::Stop);
        }
        run_.reset();
        return;
    }
    table_->setRowCount(static_cast<int>(run_->PortCount()));
    for (size_t i = 0; i < run_->PortCount(); ++i) {
        ShowPort(static_cast<int>(i));
    }
    if (!run_->Start()) {
        if (run_->LogUnwritable()) {
            ShowMessage(run_->Error(), cmcMbButtons::Ok, cmcMbIcon::Stop);
        }
        run_.reset();
        table_->setRowCount(0);
        return;
    }
    summaryShown_ = false;
    Note("started on " + std::to_string(run_->PortCount()) + " port(s)");
    RunStateChanged();
}

void uiFleetDialog::StopRun() {
    if (IsRunning()) {
        Note("stopping: the running writes end, no further radio is taken");
        run_->Stop();
        RunStateChanged();
    }
}

void uiFleetDialog::reject() {
    if (!IsRunning()) {
        QDialog::reject();
    }
}

void uiFleetDialog::closeEvent(QCloseEvent* event) {
    if (IsRunning()) {
        event->ignore();
    } else {
        QDialog::closeEvent(event);
    }
}

void uiFleetDialog::ShowPort(int index) {
    if (!run_ || index < 0 || index >= table_->rowCount()) {
        return;
    }
    const indFleetPort& port = run_->Port(static_cast<size_t>(index));
    const indFleetRecord& last = port.LastRecord();
    const QString cells[FleetColumns] = {
        OverlayStyle::Qs(port.Device()), OverlayStyle::Qs(port.StatusText()),
        QString::number(port.Radios()), QString::number(port.Failures()),
        port.Radios() == 0 ? QString() : OverlayStyle::Qs(last.message + " (" + last.time + ")")};
    for (int c = 0; c < FleetColumns; ++c) {
        QTableWidgetItem* item = table_->item(index, c);
        if (item == nullptr) {
            item = new QTableWidgetItem;
            table_->setItem(index, c, item);
        }
        if (item->text() != cells[c]) {
            item->setText(cells[c]);
        }
    }
    if (port.State() == indFleetState::Finished) {
        RunStateChanged();
    }
}

void uiFleetDialog::Note(const std::string& text) {
    messages_->appendPlainText(OverlayStyle::Qs(text));
}

void uiFleetDialog::RunStateChanged() {
    const bool running = IsRunning();
    fields_->setEnabled(!running);
    start_->setEnabled(!running);
    stop_->setEnabled(running);
    close_->setEnabled(!running);
    if (!running && run_ && !summaryShown_) {
        summaryShown_ = true;
        Note("finished: " + std::to_string(run_->Radios()) + " radio(s), " +
             std::to_string(run_->Failures()) + " failed");
    }
}
