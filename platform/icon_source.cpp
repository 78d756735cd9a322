#include "platform/icon_source.h"

#include "platform/native_path.h"

namespace morvane {

namespace {

IconSource Opened(SourceFiles& files, const std::wstring& path) {
  IconSource source{path, nullptr, {}};
  source.file = files.Open(path, source.error);
  return source;
}

bool IsModuleWithoutIconGroups(SourceFile* file) {
  ResourceModule* module = file ? file->Module() : nullptr;
  return module && module->IconGroupNames().empty();
}

}  // namespace

IconSource OpenIconSource(SourceFiles& files, PathNames& paths, const std::wstring& path) {
  const std::wstring file = NativePathOf(paths, path);
  IconSource named = Opened(files, file);
  if (!IsModuleWithoutIconGroups(named.file.get())) return named;

  const std::wstring name = NameOf(path);
  const std::wstring mun = paths.WindowsFolder() + L"SystemResources\\" + name + L".mun";
  if (name.empty() || !paths.FileExists(mun)) return named;
  named.file.reset();
  return Opened(files, mun);
}

}  // namespace morvane
