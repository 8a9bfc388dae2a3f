#include "cuiQtSettings.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString Key(const std::string& group, const std::string& name) {
    return QString::fromStdString(group + "/" + name);
}

}  // namespace

cuiQtSettings::cuiQtSettings() : settings_(QStringLiteral("Vexa"), QStringLiteral("Orvane_r3")) {}

cuiQtSettings::~cuiQtSettings() {
    settings_.sync();
}

bool cuiQtSettings::ReadInt(const std::string& group, const std::string& name, int& value) {
    const QVariant stored = settings_.value(Key(group, name));
    bool ok = false;
    const int number = stored.toInt(&ok);
    if (!stored.isValid() || !ok) {
        return false;
    }
    value = number;
    return true;
}

bool cuiQtSettings::ReadString(const std::string& group, const std::string& name,
                               std::string& value) {
    const QVariant stored = settings_.value(Key(group, name));
    if (!stored.isValid()) {
        return false;
    }
    value = stored.toString().toStdString();
    return true;
}

void cuiQtSettings::WriteInt(const std::string& group, const std::string& name, int value) {
    settings_.setValue(Key(group, name), value);
}

void cuiQtSettings::WriteString(const std::string& group, const std::string& name,
                                const std::string& value) {
    settings_.setValue(Key(group, name), QString::fromStdString(value));
}

QString cuiQtInstanceLock::LockPath() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
    }
    return dir + QStringLiteral("/Vexa Orvane_r3.lock");
}

cuiQtInstanceLock::cuiQtInstanceLock() : lock_(LockPath()) {
    // Never stale by age: a copy that runs for days still holds it. A lock
    // whose process is gone is taken over all the same.
    lock_.setStaleLockTime(0);
}

bool cuiQtInstanceLock::TryLock() {
    return lock_.tryLock(0);
}

void cuiQtInstanceLock::Unlock() {
    lock_.unlock();
}
