// The camera: loads the projection that follows the viewport and the viewing
// transform of the current pose. It does not move by itself; navigators hand
// it a new pose every frame.
#pragma once

#include "Coord.h"
#include "core/sigslot.h"

class Cam3d : public sigslot::has_slots<> {
public:
    void setCoord(Coord const& c);
    void applyProjection();
    void applyView();

    // The field of view and clipping are kept settable; the program keeps the defaults.
    void setHorizontalFov(float degrees);
    float horizontalFov() const { return fovH; }
    void setVerticalFov(float degrees);
    float verticalFov() const { return fovV; }
    void setNearClip(float d) { nearClip_ = d; }
    float nearClip() const { return nearClip_; }
    void setFarClip(float d) { farClip_ = d; }
    float farClip() const { return farClip_; }

    const Coord& pose() const { return coord; }

private:
    Coord coord;
    float fovH = 60;
    float fovV = 45;
    bool keepHorizontal = true;
    float nearClip_ = 0.1f;
    float farClip_ = 1000;
};
