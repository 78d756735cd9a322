#pragma once
// A module of resources, mapped as data and never run.
#include <cstdint>
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
  // The RT_ICON image `id`, of which a group's directory declares `declaredBytes`: a 16-bit
  // module pads its resources, and gives no more of one than its group declares.
  virtual ResourceData ReadIcon(std::uint16_t id, std::uint32_t declaredBytes) = 0;
};

}  // namespace morvane
