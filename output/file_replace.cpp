// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/file_replace.h"

#include <cerrno>
#include <random>
#include <string>

#include "output/stale_temporaries.h"

#ifdef _WIN32
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>

#include <cstdio>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace voka {

namespace fs = std::filesystem;

namespace {

std::error_code LastErrno() {
  const int code = errno;
  return std::error_code(code != 0 ? code : EIO, std::generic_category());
}

std::error_code ErrorOf(std::errc code) {
  return std::make_error_code(code);
}

// How many names to try before giving up: a clash of random names is rare,
// so running out means the folder refuses new files, not bad luck.
constexpr int kTemporaryNameAttempts = 16;

#ifndef _WIN32

// Symbolic links followed before giving up, as the system does for a path.
constexpr int kMostLinksFollowed = 40;

// The file that writing to `target` reaches: links are followed one by one,
// relative ones from the folder that holds them, so that the link itself
// stays and its final file (which need not exist yet) is written.
std::error_code FollowLinks(const fs::path& target, fs::path& file) {
  file = target;
  for (int followed = 0; followed < kMostLinksFollowed; ++followed) {
    struct stat status {};
    if (::lstat(file.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return {};
    std::error_code error;
    const fs::path link = fs::read_symlink(file, error);
    if (error) return error;
    file = link.is_absolute() ? link : file.parent_path() / link;
  }
  return ErrorOf(std::errc::too_many_symbolic_link_levels);
}

// The superuser may write anything; a file that grants no one the right to
// write is still meant to stay as it is.
bool MayWrite(const fs::path& file, const struct stat& status) {
  return ::access(file.c_str(), W_OK) == 0 && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

std::error_code WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return LastErrno();
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return {};
}

// Closing can report a failed delayed write (on network file systems), so
// its failure counts too.
std::error_code CloseAfter(int descriptor, std::error_code error) {
  if (::close(descriptor) != 0 && !error) error = LastErrno();
  return error;
}

// What opening the file for writing would do, without truncating first: the
// new bytes go over the old ones and the rest is cut off afterwards, so a
// failure half-way leaves no shorter file than needed. Pipes are opened
// without waiting for a reader (no reader is an error, not a hang).
std::error_code WriteInPlace(const fs::path& file, std::string_view bytes, bool regular) {
  const int descriptor = ::open(file.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) return LastErrno();
  ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  std::error_code error = WriteAll(descriptor, bytes);
  if (!error && regular && ::ftruncate(descriptor, static_cast<off_t>(bytes.size())) != 0) {
    error = LastErrno();
  }
  if (!error && regular && ::fsync(descriptor) != 0) error = LastErrno();
  return CloseAfter(descriptor, error);
}

// Creates a temporary of its own beside the file, under a name no other
// writer uses, so that two runs in one folder and a temporary left by a
// killed run never get in each other's way.
std::error_code CreateTemporaryBeside(const fs::path& file, fs::path& temporary, int& descriptor) {
  constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask, as for any new file
  std::random_device random;
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    temporary = TemporaryPathFor(file, random());
    descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (descriptor >= 0) return {};
    if (errno != EEXIST) break;
  }
  return LastErrno();
}

// The replacement takes over what the user arranged for the old file. The
// owner can only be handed on by the superuser, so its failure is no error.
std::error_code KeepArrangement(int descriptor, const struct stat& old) {
  if (::fchmod(descriptor, old.st_mode & 07777) != 0) return LastErrno();
  if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
    [[maybe_unused]] const int ignored = ::fchown(descriptor, old.st_uid, old.st_gid);
  }
  return {};
}

// Data on the disk before the rename, so that the rename cannot publish a
// file whose contents a power cut would lose.
std::error_code FillTemporary(int descriptor, std::string_view bytes, const struct stat* old) {
  std::error_code error = old != nullptr ? KeepArrangement(descriptor, *old) : std::error_code();
  if (!error) error = WriteAll(descriptor, bytes);
  if (!error && ::fsync(descriptor) != 0) error = LastErrno();
  return CloseAfter(descriptor, error);
}

// Some file systems cannot sync a folder and say so with EINVAL; there the
// rename is as durable as they make it.
std::error_code SyncFolderOf(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return LastErrno();
  std::error_code error;
  if (::fsync(descriptor) != 0 && errno != EINVAL) error = LastErrno();
  return CloseAfter(descriptor, error);
}

// The folder takes no new files, but the file itself may still be writable.
bool FolderRefusesNewFiles(const std::error_code& error) {
  return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

std::error_code ReplaceThroughTemporary(const fs::path& file, std::string_view bytes,
                                        const struct stat* old) {
  RemoveStaleTemporaries(file);
  fs::path temporary;
  int descriptor = -1;
  std::error_code error = CreateTemporaryBeside(file, temporary, descriptor);
  if (error) {
    return old != nullptr && FolderRefusesNewFiles(error) ? WriteInPlace(file, bytes, true) : error;
  }
  error = FillTemporary(descriptor, bytes, old);
  if (!error && ::rename(temporary.c_str(), file.c_str()) != 0) error = LastErrno();
  if (error) {
    ::unlink(temporary.c_str());
    return error;
  }
  return SyncFolderOf(file);
}

#endif

}  // namespace

fs::path TemporaryPathFor(const fs::path& target, unsigned tag) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string suffix = ".";
  for (int shift = 28; shift >= 0; shift -= 4) suffix += kHex[(tag >> shift) & 0xF];
  suffix += ".partial";
  fs::path temporary = target;
  temporary += suffix;
  return temporary;
}

