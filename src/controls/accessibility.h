#pragma once

// Makes the custom controls known to screen readers: panels and labels by
// their captions (clickable ones as buttons that can be pressed), number
// fields by name and value, and each colour grid cell by its colour.
void InstallAccessibility();
