#pragma once

// Chooses the window system before the application object exists: on a
// Wayland desktop that also offers an X display (XWayland), Tintwright runs as
// an X11 program unless the user has chosen a platform (QT_QPA_PLATFORM).
void PreferX11WhereAvailable();
