#include "indFleetPort.h"

#include <ctime>

#include "ChBanks.h"
#include "CloneErrors.h"
#include "DocumentChecks.h"
#include "HexDigit.h"
#include "ModelType.h"
#include "indFleetRows.h"

namespace {

std::string LocalTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

}  // namespace

indFleetPort::indFleetPort(std::string device, const indFleetOptions& options,
                           const indFleetRows* rows, cmcTimerHost* host)
    : device_(std::move(device)),
      options_(options),
      rows_(rows),
      manager_(nullptr, host),
      commands_(session_.Document(), manager_),
      task_(host) {
    manager_.SetHost(this);
    manager_.SetErrorSink([this](int code, const CloneErrorContext& context) {
        exchangeError_ = CloneErrors::CloneErrorSummary(code, context);
    });
    const indLinkSettings link{1, options_.highSpeed, device_};
    manager_.SetLinkSettings([link] { return link; });
    commands_.SetWarningCheck([this] { return DocumentChecks::CheckDocument(session_.Context()); });
    task_->SetCallback([this](cmcTask&) { Tick(); });
}

indFleetPort::~indFleetPort() {
    task_.Reset();
}

int indFleetPort::Open(const std::string& file) {
    const int code = session_.Open(file);
    if (code == 0) {
        fileImage_.Assign(session_.Document().WorkingImage());
    }
    return code;
}

void indFleetPort::Start() {
    task_->SetInterval(TickMs);
    NextRadio();
}

void indFleetPort::Stop() {
    stopping_ = true;
    if (state_ == indFleetState::Idle ||
        ((state_ == indFleetState::WaitGone || state_ == indFleetState::WaitNext) &&
         !manager_.IsBusy())) {
        Finish();
    }
}

std::string indFleetPort::StatusText() const {
    switch (state_) {
        case indFleetState::Idle:
            return "ready";
        case indFleetState::Writing: {
            const indCloneProgress p = manager_.Progress();
            return p.total > 0 ? "writing " + std::to_string(p.done) + "/" +
                                     std::to_string(p.total) + " bytes"
                               : "asking the radio";
        }
        case indFleetState::WaitGone:
            return "done; connect the next radio";
        case indFleetState::WaitNext:
            return "waiting for the next radio";
        default:
            return "finished";
    }
}

void indFleetPort::SetState(indFleetState state) {
    state_ = state;
    if (hooks_.changed) {
        hooks_.changed(*this);
    }
}

void indFleetPort::EnableMainWindow(bool enabled) {
    cmcCloneDrv& driver = manager_.Driver();
    const int baud = driver.Port().Line().baud;
    if (enabled && baud > 0) {
        wireMs_ += driver.BytesOnWire() * 10000.0 / baud;
    }
}

void indFleetPort::Tick() {
    if (state_ == indFleetState::Writing) {
        if (write_ && !write_->IsRunning()) {
            WriteEnded();
        } else if (hooks_.changed) {
            hooks_.changed(*this);  // the progress
        }
        return;
    }
    if ((state_ == indFleetState::WaitGone || state_ == indFleetState::WaitNext) &&
        !manager_.IsBusy()) {
        sinceProbeMs_ += TickMs;
        if (sinceProbeMs_ >= ProbeEveryMs) {
            Probe();
        }
    }
}

void indFleetPort::NextRadio() {
    const std::optional<int> row = stopping_ || !hooks_.claim ? std::nullopt : hooks_.claim();
    if (!row) {
        Finish();
        return;
    }
    current_ = {};
    current_.port = device_;
    current_.row = *row + 1;  // -1 (no rows) logs as 0
    exchangeError_.clear();
    wireMs_ = 0;
    if (!Prepare(*row, current_)) {
        Record(current_);
        AfterRadio();
        return;
    }
    write_ = std::make_unique<indVerifiedWrite>(commands_);
    write_->SetBackupDirectory(options_.backupDirectory);
    write_->SetVerify(options_.verify);
    SetState(indFleetState::Writing);
    if (!write_->Start()) {
        WriteEnded();
    }
}

