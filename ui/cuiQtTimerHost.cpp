#include "cuiQtTimerHost.h"

#include <QTimer>

#include "cmcTask.h"

cuiQtTimerHost::~cuiQtTimerHost() {
    for (auto& [task, timer] : timers_) {
        timer->stop();
    }
}

void cuiQtTimerHost::Schedule(cmcTask* task, uint32_t intervalMs) {
    QTimer*& timer = timers_[task];
    if (timer == nullptr) {
        timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [task] { task->Tick(); });
    }
    timer->start(static_cast<int>(intervalMs));
}

void cuiQtTimerHost::Cancel(cmcTask* task) {
    const auto it = timers_.find(task);
    if (it == timers_.end()) {
        return;
    }
    it->second->stop();
    it->second->disconnect();
    it->second->deleteLater();
    timers_.erase(it);
}
