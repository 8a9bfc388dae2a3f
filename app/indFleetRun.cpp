#include "indFleetRun.h"

#include <set>

#include "cmcGTex.h"
#include "cmcInputFile.h"

cmcMbResult indFleetMessageHost::Show(const std::string& /*caption*/, const std::string& text,
                                      cmcMbButtons buttons, cmcMbIcon icon) {
    if (buttons != cmcMbButtons::Ok) {
        return buttons == cmcMbButtons::OkCancel ? cmcMbResult::Ok : cmcMbResult::Yes;
    }
    if (icon != cmcMbIcon::Information && sink_) {
        sink_(text);
    }
    return cmcMbResult::Ok;
}

indFleetRun::~indFleetRun() {
    ports_.clear();
    RestoreHost();
}

bool indFleetRun::Prepare(const indFleetSetup& setup) {
    setup_ = setup;
    error_.clear();
    openCode_ = 0;
    logUnwritable_ = false;
    radiosUnreadable_ = false;
    std::set<std::string> seen;
    for (const std::string& port : setup.ports) {
        if (port.find_first_not_of(" \t") == std::string::npos) {
            error_ = "a port in the list names no serial device";
            return false;
        }
        if (!seen.insert(port).second) {
            error_ = "the port " + port + " is listed twice";
            return false;
        }
    }
    if (setup.ports.empty()) {
        error_ = "no port given";
        return false;
    }
    haveRows_ = !setup.radiosFile.empty();
    if (haveRows_) {
        const cmcInputFile text = ReadInputFile(setup.radiosFile, kMaxCsvFileBytes);
        if (text.result != cmcInputFileResult::Ok) {
            radiosUnreadable_ = true;
            error_ =
                "cannot read " + setup.radiosFile + ": " + InputFileProblem(text, kMaxCsvFileBytes);
            return false;
        }
        std::string why;
        if (!ParseFleetRows(text.contents, rows_, why)) {
            error_ = setup.radiosFile + ": " + why;
            return false;
        }
    }
    ports_.clear();
    for (const std::string& port : setup.ports) {
        ports_.push_back(std::make_unique<indFleetPort>(port, setup.options,
                                                        haveRows_ ? &rows_ : nullptr, host_));
        openCode_ = ports_.back()->Open(setup.file);
        if (openCode_ != 0) {
            error_ = "cannot open " + setup.file;
            ports_.clear();
            return false;
        }
    }
    if (!CanAppendLog(setup.logFile, error_)) {
        logUnwritable_ = true;
        ports_.clear();
        return false;
    }
    return true;
}

bool indFleetRun::Start() {
    if (ports_.empty() || started_) {
        return false;
    }
    if (ShowMessage(GTex().GetLines("GI_Mess_Confirm_CloneWrite"), cmcMbButtons::OkCancel,
                    cmcMbIcon::Warning) != cmcMbResult::Ok) {
        return false;
    }
    if (!log_.Open(setup_.logFile, error_)) {
        logUnwritable_ = true;
        return false;
    }
    started_ = true;
    messageHost_ =
        std::make_unique<indFleetMessageHost>([this](const std::string& t) { Message(t); });
    previousHost_ = SetCurrentMessageBoxHost(messageHost_.get());
    for (size_t i = 0; i < ports_.size(); ++i) {
        indFleetPort::Hooks hooks;
        hooks.claim = [this] { return Claim(); };
        hooks.done = [this](indFleetPort&, const indFleetRecord& r) { RadioDone(r); };
        hooks.changed = [this, i](indFleetPort& port) {
            if (port.State() == indFleetState::Finished && !IsRunning()) {
                RestoreHost();
            }
            if (hooks_.portChanged) {
                hooks_.portChanged(static_cast<int>(i));
            }
        };
        ports_[i]->SetHooks(std::move(hooks));
    }
    for (auto& port : ports_) {
        port->Start();
    }
    if (!IsRunning()) {
        RestoreHost();
    }
    return true;
}

void indFleetRun::Stop() {
    for (auto& port : ports_) {
        port->Stop();
    }
    if (!IsRunning()) {
        RestoreHost();
    }
}

bool indFleetRun::IsRunning() const {
    for (const auto& port : ports_) {
        if (port->State() != indFleetState::Finished && port->State() != indFleetState::Idle) {
            return true;
        }
    }
    return false;
}

bool indFleetRun::NoneLeft() const {
    return logFailed_ || (setup_.count > 0 && claimed_ >= setup_.count) ||
           (haveRows_ && claimed_ >= static_cast<int>(rows_.values.size()));
}

int indFleetRun::Radios() const {
    int radios = 0;
    for (const auto& port : ports_) {
        radios += port->Radios();
    }
    return radios;
}

int indFleetRun::Failures() const {
    int failures = 0;
    for (const auto& port : ports_) {
        failures += port->Failures();
    }
    return failures;
}

std::optional<int> indFleetRun::Claim() {
    if (NoneLeft()) {
        return std::nullopt;
    }
    const int row = haveRows_ ? claimed_ : -1;
    ++claimed_;
    return row;
}

void indFleetRun::RadioDone(const indFleetRecord& record) {
    std::string error;
    if (!logFailed_ && !log_.Append(record, error)) {
        logFailed_ = true;
        Message(error);
    }
    if (hooks_.radioDone) {
        hooks_.radioDone(record);
    }
    // Once every radio is handed out, the ports still waiting for one stop.
    if (NoneLeft()) {
        for (auto& port : ports_) {
            port->Stop();
        }
    }
}

void indFleetRun::Message(const std::string& text) {
    if (hooks_.message) {
        hooks_.message(text);
    }
}

void indFleetRun::RestoreHost() {
    if (messageHost_) {
        SetCurrentMessageBoxHost(previousHost_);
        messageHost_.reset();
    }
}
