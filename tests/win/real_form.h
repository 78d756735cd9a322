#pragma once
// The extraction wired to the real Win32 platform, with plain fields standing for the window's.
#include <cstdint>

#include "extract/icon_file_writer.h"
#include "app/win32/win32_services.h"
#include "app/value_controls.h"
#include "tests/win/test_files.h"

namespace morvane::testing {

struct RealForm {
  RealForm() {
    controls.Text1[0] = &destinationField;
    controls.Text1[1] = &sourceField;
    controls.Label2 = &folderLabel;
  }

  // Splits the path as the loader does: folder with its backslash, then the bare name.
  void SetSource(const fs::path& file) {
    folderLabel.caption = file.parent_path().wstring() + L"\\";
    sourceField.text = file.filename().wstring();
  }

  void Run(std::int16_t first, std::int16_t last) {
    WriteIconFiles(controls, platform, first, last);
  }

  ValueTextBox destinationField;
  ValueTextBox sourceField;
  ValueLabel folderLabel;
  FormControls controls;

  win32::Win32Services services;
  Platform& platform = services.platform;
};

}  // namespace morvane::testing
