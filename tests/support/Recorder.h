// A receiver that records every call of its slot, in order, with the
// arguments. It is the list of what it heard: one element per call, the
// argument itself where there is one, a tuple of them otherwise.
//
//     Recorder<double> periods(flower.periodChanged);
//     Recorder<> paints(view.paint, [&] { /* look at the GL state now */ });
//     Recorder<std::string> stages;  // several signals in one order
//     stages.listen(channel.stageScene, "scene");
#pragma once

#include "core/sigslot.h"

#include <deque>
#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace recording {

template <class... A>
struct Heard {
    using type = std::tuple<std::decay_t<A>...>;
};

template <class A>
struct Heard<A> {
    using type = std::decay_t<A>;
};

}  // namespace recording

template <class... A>
class Recorder : public sigslot::has_slots<>, public std::vector<typename recording::Heard<A...>::type> {
public:
    // Runs inside each call, after it is recorded: for a test that must look
    // or answer while the sender is still sending.
    using Reaction = std::function<void(A...)>;

    Recorder() = default;

    template <class Signal>
    explicit Recorder(Signal& signal, Reaction reaction = nullptr) : reaction_(std::move(reaction)) {
        signal.connect(this, &Recorder::record);
    }

    void record(A... args) {
        this->emplace_back(args...);
        if (reaction_)
            reaction_(args...);
    }

    // Calls of another signal, recorded with `tag` before their own arguments,
    // so that the calls of several signals keep one order.
    template <class Signal, class Tag>
    void listen(Signal& signal, Tag tag) {
        auto tap = std::make_unique<Tagged<A...>>(*this, std::move(tag));
        signal.connect(tap.get(), &Tagged<A...>::take);
        taps_.push_back(std::move(tap));
    }

private:
    template <class First, class... Rest>
    struct Tagged : sigslot::has_slots<> {
        template <class Tag>
        Tagged(Recorder& to, Tag tag) : to(to), tag(std::move(tag)) {}
        void take(Rest... rest) { to.record(tag, rest...); }
        Recorder& to;
        std::decay_t<First> tag;
    };

    Reaction reaction_;
    std::deque<std::unique_ptr<sigslot::has_slots<>>> taps_;
};
