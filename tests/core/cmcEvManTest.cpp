#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ScopedOverride.h"
#include "cmcEvMan.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"

namespace {

// The kinds used here are plain tags: the bus gives event numbers no meaning.

// A listener that records what it hears and can act on an event while it is delivered.
struct Recorder {
    cmcEvMan* man = nullptr;
    std::string name;
    std::vector<std::string>* log = nullptr;
    std::function<void(const cmcEvent&)> onEvent;

    static void Callback(void* data, const cmcEvent& e) {
        auto* self = static_cast<Recorder*>(data);
        self->log->push_back(self->name + ":" + std::to_string(e.kind) + "/" +
                             std::to_string(static_cast<int>(e.mode)));
        if (self->onEvent) {
            self->onEvent(e);
        }
    }
    void Add() { man->AddListener(&Callback, this); }
    void Remove() { man->RemoveListener(&Callback, this); }
};

class EvManTest : public ::testing::Test {
  protected:
    Recorder Make(const std::string& name) { return Recorder{&man, name, &log, {}}; }
    cmcVirtualTimerHost host;
    cmcEvMan man{&host};
    std::vector<std::string> log;
};

}  // namespace

TEST_F(EvManTest, SendReachesTheMostRecentListenerFirst) {
    Recorder a = Make("a"), b = Make("b");
    a.Add();
    b.Add();
    man.Send(9, nullptr, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"b:9/1", "a:9/1"}));
    a.Add();  // re-registering moves a to the front and leaves one registration
    log.clear();
    man.Send(9, nullptr, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"a:9/1", "b:9/1"}));
    EXPECT_EQ(man.ListenerCount(), 2);
}

TEST_F(EvManTest, SendTextCarriesTheTextWithItsTerminator) {
    Recorder a = Make("a");
    std::string got;
    int32_t length = 0;
    a.onEvent = [&](const cmcEvent& e) {
        got = e.Text();
        length = e.DataLength();
    };
    a.Add();
    man.SendText(4, nullptr, 7, "Channel copied");
    EXPECT_EQ(got, "Channel copied");
    EXPECT_EQ(length, 15);
}

TEST_F(EvManTest, PostedEventsWaitForThePump) {
    Recorder a = Make("a");
    a.Add();
    man.Post(13, nullptr, 0);
    man.PostData(19, "\x01\x00\x00\x00", 4);
    EXPECT_TRUE(log.empty());
    host.Advance(9);
    EXPECT_TRUE(log.empty());
    host.Advance(1);
    EXPECT_EQ(log, (std::vector<std::string>{"a:13/0", "a:19/0"}));
    EXPECT_EQ(man.QueuedCount(), 0);
}

TEST_F(EvManTest, APostMadeInsideAPumpIsDeliveredByTheNextPump) {
    Recorder a = Make("a");
    a.onEvent = [&](const cmcEvent& e) {
        if (e.kind == 1) {
            man.Post(2, nullptr, 0);
        }
    };
    a.Add();
    man.Post(1, nullptr, 0);
    man.Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"a:1/0"}));
    EXPECT_EQ(man.QueuedCount(), 1);
    man.Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"a:1/0", "a:2/0"}));
}

TEST_F(EvManTest, AListenerRemovingItselfDuringDeliveryIsNotCalledAgain) {
    Recorder a = Make("a"), b = Make("b");
    a.Add();
    b.onEvent = [&](const cmcEvent&) { b.Remove(); };
    b.Add();
    man.Send(5, nullptr, 0);
    man.Send(6, nullptr, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"b:5/1", "a:5/1", "a:6/1"}));
    EXPECT_EQ(man.ListenerCount(), 1);
}

TEST_F(EvManTest, AListenerRemovedByAnEarlierOneIsSkippedForThatEvent) {
    Recorder a = Make("a"), b = Make("b");
    a.Add();
    b.onEvent = [&](const cmcEvent&) { a.Remove(); };
    b.Add();
    man.Post(3, nullptr, 0);
    man.Pump();
    EXPECT_EQ(log, (std::vector<std::string>{"b:3/0"}));
}

