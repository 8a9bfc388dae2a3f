#pragma once
// Runs cmcTask timers on the Qt event loop: one QTimer per running task.

#include <QObject>
#include <unordered_map>

#include "cmcTimerHost.h"

class QTimer;

class cuiQtTimerHost : public QObject, public cmcTimerHost {
  public:
    explicit cuiQtTimerHost(QObject* parent = nullptr) : QObject(parent) {}
    ~cuiQtTimerHost() override;

    void Schedule(cmcTask* task, uint32_t intervalMs) override;
    // Safe from inside the task's own tick: the timer is stopped at once and freed later.
    void Cancel(cmcTask* task) override;

  private:
    std::unordered_map<cmcTask*, QTimer*> timers_;
};
