#pragma once
// The settings kept between runs and the single-instance lock. Only the first
// running copy loads settings at start and writes them back at exit.

#include <string>

#include "cmcRecent.h"
#include "cmcSettingsBackend.h"

// The screen size that the default window geometry is computed from.
struct indScreenSize {
    int width = 1024;
    int height = 768;
};

class indEnviron {
  public:
    static constexpr int ValidMark = 753951;
    static constexpr char DefaultComDevice[] = "/dev/ttyUSB%d";

    // Takes the lock; when this is the first instance, loads the settings from
    // backend (defaults where none are stored). Neither pointer is owned.
    indEnviron(cmcSettingsBackend* backend, cmcInstanceLock* lock, indScreenSize screen = {});
    // Writes the settings back when this is the first instance with valid settings.
    ~indEnviron();
    indEnviron(const indEnviron&) = delete;
    indEnviron& operator=(const indEnviron&) = delete;

    bool IsFirstInstance() const { return firstInstance_; }
    void Save();

    int ComPort() const { return comPort_; }
    void SetComPort(int port);
    bool ComSpeedHigh() const { return comSpeedHigh_; }
    void SetComSpeedHigh(bool on) { comSpeedHigh_ = on; }
    int FontSizePercentage() const { return fontSizePercentage_; }
    void SetFontSizePercentage(int percent);
    bool ToolbarVisible() const { return toolbarVisible_; }
    void SetToolbarVisible(bool on) { toolbarVisible_ = on; }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWindow(int left, int top, int width, int height);
    int SplitterV() const { return splitterV_; }
    void SetSplitterV(int width) { splitterV_ = width; }
    // Stored low byte; values outside 0..2 are taken as 0 by the model.
    int ModelType() const { return modelType_; }
    void SetModelType(int type) { modelType_ = type & 0xFF; }

    // The serial device of a port number: a pattern whose %d is the port number
    // less one, or a literal device path.
    const std::string& ComDevice() const { return comDevice_; }
    void SetComDevice(const std::string& device) { comDevice_ = device; }

    // Clone > Write's safeguards; an empty backup folder is the default one.
    bool VerifyAfterWrite() const { return verifyAfterWrite_; }
    void SetVerifyAfterWrite(bool on) { verifyAfterWrite_ = on; }
    bool BackupBeforeWrite() const { return backupBeforeWrite_; }
    void SetBackupBeforeWrite(bool on) { backupBeforeWrite_ = on; }
    const std::string& BackupFolder() const { return backupFolder_; }
    void SetBackupFolder(const std::string& folder) { backupFolder_ = folder; }

    cmcRecent& Recent() { return recent_; }
    const cmcRecent& Recent() const { return recent_; }

  private:
    void ApplyDefaults();
    void Load();

    cmcSettingsBackend* backend_;
    cmcInstanceLock* lock_;
    indScreenSize screen_;
    bool firstInstance_ = false;
    int mark_ = 0;
    int comPort_ = 1;
    bool comSpeedHigh_ = false;
    int fontSizePercentage_ = 100;
    bool toolbarVisible_ = true;
    int left_ = 0, top_ = 0, width_ = 800, height_ = 600;
    int splitterV_ = 200;
    int modelType_ = 0;
    std::string comDevice_;
    bool verifyAfterWrite_ = false;
    bool backupBeforeWrite_ = false;
    std::string backupFolder_;
    cmcRecent recent_;
};

// The program-wide settings store, once the program (or a test) has installed one.
indEnviron* Environ();
indEnviron* SetEnviron(indEnviron* environ);
