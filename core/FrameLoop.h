// One pass of the frame loop: the view redrawn as its flags ask, and not drawn
// at all while it is not on screen.
#pragma once

class FltkAdaptor;

class FrameLoop {
public:
    explicit FrameLoop(FltkAdaptor& view);

    void pass();

private:
    FltkAdaptor& view;
};
