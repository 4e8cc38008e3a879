#include "xml/atomic_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "xml/xmldoc.h"

namespace xml {

namespace {

[[noreturn]] void Fail(const std::string& path, int error) {
  throw Error("Nie można zapisać pliku " + path + ": " + std::strerror(error));
}

// Mode of the file being replaced, or the usual mode of a new file under the current umask.
mode_t TargetMode(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temp = path + ".tmp-XXXXXX";
  int fd = ::mkstemp(temp.data());
  if (fd < 0) Fail(path, errno);

  auto abandon = [&](int error) {
    ::close(fd);
    ::unlink(temp.c_str());
    Fail(path, error);
  };
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      abandon(errno);
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  if (::fchmod(fd, TargetMode(path)) != 0) abandon(errno);
  if (::fsync(fd) != 0) abandon(errno);
  if (::close(fd) != 0) {
    int error = errno;
    ::unlink(temp.c_str());
    Fail(path, error);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    int error = errno;
    ::unlink(temp.c_str());
    Fail(path, error);
  }
}

}  // namespace xml
