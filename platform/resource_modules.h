#pragma once
// A file mapped as a module of resources, never run.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/bytes.h"

namespace morvane {

// A resource name: a 16-bit number, or a string when `text` is not empty.
struct ResourceName {
  std::uint16_t id = 0;
  std::wstring text;

  bool IsNumeric() const { return text.empty(); }
  friend bool operator==(const ResourceName& a, const ResourceName& b) {
    return a.id == b.id && a.text == b.text;
  }
};

// How far the find, load, lock and size steps of a resource read got.
enum class ResourceStatus { Ok, NotFound, LoadFailed, LockFailed, SizeZero };

struct ResourceData {
  ResourceStatus status = ResourceStatus::NotFound;
  Bytes bytes;  // a copy of the resource, at its exact size; empty unless Ok
};

class ResourceModule {
 public:
  virtual ~ResourceModule() = default;  // releases the module
  // The RT_GROUP_ICON names in the order the resource enumeration lists them.
  virtual std::vector<ResourceName> IconGroupNames() = 0;
  virtual ResourceData ReadIconGroup(const ResourceName& name) = 0;  // RT_GROUP_ICON
  virtual ResourceData ReadIcon(std::uint16_t id) = 0;               // RT_ICON
};

class ResourceModules {
 public:
  virtual ~ResourceModules() = default;
  // Maps the file as data; null when it cannot be loaded as a module of resources.
  virtual std::unique_ptr<ResourceModule> Open(const std::wstring& path) = 0;
};

}  // namespace morvane
