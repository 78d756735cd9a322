#pragma once
// The system's own text for an error code, in the language the system gives it.
#include <windows.h>

#include <string>

#include "platform/output_files.h"

namespace morvane::win32 {

std::wstring SystemErrorText(DWORD code);

// The error that GetLastError holds now, with its text.
WriteError LastWriteError();

}  // namespace morvane::win32
