#pragma once
#include <string>

namespace morvane {

class Process {
 public:
  virtual ~Process() = default;
  // The folder that holds the program's executable, ending in "\".
  virtual std::wstring ProgramFolder() = 0;
  // The whole command line, the program's own name first.
  virtual std::wstring CommandLine() = 0;
  // Seconds on a clock that only goes forward.
  virtual double Seconds() = 0;
  // Ends the program at once with the exit code; in the real program this does not return.
  virtual void EndProgram(int exitCode) = 0;
};

}  // namespace morvane
