#pragma once
// Shows a parsed page in a Qt text document.
#include "browser/RtfDocument.h"

class QTextDocument;

namespace brenvoll::browser {

// Replaces the target's content. Runs with no font or size keep the target's default font, which the
// caller sets; pictures that do not decode are left out.
void renderRtf(const RtfDocument& doc, QTextDocument& target);

}  // namespace brenvoll::browser
