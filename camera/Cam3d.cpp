#include "Cam3d.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace {
constexpr double degreesPerRadian = 57.29577951308232;
// A derived vertical field at or past 180 degrees turns the picture inside
// out; a view more than about three times taller than wide would get one.
constexpr double widestVerticalField = 150;
}

void Cam3d::setCoord(Coord const& c) { coord = c; }

void Cam3d::applyProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    // A view shrunk to nothing shows nothing; keep the angles finite for when it grows back.
    if (viewport[2] > 0 && viewport[3] > 0) {
        const double aspect = double(viewport[2]) / double(viewport[3]);
        if (keepHorizontal)
            fovV = float(std::min(fovH / aspect, widestVerticalField));
        else
            fovH = float(fovV * aspect);
        gluPerspective(fovV, aspect, nearClip_, farClip_);
    }
    glMatrixMode(GL_MODELVIEW);
}

void Cam3d::applyView() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // OpenGL's eye looks along -z with +y up; ours, at level angles, along +y
    // with +z up: a quarter turn about x takes one to the other.
    glRotatef(-90, 1, 0, 0);
    glRotatef(float(-coord.angles[2] * degreesPerRadian), 0, 1, 0);
    glRotatef(float(-coord.angles[1] * degreesPerRadian), 1, 0, 0);
    glRotatef(float(-coord.angles[0] * degreesPerRadian), 0, 0, 1);
    glTranslatef(float(-coord.position[0]), float(-coord.position[1]), float(-coord.position[2]));
}

void Cam3d::setHorizontalFov(float degrees) {
    fovH = degrees;
    keepHorizontal = true;
}

void Cam3d::setVerticalFov(float degrees) {
    fovV = degrees;
    keepHorizontal = false;
}
