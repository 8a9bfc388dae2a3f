#include "cmcEvMan.h"

#include <algorithm>
#include <cstring>

#include "cmcTask.h"
#include "cmcTimerHost.h"

namespace {
cmcEvMan* g_manager = nullptr;

cmcEvent MakeEvent(uint8_t kind, cmcEvMode mode, void* object, int32_t value) {
    cmcEvent e;
    e.kind = kind;
    e.mode = mode;
    e.object = object;
    e.value = value;
    return e;
}

std::vector<uint8_t> TextPayload(const std::string& text) {
    std::vector<uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return data;
}
}  // namespace

std::string cmcEvent::Text() const {
    const auto end = std::find(data.begin(), data.end(), uint8_t{0});
    return std::string(data.begin(), end);
}

cmcEvMan::cmcEvMan(cmcTimerHost* host) : task_(host) {
    task_->SetCallback([this](cmcTask&) { Pump(); });
    task_->SetInterval(10);
}

cmcEvMan::~cmcEvMan() {
    task_.Reset();
    queue_.clear();
    listeners_.clear();
}

void cmcEvMan::AddListener(cmcEvCallback callback, void* data) {
    if (callback == nullptr) {
        return;
    }
    RemoveListener(callback, data);
    listeners_.push_front({callback, data, false});
}

void cmcEvMan::RemoveListener(cmcEvCallback callback, void* data) {
    for (Listener& l : listeners_) {
        if (l.callback == callback && l.data == data) {
            l.removed = true;
        }
    }
}

int cmcEvMan::ListenerCount() const {
    int n = 0;
    for (const Listener& l : listeners_) {
        n += l.removed ? 0 : 1;
    }
    return n;
}

void cmcEvMan::Deliver(const cmcEvent& event) {
    // List iterators stay valid while callbacks add listeners (at the front) or
    // mark them removed: removed entries are only freed by a pump that runs
    // outside every delivery.
    ++delivering_;
    for (auto it = listeners_.begin(); it != listeners_.end(); ++it) {
        if (!it->removed) {
            it->callback(it->data, event);
        }
    }
    --delivering_;
}

void cmcEvMan::Send(uint8_t kind, void* object, int32_t value) {
    Deliver(MakeEvent(kind, cmcEvMode::Sent, object, value));
}

void cmcEvMan::SendText(uint8_t kind, void* object, int32_t value, const std::string& text) {
    cmcEvent e = MakeEvent(kind, cmcEvMode::Sent, object, value);
    e.data = TextPayload(text);
    Deliver(e);
}

void cmcEvMan::Enqueue(cmcEvent event) {
    queue_.push_back({std::move(event), false, true});
}

void cmcEvMan::Post(uint8_t kind, void* object, int32_t value) {
    Enqueue(MakeEvent(kind, cmcEvMode::Posted, object, value));
}

void cmcEvMan::PostText(uint8_t kind, void* object, int32_t value, const std::string& text) {
    cmcEvent e = MakeEvent(kind, cmcEvMode::Posted, object, value);
    e.data = TextPayload(text);
    Enqueue(std::move(e));
}

void cmcEvMan::PostData(uint8_t kind, const void* bytes, int32_t length) {
    cmcEvent e = MakeEvent(kind, cmcEvMode::Posted, nullptr, 0);
    if (bytes != nullptr && length > 0) {
        const auto* p = static_cast<const uint8_t*>(bytes);
        e.data.assign(p, p + length);
    }
    Enqueue(std::move(e));
}

void cmcEvMan::Pump() {
    for (Queued& q : queue_) {
        q.fresh = false;
    }
    // Entries appended during the walk are fresh and wait for the next pump.
    // A pump run from inside a delivery (a nested loop) delivers what is due
    // but frees nothing: an outer walk or delivery may stand on any entry.
    ++pumping_;
    for (auto it = queue_.begin(); it != queue_.end(); ++it) {
        if (!it->done && !it->fresh) {
            it->done = true;
            Deliver(it->event);
        }
    }
    --pumping_;
    if (pumping_ == 0 && delivering_ == 0) {
        queue_.remove_if([](const Queued& q) { return q.done; });
        listeners_.remove_if([](const Listener& l) { return l.removed; });
    }
}

const cmcEvAns* cmcEvMan::Query(uint8_t kind, void* object, int32_t value) {
    cmcEvAns* level = current_;
    level->firstChild.reset();  // the answers of an earlier query at this level
    level->firstChild = std::make_unique<cmcEvAns>();
    level->firstChild->parent = level;
    current_ = level->firstChild.get();

    Deliver(MakeEvent(kind, cmcEvMode::Query, object, value));

    // Drop the last, unfilled node of the chain and return to the parent level.
    cmcEvAns* last = current_;
    current_ = level;
    if (last->prevSibling != nullptr) {
        last->prevSibling->nextSibling.reset();
    } else {
        level->firstChild.reset();
    }
    return level->firstChild.get();
}

cmcEvAns* cmcEvMan::CloseAnswer() {
    cmcEvAns* node = current_;
    if (node == &root_) {
        return nullptr;  // no query is being delivered
    }
    node->filled = true;
    node->nextSibling = std::make_unique<cmcEvAns>();
    node->nextSibling->parent = node->parent;
    node->nextSibling->prevSibling = node;
    current_ = node->nextSibling.get();
    return node;
}

void cmcEvMan::Answer(int32_t value1, int32_t value2) {
    cmcEvAns* node = current_;
    if (node == &root_) {
        return;
    }
    node->value1 = value1;
    node->value2 = value2;
    CloseAnswer();
}

void cmcEvMan::AnswerData(const void* bytes, int32_t length) {
    cmcEvAns* node = current_;
    if (node == &root_) {
        return;
    }
    node->data.clear();
    if (bytes != nullptr && length > 0) {
        const auto* p = static_cast<const uint8_t*>(bytes);
        node->data.assign(p, p + length);
    }
    CloseAnswer();
}

cmcEvMan& EvMan() {
    // Always on the default host: a host installed for a while (a test's virtual
    // one) may be gone before the program-wide manager is.
    static cmcEvMan manager(&DefaultLoopTimerHost());
    return g_manager != nullptr ? *g_manager : manager;
}

cmcEvMan* SetEvMan(cmcEvMan* manager) {
    cmcEvMan* previous = g_manager;
    g_manager = manager;
    return previous;
}