#ifndef _WIN32

std::error_code ReplaceFileContents(const fs::path& target, std::string_view bytes) {
  // Devices and pipes are opened through the name as given: the links in
  // /proc and /dev that lead to them name no file that could be replaced.
  struct stat reached {};
  if (::stat(target.c_str(), &reached) == 0) {
    if (S_ISDIR(reached.st_mode)) return ErrorOf(std::errc::is_a_directory);
    if (!S_ISREG(reached.st_mode)) return WriteInPlace(target, bytes, false);
  }
  fs::path file;
  if (const std::error_code error = FollowLinks(target, file)) return error;
  struct stat old {};
  if (::stat(file.c_str(), &old) != 0) {
    if (errno != ENOENT) return LastErrno();
    return ReplaceThroughTemporary(file, bytes, nullptr);
  }
  // What the link leads to may have changed since the first look.
  if (S_ISDIR(old.st_mode)) return ErrorOf(std::errc::is_a_directory);
  if (!S_ISREG(old.st_mode)) return WriteInPlace(file, bytes, false);
  if (!MayWrite(file, old)) return ErrorOf(std::errc::permission_denied);
  return ReplaceThroughTemporary(file, bytes, &old);
}

#else

// Windows keeps no symbolic links in users' folders and no mode bits; the
// file is written to a temporary, committed and moved over the target.
std::error_code ReplaceFileContents(const fs::path& target, std::string_view bytes) {
  std::error_code error;
  if (fs::is_directory(target, error)) return ErrorOf(std::errc::is_a_directory);
  RemoveStaleTemporaries(target);
  std::random_device random;
  fs::path temporary;
  std::FILE* file = nullptr;
  for (int attempt = 0; attempt < kTemporaryNameAttempts && file == nullptr; ++attempt) {
    temporary = TemporaryPathFor(target, random());
    errno = 0;
    file = _wfopen(temporary.c_str(), L"wbx");
    if (file == nullptr && errno != EEXIST) break;
  }
  if (file == nullptr) return LastErrno();
  error = {};
  if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0 ||
      _commit(_fileno(file)) != 0) {
    error = LastErrno();
  }
  if (std::fclose(file) != 0 && !error) error = LastErrno();
  if (!error && !::MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = std::error_code(static_cast<int>(::GetLastError()), std::system_category());
  }
  if (error) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
  }
  return error;
}

#endif

}  // namespace voka
