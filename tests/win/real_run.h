#pragma once
// An extraction run over the real Win32 services, started as the Extract command starts one.
#include "extract/icon_file_writer.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_output_files.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_source_files.h"
#include "tests/win/test_files.h"

namespace morvane::testing {

struct RealRun {
  // Splits the path as the loader does: the folder with its backslash, then the bare name.
  void SetSource(const fs::path& file) {
    files.sourceFolder = file.parent_path().wstring() + L"\\";
    files.sourceName = file.filename().wstring();
  }
  RunOutcome Run(int first, int last) {
    WriteServices services{messages, sources, paths, output};
    return WriteIconFiles(files, services, first, last);
  }

  RunFiles files;
  win32::Win32MessageBoxes messages;
  win32::Win32SourceFiles sources;
  win32::Win32PathNames paths;
  win32::Win32OutputFiles output;
};

}  // namespace morvane::testing
