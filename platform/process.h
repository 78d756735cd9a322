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
  // Lets the window events that are waiting run once.
  virtual void DoEvents() = 0;
  // Answers what other programs send to the window, the end of the session among them, and
  // repaints it, but runs none of the user's input: a long run stays responsive, and no second
  // command can start.
  virtual void KeepAnswering() = 0;
  // Seconds on a clock that only goes forward.
  virtual double Seconds() = 0;
  // Ends the program at once; in the real program this does not return.
  virtual void EndProgram() = 0;
};

}  // namespace morvane
