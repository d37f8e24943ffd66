// Typed signals and slots.
//
// A sender owns one signal per kind of announcement; a receiver derives from
// has_slots and offers member functions with the signal's parameter list.
// Emitting calls every connected slot in connection order. A connection
// disappears with the first of its two ends, so no slot is ever called on a
// destroyed object. Every signal and receiver carries its own recursive lock,
// so a slot may emit further signals (even the same one) on the same thread.
#pragma once

#include <iterator>
#include <list>
#include <mutex>
#include <set>

namespace sigslot {

class multi_threaded_local {
public:
    multi_threaded_local() = default;
    // A copy gets a lock of its own; locks are never shared.
    multi_threaded_local(const multi_threaded_local&) {}
    multi_threaded_local& operator=(const multi_threaded_local&) { return *this; }
    virtual ~multi_threaded_local() = default;

    virtual void lock() { mutex_.lock(); }
    virtual void unlock() { mutex_.unlock(); }

private:
    std::recursive_mutex mutex_;
};

template <class mt_policy>
class LockBlock {
public:
    explicit LockBlock(mt_policy* m) : m_(m) { m_->lock(); }
    ~LockBlock() { m_->unlock(); }
    LockBlock(const LockBlock&) = delete;
    LockBlock& operator=(const LockBlock&) = delete;

private:
    mt_policy* m_;
};

template <class mt_policy>
class has_slots;

template <class mt_policy>
class _signal_base : public mt_policy {
public:
    virtual void drop_receiver(has_slots<mt_policy>* receiver) = 0;
    virtual void copy_receiver(const has_slots<mt_policy>* oldReceiver,
                               has_slots<mt_policy>* newReceiver) = 0;
};

template <class mt_policy = multi_threaded_local>
class has_slots : public mt_policy {
    using sender_set = std::set<_signal_base<mt_policy>*>;

public:
    has_slots() = default;

    // A copied receiver is connected to every signal its source is connected to.
    has_slots(const has_slots& other) : mt_policy() {
        LockBlock<mt_policy> lock(const_cast<has_slots*>(&other));
        for (auto* sender : other.senders_) {
            sender->copy_receiver(&other, this);
            senders_.insert(sender);
        }
    }
    has_slots& operator=(const has_slots&) = delete;

    virtual ~has_slots() { disconnect_all(); }

    void attach_sender(_signal_base<mt_policy>* sender) {
        LockBlock<mt_policy> lock(this);
        senders_.insert(sender);
    }

    void detach_sender(_signal_base<mt_policy>* sender) {
        LockBlock<mt_policy> lock(this);
        senders_.erase(sender);
    }

    void disconnect_all() {
        LockBlock<mt_policy> lock(this);
        for (auto* sender : senders_)
            sender->drop_receiver(this);
        senders_.clear();
    }

private:
    sender_set senders_;
};

// ---- connections ---------------------------------------------------------

template <class mt_policy, class... A>
class _connection_base {
public:
    virtual ~_connection_base() = default;
    virtual has_slots<mt_policy>* receiver() const = 0;
    virtual void invoke(A... args) = 0;
    virtual _connection_base* clone() = 0;
    virtual _connection_base* clone_for(has_slots<mt_policy>* newReceiver) = 0;
};

// Names by arity, kept for code written against them; the program uses none.
template <class mt_policy = multi_threaded_local>
using _connection_base0 = _connection_base<mt_policy>;
template <class A1, class mt_policy = multi_threaded_local>
using _connection_base1 = _connection_base<mt_policy, A1>;
template <class A1, class A2, class mt_policy = multi_threaded_local>
using _connection_base2 = _connection_base<mt_policy, A1, A2>;
template <class A1, class A2, class A3, class A4, class mt_policy = multi_threaded_local>
using _connection_base4 = _connection_base<mt_policy, A1, A2, A3, A4>;

// The receiver is kept as its has_slots part and turned back into a Dest only
// when called: a copied receiver's connections are cloned while the copy is
// still being built, when it is not yet a Dest.
template <class Dest, class mt_policy, class... A>
class _connection : public _connection_base<mt_policy, A...> {
public:
    using Slot = void (Dest::*)(A...);

    _connection(has_slots<mt_policy>* object, Slot slot) : object_(object), slot_(slot) {}

