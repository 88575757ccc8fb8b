#include "output/file_replace.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#ifdef _WIN32
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace voka {

namespace {

std::error_code LastErrno() {
  const int code = errno;
  return std::error_code(code != 0 ? code : EIO, std::generic_category());
}

// Binary mode: the bytes are written as given, line ends included. The file
// must not exist yet ("x"), so nothing that stands under the name is touched.
std::FILE* CreateForWriting(const std::filesystem::path& path) {
#ifdef _WIN32
  return _wfopen(path.c_str(), L"wbx");
#else
  return std::fopen(path.c_str(), "wbx");
#endif
}

// How many names to try before giving up: a clash of random names is rare,
// so running out means the folder refuses new files, not bad luck.
constexpr int kTemporaryNameAttempts = 16;

// Creates a temporary file of its own beside the target, under a name no
// other writer uses, so that two runs in one folder (the dialog and the
// headless program, say) and a stale temporary left by a crash never get in
// each other's way.
std::FILE* CreateTemporaryBeside(const std::filesystem::path& target,
                                 std::filesystem::path& temporary) {
  std::random_device random;
  std::FILE* file = nullptr;
  for (int attempt = 0; attempt < kTemporaryNameAttempts && file == nullptr; ++attempt) {
    temporary = TemporaryPathFor(target, random());
    errno = 0;
    file = CreateForWriting(temporary);
    if (file == nullptr && errno != EEXIST) break;
  }
  return file;
}

// Pushes the file's data to the disk, so that the rename cannot publish a
// file whose contents a power cut would lose.
bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return ::fsync(fileno(file)) == 0;
#endif
}

// Writes the bytes to a new temporary beside the target and names it in
// `temporary`; `opened` is set once that file exists as ours, so that only
// then is it removed on failure.
std::error_code WriteTemporary(const std::filesystem::path& target, std::string_view bytes,
                               std::filesystem::path& temporary, bool& opened) {
  std::FILE* file = CreateTemporaryBeside(target, temporary);
  if (file == nullptr) return LastErrno();
  opened = true;
  std::error_code error;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0 ||
      !SyncToDisk(file)) {
    error = LastErrno();
  }
  errno = 0;
  // Closing writes what is still buffered, so its failure counts too.
  if (std::fclose(file) != 0 && !error) error = LastErrno();
  return error;
}

// Unlike the standard rename, this replaces an existing target on Windows too.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
  if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return {};
  }
  return std::error_code(static_cast<int>(::GetLastError()), std::system_category());
#else
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return error;
#endif
}

}  // namespace

std::filesystem::path TemporaryPathFor(const std::filesystem::path& target, unsigned tag) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string suffix = ".";
  for (int shift = 28; shift >= 0; shift -= 4) suffix += kHex[(tag >> shift) & 0xF];
  suffix += ".partial";
  std::filesystem::path temporary = target;
  temporary += suffix;
  return temporary;
}

std::error_code ReplaceFileContents(const std::filesystem::path& target, std::string_view bytes) {
  std::filesystem::path temporary;
  bool opened = false;
  std::error_code error = WriteTemporary(target, bytes, temporary, opened);
  if (!error) error = RenameOver(temporary, target);
  if (error && opened) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
  }
  return error;
}

}  // namespace voka
