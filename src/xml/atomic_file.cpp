#include "xml/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>

#include "xml/xmldoc.h"

namespace xml {

namespace {

// Temporary files are named ".vindargast-" + 12 letters or digits + ".tmp": hidden, never taken
// for a catalogue, project or set file, of a fixed length whatever the target's name (a legal
// 255-byte name stays legal), and told apart from the user's files when leftovers are removed.
constexpr std::string_view kTempPrefix = ".vindargast-";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr size_t kTempRandomLength = 12;
constexpr std::string_view kTempAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// As many links as the kernel follows in one path (MAXSYMLINKS).
constexpr int kMaxLinks = 40;

std::string Reason(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "brak uprawnień do zapisu";
    case ENOSPC:
    case EDQUOT:
      return "brak miejsca na dysku";
    case EFBIG:
      return "plik przekracza dopuszczalny rozmiar";
    case EROFS:
      return "system plików jest tylko do odczytu";
    case ENOENT:
      return "folder nie istnieje";
    case ENOTDIR:
      return "w ścieżce jest plik zamiast folderu";
    case ENAMETOOLONG:
      return "nazwa pliku jest za długa";
    case ELOOP:
      return "za dużo dowiązań symbolicznych";
    case EISDIR:
      return "w tym miejscu jest folder";
    case EIO:
      return "błąd zapisu na dysku";
    default:
      return std::strerror(error);
  }
}

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
  throw Error("Nie można zapisać pliku " + path + ": " + reason);
}

[[noreturn]] void Fail(const std::string& path, int error) {
  Fail(path, Reason(error));
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// The file a save through a chain of symbolic links has to write, so that the links stay links.
std::string ResolveLinks(const std::string& path) {
  std::string target = path;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
    std::string link(PATH_MAX, '\0');
    const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
    if (length < 0) Fail(path, errno);
    if (static_cast<size_t>(length) >= link.size()) Fail(path, ENAMETOOLONG);
    link.resize(static_cast<size_t>(length));
    const size_t slash = target.rfind('/');
    if (link.front() == '/' || slash == std::string::npos)
      target = link;
    else
      target = target.substr(0, slash + 1) + link;
  }
  Fail(path, ELOOP);
}

