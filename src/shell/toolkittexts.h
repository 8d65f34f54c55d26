#pragma once

// Installs Qt's own Japanese texts (context menus of sliders and fields,
// standard buttons) so that everything the toolkit adds to the windows is
// Japanese like the rest of them, whatever the user's locale. Call it before
// any widget exists. Returns false when the translation is not installed
// (Debian's qt6-translations-l10n); Qt's English texts then remain.
bool LoadToolkitTexts();