    has_slots<mt_policy>* receiver() const override { return object_; }
    void invoke(A... args) override { (static_cast<Dest*>(object_)->*slot_)(args...); }
    _connection_base<mt_policy, A...>* clone() override { return new _connection(*this); }
    _connection_base<mt_policy, A...>* clone_for(has_slots<mt_policy>* newReceiver) override {
        return new _connection(newReceiver, slot_);
    }

private:
    has_slots<mt_policy>* object_;
    Slot slot_;
};

// Names by arity, kept for code written against them; the program uses none.
template <class Dest, class mt_policy = multi_threaded_local>
using _connection0 = _connection<Dest, mt_policy>;
template <class Dest, class A1, class mt_policy = multi_threaded_local>
using _connection1 = _connection<Dest, mt_policy, A1>;
template <class Dest, class A1, class A2, class mt_policy = multi_threaded_local>
using _connection2 = _connection<Dest, mt_policy, A1, A2>;
template <class Dest, class A1, class A2, class A3, class A4,
          class mt_policy = multi_threaded_local>
using _connection4 = _connection<Dest, mt_policy, A1, A2, A3, A4>;

// ---- signals ---------------------------------------------------------------

template <class mt_policy, class... A>
class _signal_base_n : public _signal_base<mt_policy> {
protected:
    using connection = _connection_base<mt_policy, A...>;
    using connection_list = std::list<connection*>;

public:
    _signal_base_n() = default;

    // A copied signal takes clones of all its source's connections, in order.
    _signal_base_n(const _signal_base_n& other) : _signal_base<mt_policy>() {
        LockBlock<mt_policy> lock(const_cast<_signal_base_n*>(&other));
        for (auto* c : other.connected_) {
            c->receiver()->attach_sender(this);
            connected_.push_back(c->clone());
        }
    }
    _signal_base_n& operator=(const _signal_base_n&) = delete;

    ~_signal_base_n() override { disconnect_all(); }

    void disconnect_all() {
        LockBlock<mt_policy> lock(this);
        for (auto* c : connected_) {
            c->receiver()->detach_sender(this);
            delete c;
        }
        connected_.clear();
    }

    void drop_receiver(has_slots<mt_policy>* receiver) override {
        LockBlock<mt_policy> lock(this);
        for (auto it = connected_.begin(); it != connected_.end();) {
            if ((*it)->receiver() == receiver) {
                delete *it;
                it = connected_.erase(it);
            } else {
                ++it;
            }
        }
    }

    void copy_receiver(const has_slots<mt_policy>* oldReceiver,
                       has_slots<mt_policy>* newReceiver) override {
        LockBlock<mt_policy> lock(this);
        // Only the entries present now: clones appended below are not revisited.
        auto it = connected_.begin();
        for (auto n = connected_.size(); n > 0; --n, ++it) {
            if ((*it)->receiver() == oldReceiver)
                connected_.push_back((*it)->clone_for(newReceiver));
        }
    }

    template <class Dest>
    void connect(Dest* receiver, void (Dest::*slot)(A...)) {
        LockBlock<mt_policy> lock(this);
        connected_.push_back(new _connection<Dest, mt_policy, A...>(receiver, slot));
        receiver->attach_sender(this);
    }

    void emit(A... args) {
        LockBlock<mt_policy> lock(this);
        // The successor is taken before the call, so a slot may remove its own entry.
        for (auto it = connected_.begin(); it != connected_.end();) {
            auto next = std::next(it);
            (*it)->invoke(args...);
            it = next;
        }
    }

protected:
    connection_list connected_;
};

template <class mt_policy = multi_threaded_local>
using _signal_base0 = _signal_base_n<mt_policy>;
template <class A1, class mt_policy = multi_threaded_local>
using _signal_base1 = _signal_base_n<mt_policy, A1>;
template <class A1, class A2, class mt_policy = multi_threaded_local>
using _signal_base2 = _signal_base_n<mt_policy, A1, A2>;
template <class A1, class A2, class A3, class A4, class mt_policy = multi_threaded_local>
using _signal_base4 = _signal_base_n<mt_policy, A1, A2, A3, A4>;

template <class mt_policy = multi_threaded_local>
class signal0 : public _signal_base0<mt_policy> {};

template <class A1, class mt_policy = multi_threaded_local>
class signal1 : public _signal_base1<A1, mt_policy> {};

template <class A1, class A2, class mt_policy = multi_threaded_local>
class signal2 : public _signal_base2<A1, A2, mt_policy> {};

template <class A1, class A2, class A3, class A4, class mt_policy = multi_threaded_local>
class signal4 : public _signal_base4<A1, A2, A3, A4, mt_policy> {};

}  // namespace sigslot
