#pragma once
// Access to the icon groups of a source module and to their member images.
// Group n is the n-th name that the resource enumeration lists, looked up by that name.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "extract/outcome.h"
#include "platform/path_names.h"
#include "platform/source_files.h"

namespace morvane {

using IconGroups = std::vector<ResourceName>;

// Maps the file that holds the source file's icons: the file itself, or the .mun module that
// holds them instead. Fails unless it is a module of resources, which is then the file's
// Module(). File and module are released when the pointer goes.
Outcome<std::unique_ptr<SourceFile>> OpenSourceModule(SourceFiles& files, PathNames& paths,
                                                      const std::wstring& path);

// The module's icon groups in enumeration order; fails when there is not even a first one.
Outcome<IconGroups> FindFirstGroup(ResourceModule& module);

// The name of group `number`, counted from 1; fails outside the module's groups.
Outcome<ResourceName> GroupHandle(const IconGroups& groups, int number);

Outcome<Bytes> ReadGroupDirectory(ResourceModule& module, const ResourceName& group);

// An RT_ICON member image, of which its group's directory declares `declaredBytes`; a missing
// or empty image fails.
Outcome<Bytes> ReadIconImage(ResourceModule& module, std::uint16_t imageId,
                             std::uint32_t declaredBytes);

// A group's directory and all its member images, in the directory's order.
struct GroupContents {
  Bytes directory;
  std::vector<Bytes> images;
};

// Reads group `number` whole, so that a broken group fails before anything is made of it.
Outcome<GroupContents> ReadGroupContents(ResourceModule& module, const IconGroups& groups,
                                         int number);

}  // namespace morvane