bool indFleetPort::Prepare(int row, indFleetRecord& record) {
    indDocument& document = session_.Document();
    document.WorkingImage().Assign(fileImage_);
    if (rows_ != nullptr && row >= 0) {
        record.values = FleetValuesText(*rows_, row);
        std::string error;
        if (!ApplyFleetRow(session_, *rows_, row, error)) {
            record.result = ValueRefused;
            record.message = error + "; nothing was sent to the radio";
            return false;
        }
    }
    // The checks Clone Write makes before it asks the radio, made here so that
    // the record says which one stopped the radio.
    const indCheckCounts counts = DocumentChecks::CheckDocument(session_.Context());
    if (counts.errors > 0) {
        record.result = indCloneCommands::NotCompleted;
        record.message = "the warning check list finds " + std::to_string(counts.errors) +
                         " error(s) in the image; nothing was sent to the radio";
        return false;
    }
    if (AllBlank(document.WorkingImage(), ChannelKindOf(document.ModelType()), 0, 255)) {
        record.result = indCloneCommands::NotCompleted;
        record.message = "no channel is in use; nothing was sent to the radio";
        return false;
    }
    return true;
}

void indFleetPort::WriteEnded() {
    const int outcome = write_->Outcome();
    current_.result = outcome;
    current_.backup = write_->BackupPath();
    if (options_.verify) {
        current_.verification = outcome == 0                                    ? "verified"
                                : outcome == indVerifiedWrite::VerifyMismatch   ? "differs"
                                : outcome == indVerifiedWrite::VerifyReadFailed ? "not read back"
                                                                                : "not done";
    }
    const indVerifyMismatch& m = write_->Mismatch();
    switch (outcome) {
        case 0:
            current_.message = "written";
            break;
        case indVerifiedWrite::BackupFailed:
            current_.message = "no backup could be saved in " + options_.backupDirectory +
                               (write_->BackupError().empty() ? "" : ": " + write_->BackupError()) +
                               "; nothing was written";
            break;
        case indVerifiedWrite::VerifyReadFailed:
            current_.message = "written, but the radio could not be read back to verify it";
            break;
        case indVerifiedWrite::VerifyMismatch:
            current_.message = std::to_string(m.count) +
                               " byte(s) differ from what was sent, the first at " +
                               HexDigit::Address(m.address) + "; write the radio again";
            break;
        case indCloneCommands::NotCompleted:
            current_.message =
                "not written: refused before the write (see the message shown with it)";
            break;
        default:
            current_.message = exchangeError_.empty() ? "the exchange failed" : exchangeError_;
            break;
    }
    write_.reset();
    lastWireMs_ = wireMs_;
    Record(current_);
    AfterRadio();
}

void indFleetPort::Record(indFleetRecord record) {
    record.time = LocalTimeText();
    ++radios_;
    if (record.result != 0) {
        ++failures_;
    }
    last_ = record;
    if (hooks_.done) {
        hooks_.done(*this, last_);
    }
}

void indFleetPort::AfterRadio() {
    if (stopping_) {
        Finish();
        return;
    }
    sinceProbeMs_ = 0;
    SetState(indFleetState::WaitGone);
}

// While waiting, an information request now and then tells whether a radio answers.
void indFleetPort::Probe() {
    sinceProbeMs_ = 0;
    manager_.SetIdentity(MemoryMap::ModelCode, 0);
    if (!manager_.StartInformation(
            [this](dst_CDrv_Result& r) { ProbeEnded(r.code == CloneResult::Success); })) {
        ProbeEnded(false);
    }
}

void indFleetPort::ProbeEnded(bool answered) {
    if (stopping_) {
        Finish();
    } else if (state_ == indFleetState::WaitGone && !answered) {
        SetState(indFleetState::WaitNext);
    } else if (state_ == indFleetState::WaitNext && answered) {
        NextRadio();
    }
}

void indFleetPort::Finish() {
    task_->SetInterval(-1);
    if (state_ != indFleetState::Finished) {
        SetState(indFleetState::Finished);
    }
}
