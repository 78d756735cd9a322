#pragma once
// The counter label's own font: a Japanese proportional gothic whose ink stays inside the label.
#include <windows.h>

namespace morvane::win32 {

// "ＭＳ Ｐゴシック" at 9.75 points, in the whole pixels not above that at `dpi` whose ink stays
// inside a label of `label` pixels. Rounded up, its glyphs reach one row below the label at
// 144 DPI; at 192 DPI they do even in whole pixels, and it is a pixel smaller.
HFONT CounterFont(int dpi, SIZE label);

}  // namespace morvane::win32
