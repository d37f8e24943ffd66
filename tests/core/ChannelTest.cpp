// The frame's eight stages, in order.
#include "core/Channel.h"
#include "support/Recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Channel, RunsTheEightStagesInOrderWhateverTheConnectionOrder) {
    Channel channel;
    Recorder<std::string> seen;
    seen.listen(channel.stageScene, "scene");
    seen.listen(channel.stageLight, "light");
    seen.listen(channel.stageView, "view");
    seen.listen(channel.stageAfterProjection, "afterProjection");
    seen.listen(channel.stageProjection, "projection");
    seen.listen(channel.stageAfterClear, "afterClear");
    seen.listen(channel.stageClear, "clear");
    seen.listen(channel.stageTime, "time");
    channel.runFrame();
    EXPECT_EQ(seen, (std::vector<std::string>{"time", "clear", "afterClear", "projection",
                                              "afterProjection", "view", "light", "scene"}));
}

}  // namespace
