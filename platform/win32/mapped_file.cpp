#include "platform/win32/mapped_file.h"

namespace morvane::win32 {

std::unique_ptr<MappedFile> MappedFile::Open(const std::wstring& path, DWORD& error) {
  error = 0;
  unique_hfile file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr)};
  BY_HANDLE_FILE_INFORMATION information{};
  if (!file || !GetFileInformationByHandle(file.get(), &information)) {
    error = GetLastError();
    return nullptr;
  }
  const FILETIME written = information.ftLastWriteTime;
  const FileStamp stamp{
      static_cast<std::uint64_t>(information.nFileSizeHigh) << 32 | information.nFileSizeLow,
      static_cast<std::uint64_t>(written.dwHighDateTime) << 32 | written.dwLowDateTime};
  if (stamp.size == 0) return nullptr;
  if (stamp.size > SIZE_MAX) {
    error = ERROR_FILE_TOO_LARGE;
    return nullptr;
  }
  unique_handle mapping{CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr)};
  unique_view view{mapping ? MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0) : nullptr};
  if (!view) {
    error = GetLastError();
    return nullptr;
  }
  return std::unique_ptr<MappedFile>(
      new MappedFile(std::move(file), stamp, std::move(mapping), std::move(view)));
}

std::optional<Bytes> MappedFile::Copy(std::uint64_t offset, std::uint64_t length) const {
  if (!bytes_.Has(offset, length) || length > MAXDWORD) return std::nullopt;
  LARGE_INTEGER at{};
  at.QuadPart = static_cast<LONGLONG>(offset);
  Bytes copy(static_cast<std::size_t>(length));
  DWORD read = 0;
  if (!SetFilePointerEx(file_.get(), at, nullptr, FILE_BEGIN) ||
      !ReadFile(file_.get(), copy.data(), static_cast<DWORD>(length), &read, nullptr) ||
      read != length) {
    return std::nullopt;
  }
  return copy;
}

}  // namespace morvane::win32
