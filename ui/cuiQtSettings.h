#pragma once
// The settings and the single-instance lock of the window program: values in
// QSettings (organisation "Vexa", application "Orvane_r3"), the lock a
// QLockFile in the user's runtime directory. A lock left by a copy that
// crashed is taken over, whatever its age.

#include <QLockFile>
#include <QSettings>
#include <memory>

#include "cmcSettingsBackend.h"

class cuiQtSettings : public cmcSettingsBackend {
  public:
    cuiQtSettings();
    ~cuiQtSettings() override;

    bool ReadInt(const std::string& group, const std::string& name, int& value) override;
    bool ReadString(const std::string& group, const std::string& name, std::string& value) override;
    void WriteInt(const std::string& group, const std::string& name, int value) override;
    void WriteString(const std::string& group, const std::string& name,
                     const std::string& value) override;

  private:
    QSettings settings_;
};

class cuiQtInstanceLock : public cmcInstanceLock {
  public:
    // The lock file's path: "<runtime directory>/Vexa Orvane_r3.lock".
    static QString LockPath();

    cuiQtInstanceLock();
    bool TryLock() override;
    void Unlock() override;

  private:
    QLockFile lock_;
};
