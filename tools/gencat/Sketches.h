#pragma once
// Product sketches for the catalog's pictures, drawn with Qt so the repository holds no image files.
#include "Writer.h"

namespace gencat {

// Sketch names: blank, tray-rolled, tray-wire, tray-ladder, cover, cover-corner, connector, connector-wire,
// corner, tee, cross, transition, endcap, hanger-wall, hanger-ceiling, support, console, stud, profile,
// profile-c, tape, anchor, bolt, nut, washer, screw, plank, clamp, logo; any other name draws a labelled box.
class QtRenderer : public Renderer {
  public:
    std::string render(const std::string& sketch, const std::string& caption, int width, int height,
                       const std::string& format) override;
};

}  // namespace gencat
