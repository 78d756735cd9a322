#pragma once
// Steps that several handlers write into the fake journal.
#include <initializer_list>

#include "tests/host/recorded_controls.h"

namespace morvane::testing {

// SetControlsEnabled(false) and SetControlsEnabled(true).
inline const Journal kDisableButtons{L"cmdMake.Disabled", L"Command1(0).Disabled",
                                     L"Command1(1).Disabled", L"Text1(0).Focus"};
inline const Journal kEnableButtons{L"cmdMake.Enabled", L"Command1(0).Enabled",
                                    L"Command1(1).Enabled", L"Text1(0).Focus"};

inline Journal Join(std::initializer_list<Journal> parts) {
  Journal all;
  for (const Journal& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

}  // namespace morvane::testing
