#include "indEnviron.h"

#include <algorithm>

namespace {

constexpr char Global[] = "Global";
constexpr char RecentFiles[] = "Recent File List";
constexpr char ViewOption[] = "View Option";
constexpr char WindowPosition[] = "Window Position";
constexpr char Setup[] = "Setup";
constexpr int RecentSlots = 10;

std::string RecentName(int i) {
    return "Recent" + std::to_string(i);
}

indEnviron* g_environ = nullptr;

}  // namespace

indEnviron::indEnviron(cmcSettingsBackend* backend, cmcInstanceLock* lock, indScreenSize screen)
    : backend_(backend), lock_(lock), screen_(screen) {
    ApplyDefaults();
    mark_ = 0;
    firstInstance_ = lock_ == nullptr || lock_->TryLock();
    if (firstInstance_) {
        Load();
        if (mark_ != ValidMark) {
            ApplyDefaults();
        }
        // Not part of the ordered values above: read on its own, default when absent.
        std::string device;
        if (backend_ != nullptr && backend_->ReadString(Global, "ComDevice", device) &&
            !device.empty()) {
            comDevice_ = device;
        }
    }
}

indEnviron::~indEnviron() {
    if (firstInstance_ && mark_ == ValidMark) {
        Save();
    }
    if (firstInstance_ && lock_ != nullptr) {
        lock_->Unlock();
    }
}

void indEnviron::ApplyDefaults() {
    mark_ = ValidMark;
    comPort_ = 1;
    comSpeedHigh_ = false;
    recent_.Clear();
    fontSizePercentage_ = 100;
    toolbarVisible_ = true;
    width_ = std::min(800, screen_.width * 90 / 100);
    height_ = std::min(600, screen_.height * 90 / 100);
    left_ = (screen_.width - width_) / 2;
    top_ = static_cast<int>((screen_.height - height_) * 0.3);
    splitterV_ = 200;
    modelType_ = 0;
    comDevice_ = DefaultComDevice;
    verifyAfterWrite_ = false;
    backupBeforeWrite_ = false;
    backupFolder_.clear();
}

void indEnviron::SetComPort(int port) {
    comPort_ = std::clamp(port, 1, 256);
}

void indEnviron::SetFontSizePercentage(int percent) {
    fontSizePercentage_ = std::clamp(percent, 25, 1000);
}

void indEnviron::SetWindow(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

// Reads the values in their stored order; a missing value ends the reading
// there and the values not read keep their defaults.
void indEnviron::Load() {
    if (backend_ == nullptr) {
        return;
    }
    cmcSettingsBackend& b = *backend_;
    int v = 0;
    if (!b.ReadInt(Global, "BBT", v)) {
        return;
    }
    mark_ = v;
    if (!b.ReadInt(Global, "ComPort", v)) {
        return;
    }
    SetComPort(v);
    if (!b.ReadInt(Global, "ComSpeedHigh", v)) {
        return;
    }
    comSpeedHigh_ = v > 0;
    for (int i = 0; i < RecentSlots; ++i) {
        std::string path;
        if (!b.ReadString(RecentFiles, RecentName(i), path)) {
            return;
        }
        if (!path.empty()) {
            recent_.Append(path);
        }
    }
    if (!b.ReadInt(ViewOption, "FontSize Percentage", v)) {
        return;
    }
    SetFontSizePercentage(v);
    if (!b.ReadInt(ViewOption, "Toolbar Visible", v)) {
        return;
    }
    toolbarVisible_ = v != 0;
    int* const window[] = {&left_, &top_, &width_, &height_, &splitterV_};
    const char* const names[] = {"Left", "Top", "Width", "Height", "SplitterV"};
    for (size_t i = 0; i < std::size(window); ++i) {
        if (!b.ReadInt(WindowPosition, names[i], v)) {
            return;
        }
        *window[i] = v;
    }
    if (b.ReadInt(Setup, "ModelType", v)) {
        SetModelType(v);
    }
    if (b.ReadInt(Setup, "VerifyAfterWrite", v)) {
        verifyAfterWrite_ = v != 0;
    }
    if (b.ReadInt(Setup, "BackupBeforeWrite", v)) {
        backupBeforeWrite_ = v != 0;
    }
    b.ReadString(Setup, "BackupFolder", backupFolder_);
}

void indEnviron::Save() {
    if (backend_ == nullptr) {
        return;
    }
    cmcSettingsBackend& b = *backend_;
    b.WriteInt(Global, "BBT", mark_);
    b.WriteInt(Global, "ComPort", comPort_);
    b.WriteInt(Global, "ComSpeedHigh", comSpeedHigh_ ? 1 : 0);
    for (int i = 0; i < RecentSlots; ++i) {
        b.WriteString(RecentFiles, RecentName(i), recent_.Entry(i));
    }
    b.WriteInt(ViewOption, "FontSize Percentage", fontSizePercentage_);
    b.WriteInt(ViewOption, "Toolbar Visible", toolbarVisible_ ? 1 : 0);
    b.WriteInt(WindowPosition, "Left", left_);
    b.WriteInt(WindowPosition, "Top", top_);
    b.WriteInt(WindowPosition, "Width", width_);
    b.WriteInt(WindowPosition, "Height", height_);
    b.WriteInt(WindowPosition, "SplitterV", splitterV_);
    b.WriteInt(Setup, "ModelType", modelType_);
    b.WriteInt(Setup, "VerifyAfterWrite", verifyAfterWrite_ ? 1 : 0);
    b.WriteInt(Setup, "BackupBeforeWrite", backupBeforeWrite_ ? 1 : 0);
    b.WriteString(Setup, "BackupFolder", backupFolder_);
    b.WriteString(Global, "ComDevice", comDevice_);
}

indEnviron* Environ() {
    return g_environ;
}

indEnviron* SetEnviron(indEnviron* environ) {
    indEnviron* previous = g_environ;
    g_environ = environ;
    return previous;
}
