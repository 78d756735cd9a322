#include "platform/icon_source.h"

namespace morvane {

IconSource OpenIconSource(ResourceModules& modules, PathNames& paths, const std::wstring& path) {
  IconSource named{path, modules.Open(path)};
  if (!named.module || !named.module->IconGroupNames().empty()) return named;

  const std::wstring name = NameOf(path);
  const std::wstring mun = paths.WindowsFolder() + L"SystemResources\\" + name + L".mun";
  if (name.empty() || !paths.FileExists(mun)) return named;
  named.module.reset();
  return {mun, modules.Open(mun)};
}

}  // namespace morvane
