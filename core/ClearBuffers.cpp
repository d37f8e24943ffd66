#include "ClearBuffers.h"

#include <GL/gl.h>

void ClearBuffers::setColor(Vec<float, 3> rgb) {
    color[0] = rgb[0];
    color[1] = rgb[1];
    color[2] = rgb[2];
    color[3] = 0;
}

void ClearBuffers::clear() {
    glClearColor(color[0], color[1], color[2], color[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
