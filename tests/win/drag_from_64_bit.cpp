// Drags a file onto a point of the screen from a 64-bit process, as Explorer on 64-bit Windows
// does: the 32-bit program's tests start it.
//   drag_from_64_bit.exe <x> <y> <file>      exit code: the drop effect, or 255 on a failure
#include <cstdlib>

#include "tests/win/drag_files.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 4 || FAILED(OleInitialize(nullptr))) return 255;
  const POINT target{std::wcstol(argv[1], nullptr, 10), std::wcstol(argv[2], nullptr, 10)};
  const morvane::testing::Drag drag = morvane::testing::DragFiles({argv[3]}, target);
  OleUninitialize();
  return drag.buttonDown && drag.buttonUp && drag.cursorMoved ? static_cast<int>(drag.effect) : 255;
}
