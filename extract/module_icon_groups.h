#pragma once
// Access to the icon groups of a source module and to their member images.
// Group n is the n-th name that the resource enumeration lists, looked up by that name.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "extract/outcome.h"
#include "platform/path_names.h"
#include "platform/resource_modules.h"

namespace morvane {

using IconGroups = std::vector<ResourceName>;

// Maps the file that holds the source file's icons as data: the file itself, or the .mun
// module that holds them instead. The module is released when the pointer goes.
Outcome<std::unique_ptr<ResourceModule>> OpenSourceModule(ResourceModules& modules,
                                                          PathNames& paths,
                                                          const std::wstring& path);

// The module's icon groups in enumeration order; fails when there is not even a first one.
Outcome<IconGroups> FindFirstGroup(ResourceModule& module);

// The name of group `number`, counted from 1; fails outside the module's groups.
Outcome<ResourceName> GroupHandle(const IconGroups& groups, int number);

Outcome<Bytes> ReadGroupDirectory(ResourceModule& module, const ResourceName& group);

// An RT_ICON member image; a missing or empty image fails.
Outcome<Bytes> ReadIconImage(ResourceModule& module, std::uint16_t imageId);

}  // namespace morvane
