#include "core/sigslot.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace sigslot;

namespace {

// Records every call as "<name>:<value>" into a shared log.
struct Recorder : has_slots<> {
    Recorder(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {}
    void a() { log.push_back(name + ".a"); }
    void b() { log.push_back(name + ".b"); }
    void value(int v) { log.push_back(name + ":" + std::to_string(v)); }
    std::vector<std::string>& log;
    std::string name;
};

// Never connected, or emptied by disconnect_all: emitting reaches no slot.
TEST(Sigslot, EmptySignalEmitsToNobody) {
    std::vector<std::string> log;
    Recorder r(log, "r");
    signal0<> s;
    s.emit();
    s.connect(&r, &Recorder::a);
    s.disconnect_all();
    s.emit();
    signal4<int, bool, int, int> s4;
    s4.emit(1, true, 2, 3);
    EXPECT_TRUE(log.empty());
}

TEST(Sigslot, SlotsRunInConnectionOrderAndTwiceWhenConnectedTwice) {
    std::vector<std::string> log;
    Recorder r(log, "r");
    signal0<> s;
    s.connect(&r, &Recorder::b);
    s.connect(&r, &Recorder::a);
    s.connect(&r, &Recorder::b);
    s.emit();
    EXPECT_EQ(log, (std::vector<std::string>{"r.b", "r.a", "r.b"}));
}

TEST(Sigslot, ArgumentsReachEverySlotUnchanged) {
    struct Four : has_slots<> {
        void take(int b, bool p, int x, int y) { seen.push_back({b, p, x, y}); }
        std::vector<std::tuple<int, bool, int, int>> seen;
    } f;
    signal4<int, bool, int, int> s;
    s.connect(&f, &Four::take);
    s.connect(&f, &Four::take);
    s.emit(2, true, 10, 20);
    ASSERT_EQ(f.seen.size(), 2u);
    EXPECT_EQ(f.seen[1], std::make_tuple(2, true, 10, 20));
}

TEST(Sigslot, DestroyedReceiverLeavesEverySignalItWasConnectedTo) {
    std::vector<std::string> log;
    Recorder keep(log, "keep");
    signal1<int> s1, s2, s3;
    {
        Recorder gone(log, "gone");
        s1.connect(&gone, &Recorder::value);
        s1.connect(&keep, &Recorder::value);
        s2.connect(&keep, &Recorder::value);
        s2.connect(&gone, &Recorder::value);
        s3.connect(&gone, &Recorder::value);
    }
    s1.emit(1);
    s2.emit(2);
    s3.emit(3);
    EXPECT_EQ(log, (std::vector<std::string>{"keep:1", "keep:2"}));
}

TEST(Sigslot, SignalDestroyedBeforeItsReceiver) {
    std::vector<std::string> log;
    auto r = std::make_unique<Recorder>(log, "r");
    auto other = std::make_unique<signal0<>>();
    {
        signal0<> s;
        s.connect(r.get(), &Recorder::a);
        other->connect(r.get(), &Recorder::b);
    }
    // The receiver must not reach back into the dead signal.
    other->emit();
    r.reset();
    other->emit();
    EXPECT_EQ(log, (std::vector<std::string>{"r.b"}));
}

TEST(Sigslot, SlotMayEmitTheSameSignalAgainOnTheSameThread) {
    struct Echo : has_slots<> {
        signal1<int>* s = nullptr;
        std::vector<int> seen;
        void take(int v) {
            seen.push_back(v);
            if (v > 0)
                s->emit(v - 1);
        }
    } echo;
    signal1<int> s;
    echo.s = &s;
    s.connect(&echo, &Echo::take);
    s.emit(3);
    EXPECT_EQ(echo.seen, (std::vector<int>{3, 2, 1, 0}));
}

TEST(Sigslot, SlotMayDisconnectItsOwnEntryWhileBeingInvoked) {
    std::vector<std::string> log;
    struct Quitter : has_slots<> {
        std::vector<std::string>* log;
        void once() {
            log->push_back("quit");
            disconnect_all();
        }
    } quitter;
    quitter.log = &log;
    Recorder after(log, "after");
    signal0<> s;
    s.connect(&quitter, &Quitter::once);
    s.connect(&after, &Recorder::a);
    s.emit();
    s.emit();
    EXPECT_EQ(log, (std::vector<std::string>{"quit", "after.a", "after.a"}));
}

TEST(Sigslot, SlotMayDestroyItsOwnReceiverWhileBeingInvoked) {
    std::vector<std::string> log;
    struct Suicide : has_slots<> {
        void die() { delete this; }
    };
    Recorder after(log, "after");
    signal0<> s;
    s.connect(new Suicide, &Suicide::die);
    s.connect(&after, &Recorder::a);
    s.emit();
    s.emit();
    EXPECT_EQ(log, (std::vector<std::string>{"after.a", "after.a"}));
}

TEST(Sigslot, ReferenceArgumentLetsSlotsAnswerTheEmitter) {
    struct Model : has_slots<> {
        unsigned mask = 0x380;
        void get(unsigned& out) { out = mask; }
        void orBit(unsigned& out) { out |= 1u; }
    } model;
    signal1<unsigned&> query;
    unsigned mask = 0;
    query.emit(mask);
    EXPECT_EQ(mask, 0u) << "a query nobody answers leaves the caller's value";
    query.connect(&model, &Model::get);
    query.connect(&model, &Model::orBit);
    query.emit(mask);
    EXPECT_EQ(mask, 0x381u) << "later slots see earlier slots' changes";
}

TEST(Sigslot, VirtualSlotDispatchesToMostDerivedOverride) {
    struct Base : has_slots<> {
        virtual void hit(int v) { got = "base" + std::to_string(v); }
        std::string got;
    };
    struct Derived : Base {
        void hit(int v) override { got = "derived" + std::to_string(v); }
    };
    Derived d;
    signal1<int> s;
    s.connect<Base>(&d, &Base::hit);
    s.emit(7);
    EXPECT_EQ(d.got, "derived7");
}

TEST(Sigslot, CopiedSignalAndCopiedReceiverKeepTheirConnections) {
    std::vector<std::string> log;
    Recorder a(log, "a"), b(log, "b");
    signal1<int> s;
    s.connect(&a, &Recorder::value);
    s.connect(&b, &Recorder::value);

    signal1<int> copy(s);  // clones every connection, in order
    copy.emit(1);

    Recorder c(a);  // connected wherever a is, behind the existing entries
    c.name = "c";
    s.emit(2);
    EXPECT_EQ(log, (std::vector<std::string>{"a:1", "b:1", "a:2", "b:2", "c:2"}));

    log.clear();
    {
        signal1<int> dies(s);
    }
    s.emit(3);  // the copy's death took only its own connections
    EXPECT_EQ(log, (std::vector<std::string>{"a:3", "b:3", "c:3"}));
}

// Like the GL view, whose toolkit base comes before has_slots: the copy is
// called as itself, not at its receiver part's address.
TEST(Sigslot, CopiedReceiverBehindAnotherBaseIsCalledAsItself) {
    struct Widget {
        virtual ~Widget() = default;
        double geometry[4] = {};
    };
    struct View : Widget, has_slots<> {
        int got = 0;
        void value(int v) { got = v; }
    };
    View a;
    signal1<int> s;
    s.connect(&a, &View::value);
    View b(a);
    s.emit(5);
    EXPECT_EQ(a.got, 5);
    EXPECT_EQ(b.got, 5);
}

}  // namespace
