#pragma once

// The X server asked directly, where the toolkit's own answers fall short:
// whether the pointer can be had, and the exact pixel under the pointer.
// Without an X server (another platform) each says so as documented.

#include "cspace/cspace.h"

#include <cstdint>
#include <optional>

namespace XServer {

// Whether the server would let the window have the pointer now. Qt's grab
// (XInput 2) reports success even where another program holds the pointer,
// so the server is asked with a grab of its own, given back at once. True
// where there is no X server to ask.
bool pointerIsFree(std::uintptr_t window);

// The colour of the screen's pixel under the pointer, at the pointer's own
// position in the server's pixels: on a scaled desktop the toolkit's
// positions are rounded to its larger pixels and may miss by one. Nothing
// where the screen cannot be read so (no X server, a visual without RGB).
std::optional<cSpace::TColor> pixelUnderPointer(std::uintptr_t window);

// Moves the pointer by a number of the server's pixels, as a hand on the
// mouse would, so that whoever holds the pointer hears of the move. Nothing
// where there is no X server.
void movePointer(int dx, int dy);

} // namespace XServer
