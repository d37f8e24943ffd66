// One pointer input routed to the output its selector names.
#include "window/MouseMUX.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

class MouseMUXRouting : public ::testing::Test {
protected:
    MouseMUXRouting() {
        events.listen(mux.output1, 1);
        events.listen(mux.output2, 2);
        events.listen(mux.output3, 3);
        events.listen(mux.output4, 4);
    }
    MouseMUX mux;
    Recorder<int, int, bool, int, int> events;  // output, then the event
};

TEST_F(MouseMUXRouting, ForwardsEverythingUnchangedToOutputOneAtFirst) {
    mux.route(2, true, 10, 20);
    mux.route(0, false, -5, 7000);
    using E = std::tuple<int, int, bool, int, int>;
    EXPECT_EQ(events, (std::vector<E>{E(1, 2, true, 10, 20), E(1, 0, false, -5, 7000)}));
}

TEST_F(MouseMUXRouting, SelectorPicksTheOutputAndOtherValuesSilenceAll) {
    for (int output : {2, 3, 4}) {
        mux.select(output);
        mux.route(1, true, output, 0);
    }
    for (int output : {0, 5, -1}) {
        mux.select(output);
        mux.route(1, true, 0, 0);
    }
    ASSERT_EQ(events.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(std::get<0>(events[i]), i + 2);
        EXPECT_EQ(std::get<3>(events[i]), i + 2);
    }
}

}  // namespace