bool IsOwnTempName(std::string_view name) {
  if (name.size() != kTempPrefix.size() + kTempRandomLength + kTempSuffix.size()) return false;
  if (name.substr(0, kTempPrefix.size()) != kTempPrefix) return false;
  if (name.substr(name.size() - kTempSuffix.size()) != kTempSuffix) return false;
  const std::string_view middle = name.substr(kTempPrefix.size(), kTempRandomLength);
  return middle.find_first_not_of(kTempAlphabet) == std::string_view::npos;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes the temporary files a save killed before its rename left in the folder. A save still
// running, in this process or another, holds a lock on its temporary file until its rename; the
// lock dies with the process, so only abandoned files are taken, and only our own names.
void RemoveLeftovers(int folder) {
  const int copy = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
  if (copy < 0) return;
  DIR* listing = ::fdopendir(copy);
  if (!listing) {
    ::close(copy);
    return;
  }
  while (const dirent* entry = ::readdir(listing)) {
    if (!IsOwnTempName(entry->d_name)) continue;
    const Descriptor file(
        ::openat(folder, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened, named;
    if (file.get() < 0 || ::fstat(file.get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_uid != ::geteuid() || ::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
      continue;
    if (::fstatat(folder, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        SameFile(opened, named))
      ::unlinkat(folder, entry->d_name, 0);
  }
  ::closedir(listing);
}

std::string RandomLetters() {
  unsigned char random[kTempRandomLength];
  if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
    // No entropy at hand: the name only has to differ from the files already there, and O_EXCL
    // with a retry takes care of a clash.
    unsigned long long mix = static_cast<unsigned long long>(::getpid()) * 2654435761u ^
                             static_cast<unsigned long long>(std::time(nullptr)) ^
                             reinterpret_cast<unsigned long long>(&mix);
    for (unsigned char& byte : random) {
      mix = mix * 6364136223846793005ull + 1442695040888963407ull;
      byte = static_cast<unsigned char>(mix >> 56);
    }
  }
  std::string letters;
  for (unsigned char byte : random) letters += kTempAlphabet[byte % kTempAlphabet.size()];
  return letters;
}

struct TempFile {
  int fd;
  std::string name;
};

// Creates and locks a new temporary file in the folder, with the given mode (before the umask).
TempFile CreateTempFile(const std::string& path, int folder, mode_t mode) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = std::string(kTempPrefix) + RandomLetters() + std::string(kTempSuffix);
    const int fd =
        ::openat(folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      Fail(path, errno);
    }
    struct stat opened, named;
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &opened) == 0 &&
        ::fstatat(folder, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        SameFile(opened, named))
      return {fd, std::move(name)};
    // Another save's sweep took the file between its creation and the lock: try a new one.
    ::close(fd);
  }
  Fail(path, EEXIST);
}

// A target is kept when the user marked it read-only or this user may not write it: a rename
// would replace it all the same, as it asks only the folder's permission.
void RefuseProtectedTarget(const std::string& path, int folder, const std::string& name,
                           const struct stat& st) {
  if (S_ISDIR(st.st_mode)) Fail(path, EISDIR);
  if (!S_ISREG(st.st_mode)) Fail(path, "to nie jest zwykły plik");
  const bool owner = st.st_uid == ::geteuid();
  if ((owner && !(st.st_mode & S_IWUSR)) || !(st.st_mode & 0222))
    Fail(path, "plik jest tylko do odczytu");
  if (!owner && ::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
    Fail(path, EACCES);
}

void WriteAll(const std::string& path, const TempFile& temp, int folder, std::string_view bytes) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(temp.fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::unlinkat(folder, temp.name.c_str(), 0);
      Fail(path, error);
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
}

}  // namespace

void KeepRunningPastFileSizeLimit() {
  struct sigaction current;
  if (::sigaction(SIGXFSZ, nullptr, &current) != 0) return;
  if (!(current.sa_flags & SA_SIGINFO) && current.sa_handler == SIG_DFL)
    std::signal(SIGXFSZ, SIG_IGN);
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  KeepRunningPastFileSizeLimit();
  const std::string target = ResolveLinks(path);
  const size_t slash = target.rfind('/');
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  const std::string folderPath = slash == std::string::npos ? "."
                                 : slash == 0               ? "/"
                                                            : target.substr(0, slash);
  if (name.empty()) Fail(path, EISDIR);

  const Descriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0) Fail(path, errno);
  RemoveLeftovers(folder.get());

  struct stat st;
  const bool replacing = ::fstatat(folder.get(), name.c_str(), &st, 0) == 0;
  if (replacing)
    RefuseProtectedTarget(path, folder.get(), name, st);
  else if (errno != ENOENT)
    Fail(path, errno);

  // A new file gets the usual mode under the umask; a replaced one keeps its own.
  const TempFile temp = CreateTempFile(path, folder.get(), replacing ? 0600 : 0666);
  // Closing the file releases its lock, which guards it against another save's sweep: it stays
  // open until the rename.
  const Descriptor file(temp.fd);
  WriteAll(path, temp, folder.get(), bytes);
  if ((replacing && ::fchmod(file.get(), st.st_mode & 07777) != 0) || ::fsync(file.get()) != 0 ||
      ::renameat(folder.get(), temp.name.c_str(), folder.get(), name.c_str()) != 0) {
    const int error = errno;
    ::unlinkat(folder.get(), temp.name.c_str(), 0);
    Fail(path, error);
  }
  // The rename lives in the folder: without this flush a power cut can bring the old file back.
  // Some file systems cannot flush a folder (EINVAL); they have nothing to flush.
  if (::fsync(folder.get()) != 0 && errno != EINVAL) Fail(path, errno);
}

}  // namespace xml
