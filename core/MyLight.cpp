#include "MyLight.h"

#include <GL/gl.h>

void MyLight::enable() { glEnable(GL_LIGHT0); }
