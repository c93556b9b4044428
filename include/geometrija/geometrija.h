// The Geometrija toolkit and its window: everything toolkit.h gives, and
// startGraphics, which opens the programs' window on the scene and does not
// return.  Link Geometrija::geometrija (pkg-config: geometrija).
#pragma once

#include "graphics.h"
#include "toolkit.h"
