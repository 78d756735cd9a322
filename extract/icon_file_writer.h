#pragma once
// Writes icon groups of the source module as .ico files into the destination folder.
#include <functional>
#include <string>

#include "platform/message_boxes.h"
#include "platform/output_files.h"
#include "platform/path_names.h"
#include "platform/source_files.h"

namespace morvane {

// What a run reads of the window as it starts.
struct RunFiles {
  std::wstring sourceFolder;   // Label2(1)
  std::wstring sourceName;     // Text1(1)
  std::wstring destination;    // Text1(0), as typed
  std::wstring programFolder;  // what an empty or relative destination lies in
};

struct WriteServices {
  MessageBoxes& messages;
  SourceFiles& sources;
  PathNames& paths;
  OutputFiles& files;
};

// Told after each file, with how many of how many are written; false stops the run there.
using WriteProgress = std::function<bool(int written, int total)>;

// How a run ended: every file written, a failure shown, or stopped between two files.
enum class RunOutcome { Written, Failed, Stopped };

// Writes groups `first` to `last` (counted from 1) of the source file, one .ico file each, into
// the destination folder (DestinationFolder). A failure shows its message and ends the run;
// files written before it stay.
RunOutcome WriteIconFiles(const RunFiles& run, WriteServices& services, int first, int last,
                          const WriteProgress& progress = {});

// The source name up to its first "." + the group number in at least three digits.
std::wstring IconFileStem(const std::wstring& sourceName, int number);

// The destination folder, with a "\" added where it lacks one, + the stem + ".ico".
std::wstring IconFileName(const std::wstring& destination, const std::wstring& sourceName,
                          int number);

}  // namespace morvane
