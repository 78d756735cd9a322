#include "app/win32/hidden_form.h"

#include "app/command_line.h"

namespace morvane::win32 {

bool HiddenForm::Wanted() {
  return SourcePathFromArguments(ArgumentsAfterProgramName(Win32Process().CommandLine()))
      .has_value();
}

}  // namespace morvane::win32
