#pragma once
// A platform that records what it is asked and answers from a script.
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/form_controls.h"
#include "platform/platform.h"
#include "tests/common/value_controls.h"

namespace morvane::testing {

class FakeMessageBoxes final : public MessageBoxes {
 public:
  using MessageBoxes::Show;
  void Show(const std::wstring& text, const std::wstring& caption) override {
    shown.push_back({text, caption});
  }
  std::vector<Message> shown;
};

// A module's resources as the fake hands them out.
struct FakeModuleContents {
  std::vector<std::pair<ResourceName, ResourceData>> groups;  // in enumeration order
  std::map<std::uint16_t, ResourceData> icons;

  void AddGroup(ResourceName name, Bytes directory) {
    groups.push_back({std::move(name), {ResourceStatus::Ok, std::move(directory)}});
  }
  void AddIcon(std::uint16_t id, Bytes image) {
    icons[id] = {ResourceStatus::Ok, std::move(image)};
  }
};

class FakeResourceModules final : public ResourceModules {
 public:
  std::unique_ptr<ResourceModule> Open(const std::wstring& path) override;

  std::map<std::wstring, FakeModuleContents> modules;  // by path
  std::vector<std::wstring> opened;
  int live = 0;  // modules opened and not yet released
};

class FakeOutputFiles final : public OutputFiles {
 public:
  bool Write(const std::wstring& path, const std::vector<ByteRange>& parts) override;

  std::map<std::wstring, Bytes> files;
  std::vector<std::wstring> written;  // in the order of the writes
  std::vector<std::size_t> partsPerWrite;
  std::wstring failingPath;  // a write to this path fails and leaves nothing
};

// The fields the extraction reads, and the services, wired together.
struct FakeForm {
  FakeForm() {
    controls.Text1[0] = &destinationField;
    controls.Text1[1] = &sourceField;
    controls.Label2 = &folderLabel;
  }
  ValueTextBox destinationField;
  ValueTextBox sourceField;
  ValueLabel folderLabel;
  FormControls controls;

  FakeMessageBoxes messages;
  FakeResourceModules resources;
  FakeOutputFiles files;
  Platform platform{messages, resources, files};
};

}  // namespace morvane::testing
