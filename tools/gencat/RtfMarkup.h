#pragma once
// Page texts are written by catalog authors in a small markup and turned into RTF here.
#include <string>

#include "Writer.h"

namespace gencat {

// markup is Windows-1251 text:
//   "= Heading", "== Subheading", "- bulleted item", "| cell | cell |" (a run of such lines is a table whose
//   first row is its header), "[image SKETCH "caption" WxH]" (a drawn picture embedded in the text),
//   a blank line between paragraphs, **bold** and //italic// inside any line.
std::string markupToRtf(const std::string& markup, Renderer& renderer);

// The RTF of an empty page.
std::string blankRtf();

}  // namespace gencat
