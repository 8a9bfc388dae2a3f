#pragma once
// The program-wide event bus. Listeners register a callback; events are sent
// (delivered at once), posted (delivered on the next pump of the queue, every
// 10 ms) or queried (delivered at once, collecting answers). Re-entrancy is the
// design point: callbacks may send, post, query, add or remove listeners.

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "cmcTask.h"

class cmcTimerHost;

enum class cmcEvMode : uint8_t { Posted = 0, Sent = 1, Query = 2 };

struct cmcEvent {
    uint8_t kind = 0;
    cmcEvMode mode = cmcEvMode::Sent;
    void* object = nullptr;
    int32_t value = 0;
    std::vector<uint8_t> data;  // optional payload: a text with its terminating zero, or raw bytes

    int32_t DataLength() const { return static_cast<int32_t>(data.size()); }
    // The payload read as a text (up to its terminating zero).
    std::string Text() const;
};

// One answer of a query. Nodes form a tree: a query made while another is being
// delivered collects its answers one level deeper.
struct cmcEvAns {
    int32_t value1 = 0;
    int32_t value2 = 0;
    std::vector<uint8_t> data;
    bool filled = false;

    cmcEvAns* parent = nullptr;
    std::unique_ptr<cmcEvAns> firstChild;
    std::unique_ptr<cmcEvAns> nextSibling;
    cmcEvAns* prevSibling = nullptr;

    cmcEvAns* Next() const { return nextSibling.get(); }
};

using cmcEvCallback = void (*)(void* listenerData, const cmcEvent& event);

class cmcEvMan {
  public:
    // Starts the 10 ms pump on the given timer host (default: the current host).
    explicit cmcEvMan(cmcTimerHost* host = nullptr);
    ~cmcEvMan();
    cmcEvMan(const cmcEvMan&) = delete;
    cmcEvMan& operator=(const cmcEvMan&) = delete;

    // Registers (callback, data) at the front; an earlier registration of the same pair is removed.
    void AddListener(cmcEvCallback callback, void* data);
    // Marks every registration of the pair removed; it is skipped at once and freed by the next
    // pump that runs outside every delivery.
    void RemoveListener(cmcEvCallback callback, void* data);

    void Send(uint8_t kind, void* object, int32_t value);
    void SendText(uint8_t kind, void* object, int32_t value, const std::string& text);
    void Post(uint8_t kind, void* object, int32_t value);
    void PostText(uint8_t kind, void* object, int32_t value, const std::string& text);
    void PostData(uint8_t kind, const void* bytes, int32_t length);
    // Delivers at once; returns the first answer (walk with Next()) or nullptr when nobody
    // answered. The answers stay valid until the next query at the same level.
    const cmcEvAns* Query(uint8_t kind, void* object, int32_t value);

    // Only meaningful while a query is being delivered.
    void Answer(int32_t value1, int32_t value2);
    void AnswerData(const void* bytes, int32_t length);

    // One pump of the queue (normally run by the manager's own task).
    void Pump();

    int ListenerCount() const;  // live (not removed) listeners
    int QueuedCount() const { return static_cast<int>(queue_.size()); }

  private:
    struct Listener {
        cmcEvCallback callback;
        void* data;
        bool removed;
    };
    struct Queued {
        cmcEvent event;
        bool done;
        bool fresh;
    };

    void Deliver(const cmcEvent& event);
    void Enqueue(cmcEvent event);
    cmcEvAns* CloseAnswer();

    std::list<Listener> listeners_;
    std::list<Queued> queue_;
    cmcEvAns root_;
    cmcEvAns* current_ = &root_;
    int delivering_ = 0;  // deliveries running, nested ones included
    int pumping_ = 0;     // pumps running, nested ones included
    cmcTaskHandle task_;
};

// The program-wide event manager (created on first use unless replaced).
cmcEvMan& EvMan();
// Replaces the program-wide manager (tests); nullptr restores the default. Returns the previous
// one.
cmcEvMan* SetEvMan(cmcEvMan* manager);
