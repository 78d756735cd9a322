#pragma once
// The counter label's own font: a Japanese proportional gothic whose ink stays inside the label.
#include <windows.h>

#include <string>

namespace morvane::win32 {

// "ＭＳ Ｐゴシック" at 9.75 points at `dpi`, or the largest whole pixel size below that at
// which `widest` inks no pixel outside a label of `label` pixels, on one line, whatever
// digits stand in it. Rounded up, 9.75 points reach one row below the label at 144 DPI.
HFONT CounterFont(int dpi, SIZE label, const std::wstring& widest);

}  // namespace morvane::win32
