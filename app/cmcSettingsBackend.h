#pragma once
// Where settings live between runs: the window program stores them with the
// platform's settings service, tests in memory. Values are addressed by group
// (a subkey of the program's key) and name.

#include <map>
#include <string>
#include <utility>

class cmcSettingsBackend {
  public:
    virtual ~cmcSettingsBackend() = default;
    // False when the value is missing or unreadable.
    virtual bool ReadInt(const std::string& group, const std::string& name, int& value) = 0;
    virtual bool ReadString(const std::string& group, const std::string& name,
                            std::string& value) = 0;
    virtual void WriteInt(const std::string& group, const std::string& name, int value) = 0;
    virtual void WriteString(const std::string& group, const std::string& name,
                             const std::string& value) = 0;
};

// Settings held in memory (tests, and programs that keep nothing between runs).
class cmcMemorySettings : public cmcSettingsBackend {
  public:
    bool ReadInt(const std::string& group, const std::string& name, int& value) override;
    bool ReadString(const std::string& group, const std::string& name, std::string& value) override;
    void WriteInt(const std::string& group, const std::string& name, int value) override;
    void WriteString(const std::string& group, const std::string& name,
                     const std::string& value) override;

    std::map<std::pair<std::string, std::string>, int> ints;
    std::map<std::pair<std::string, std::string>, std::string> strings;
    int reads = 0;
    int writes = 0;
};

// The single-instance lock: held by the first running copy of the program.
class cmcInstanceLock {
  public:
    virtual ~cmcInstanceLock() = default;
    // True when this process now holds the lock and no other live process did.
    virtual bool TryLock() = 0;
    virtual void Unlock() = 0;
};
