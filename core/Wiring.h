// Who talks to whom: the program's connections, each made once, in the order
// the start-up makes them and grouped by its steps, and the two start values
// stored between them. Wiring.cpp numbers the connections; slots of one
// signal run in the order they were connected. Each function takes the
// components in the order its rows first name them.
#pragma once

class Cam3d;
class Channel;
class ClearBuffers;
class DragBox;
class FibSurface;
class FltkAdaptor;
class FlowerUI;
class FrameClock;
class FreeFly;
class FreeFlyInput;
class MouseMUX;
class MyLight;
class SmallOSD;
class SyncView;
class SyncViewMUX;
class TrackView;
class VSyncHack;

// Every palette signal to the flower, the clear colour or the period display.
void connectPaletteSignals(FlowerUI& flowerUI, ClearBuffers& clearBuffers, FibSurface& fibSurface,
                           SmallOSD& smallOSD);

// The view's paint to the swap interval, the frame and the display; the
// flower's period to the display; the view's mouse to its multiplexer.
void connectViewPaintAndMouse(FltkAdaptor& glView, VSyncHack& vsyncHack, Channel& channel,
                              SmallOSD& smallOSD, FibSurface& fibSurface, MouseMUX& mouseMUX);

// Light blue, before any frame.
void setStartColor(ClearBuffers& clearBuffers);

// The frame's stages to their receivers, and the frame's time to the pose loop.
void connectFrameStagesAndTime(Channel& channel, ClearBuffers& clearBuffers, Cam3d& cam3d,
                               FrameClock& frameClock, MyLight& myLight, SyncView& syncView);

// Above the flower, stored without a signal; the track view aims it down at
// the centre in the first frame.
void setStartPose(SyncView& syncView);

// The pose goes round through the selected navigator
// once per frame and on to the camera.
void connectPoseLoop(SyncView& syncView, Cam3d& cam3d, SyncViewMUX& syncViewMUX,
                     TrackView& trackView, FreeFly& freeFly);

// The pose loop, then the pointer, the scene stage,
// and last the view's wheel and navigation keys.
void connectPoseLoopAndPointer(SyncView& syncView, Cam3d& cam3d, SyncViewMUX& syncViewMUX,
                               TrackView& trackView, FreeFly& freeFly, FreeFlyInput& freeFlyInput,
                               MouseMUX& mouseMUX, DragBox& dragBox, Channel& channel,
                               FibSurface& fibSurface, FltkAdaptor& glView);
