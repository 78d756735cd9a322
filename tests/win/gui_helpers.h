#pragma once
// Reading pixels and taking screenshots in tests that drive the real window.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace morvane::testing {

using Pixels = std::vector<DWORD>;  // 0x00RRGGBB, rows top-down

// What `draw` paints onto a square of `size` pixels, or a rectangle, first filled with the
// window colour.
Pixels DrawnPixels(int size, const std::function<void(HDC)>& draw);
Pixels DrawnPixels(int width, int height, const std::function<void(HDC)>& draw);

// What a window shows on screen, `size` pixels square from its top left corner.
Pixels ShownPixels(HWND window, int size);

// Handles every message waiting for this thread.
void PumpMessages();

// Saves what a top-level window shows, frame included, as a PNG file.
bool SaveScreenshot(HWND window, const std::wstring& pngPath);

}  // namespace morvane::testing