// A nested loop inside a delivery (a modal box) pumps the queue; the entries
// the outer delivery stands on stay alive until it has finished.
TEST_F(EvManTest, ANestedLoopInsideADeliveryFreesNothingInUse) {
    struct Case {
        const char* what;
        bool post;
        bool removeSelf;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"sent, the listener removes itself", false, true, {"b:5/1", "a:5/1"}},
        {"posted, the listener pumps", true, false, {"b:5/0", "b:6/0", "a:6/0", "a:5/0"}},
    };
    for (const Case& c : cases) {
        log.clear();
        Recorder a = Make("a"), b = Make("b");
        a.Add();
        b.onEvent = [&](const cmcEvent& e) {
            if (e.kind != 5) {
                return;
            }
            if (c.removeSelf) {
                b.Remove();
                host.Advance(20);  // the pump runs from the nested loop
            } else {
                man.Pump();
            }
        };
        b.Add();
        if (c.post) {
            man.Post(5, nullptr, 0);
            man.Post(6, nullptr, 0);
            man.Pump();
        } else {
            man.Send(5, nullptr, 0);
        }
        EXPECT_EQ(log, c.expected) << c.what;
        man.Pump();  // outside every delivery: removed and delivered entries are freed
        EXPECT_EQ(man.QueuedCount(), 0) << c.what;
        EXPECT_EQ(man.ListenerCount(), c.removeSelf ? 1 : 2) << c.what;
        a.Remove();
        b.Remove();
        man.Pump();
    }
}

TEST_F(EvManTest, TwoAnswersToOneQueryComeInListenerOrder) {
    Recorder a = Make("a"), b = Make("b"), silent = Make("s");
    a.onEvent = [&](const cmcEvent&) { man.Answer(1, 10); };
    b.onEvent = [&](const cmcEvent&) { man.AnswerData("xy", 2); };
    silent.Add();
    a.Add();
    b.Add();
    const cmcEvAns* ans = man.Query(28, nullptr, 0);
    ASSERT_NE(ans, nullptr);
    EXPECT_EQ(ans->data, (std::vector<uint8_t>{'x', 'y'}));
    ASSERT_NE(ans->Next(), nullptr);
    EXPECT_EQ(ans->Next()->value1, 1);
    EXPECT_EQ(ans->Next()->value2, 10);
    EXPECT_EQ(ans->Next()->Next(), nullptr);
}

TEST_F(EvManTest, AQueryNobodyAnswersReturnsNone) {
    Recorder a = Make("a");
    a.Add();
    EXPECT_EQ(man.Query(12, nullptr, 0), nullptr);
    man.Answer(1, 2);  // outside a query: ignored
    EXPECT_EQ(man.Query(12, nullptr, 0), nullptr);
}

TEST_F(EvManTest, ANestedQueryCollectsItsAnswersOneLevelDeeper) {
    Recorder outer = Make("o"), inner = Make("i");
    int32_t innerAnswer = 0;
    inner.onEvent = [&](const cmcEvent& e) {
        if (e.kind == 2) {
            man.Answer(77, 0);
        }
    };
    outer.onEvent = [&](const cmcEvent& e) {
        if (e.kind == 1) {
            const cmcEvAns* nested = man.Query(2, nullptr, 0);
            innerAnswer = nested != nullptr ? nested->value1 : -1;
            man.Answer(5, 6);
        }
    };
    inner.Add();
    outer.Add();
    const cmcEvAns* ans = man.Query(1, nullptr, 0);
    EXPECT_EQ(innerAnswer, 77);
    ASSERT_NE(ans, nullptr);
    EXPECT_EQ(ans->value1, 5);
    EXPECT_EQ(ans->Next(), nullptr);
}

TEST_F(EvManTest, DestructionDropsQueuedEventsUndelivered) {
    std::vector<std::string> local;
    {
        cmcEvMan other(&host);
        Recorder r{&other, "r", &local, {}};
        r.Add();
        other.Post(1, nullptr, 0);
    }
    host.Advance(50);
    EXPECT_TRUE(local.empty());
}

namespace {
bool g_heard = false;
void Hear(void*, const cmcEvent&) {
    g_heard = true;
}
}  // namespace

// Run in a child process, so that this is the first use of the program-wide manager.
TEST(EvManDeathTest, TheProgramWideManagerStaysOnTheDefaultTimerHost) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto* temporary = new cmcVirtualTimerHost;
            {
                ScopedOverride hostOverride(SetCurrentTimerHost, temporary);
                EvMan().AddListener(&Hear, nullptr);  // first use while a temporary host is current
            }
            delete temporary;
            EvMan().Post(1, nullptr, 0);
            const bool pumped = DefaultLoopTimerHost().RunUntil([] { return g_heard; }, 2000);
            std::exit(pumped ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
