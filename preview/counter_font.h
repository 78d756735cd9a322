#pragma once
// The counter's font: a Japanese proportional gothic whose ink stays inside the label.
#include <string>

#include "platform/controls.h"

namespace morvane {

// Keeps the designed height where `widest` fits on one line, with any one digit in place of all
// of its digits; else the largest whole pixel height below it at which it does. Rounded up,
// 9.75 points reach one row below the label at 144 DPI.
void FitCounterFont(CounterLabel& counter, const std::wstring& widest);

}  // namespace morvane
