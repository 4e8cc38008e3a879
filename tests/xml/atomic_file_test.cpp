// The durable save under everything a folder can hold: read-only targets, symbolic links, the
// longest names, leftovers of a killed save and a file-size limit.
#include "xml/atomic_file.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "temp_dir.h"
#include "xml/xmldoc.h"

namespace fs = std::filesystem;

namespace {

// Every flush the save asks for, with the target's content at that moment: the order of the
// flushes and the rename shows in it.
struct Flush {
  std::string path;
  std::string targetContent;
};
std::vector<Flush>* recordedFlushes = nullptr;
std::string recordedTarget;

}  // namespace

// Stands in for the C library's fsync in this test program, recording and then flushing.
extern "C" int fsync(int fd) {
  using Real = int (*)(int);
  static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "fsync"));
  if (recordedFlushes) {
    std::error_code error;
    const fs::path file = fs::read_symlink("/proc/self/fd/" + std::to_string(fd), error);
    std::string content = fs::exists(recordedTarget) ? ReadFileBytes(recordedTarget) : "";
    recordedFlushes->push_back({file.string(), content});
  }
  return real(fd);
}

namespace {

const std::string kNew = "nowe";
const std::string kTempLeftover = ".vindargast-AbCdEfGh1234.tmp";
const std::string kTempInUse = ".vindargast-InUse0000000.tmp";

// A folder's entries, sub-folders included: a file as its content and mode, a link as "->" and
// where it points, a folder as "/".
std::map<std::string, std::string> Describe(const fs::path& folder) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().lexically_relative(folder).string();
    struct stat st;
    lstat(entry.path().c_str(), &st);
    if (S_ISLNK(st.st_mode))
      entries[name] = "-> " + fs::read_symlink(entry.path()).string();
    else if (S_ISDIR(st.st_mode))
      entries[name] = "/";
    else
      entries[name] = ReadFileBytes(entry.path().string()) + " " +
                      std::to_string((st.st_mode >> 6) & 7) +
                      std::to_string((st.st_mode >> 3) & 7) + std::to_string(st.st_mode & 7);
  }
  return entries;
}

void Link(const TempDir& dir, const std::string& target, const std::string& link) {
  fs::create_symlink(target, dir.path() / link);
}

std::string WriteWithMode(const TempDir& dir, const std::string& name, const std::string& bytes,
                          fs::perms mode) {
  const std::string path = dir.Write(name, bytes);
  fs::permissions(path, mode);
  return path;
}

struct DurableSaveCase {
  const char* name;
  // Fills the folder; returns the name the save is given.
  std::string (*prepare)(const TempDir&);
  // The reason the save gives for failing, or empty when it succeeds.
  std::string failure;
  // The folder afterwards (Describe).
  std::map<std::string, std::string> after;
  // A file-size limit for the save, in bytes; 0 for none.
  rlim_t fileSizeLimit = 0;
};

const std::string kLongName = std::string(246, 'n') + ".xml";
const std::string kLongestName = std::string(251, 'n') + ".xml";

const DurableSaveCase kDurableSaveCases[] = {
    {"new file",
     [](const TempDir&) { return std::string("nowy.xml"); },
     "",
     {{"nowy.xml", "nowe 644"}}},
    {"replaced file keeps its mode",
     [](const TempDir& dir) {
       WriteWithMode(dir, "a.xml", "stare", fs::perms(0640));
       return std::string("a.xml");
     },
     "",
     {{"a.xml", "nowe 640"}}},
    {"read-only target",
     [](const TempDir& dir) {
       WriteWithMode(dir, "a.xml", "stare", fs::perms(0444));
       return std::string("a.xml");
     },
     "plik jest tylko do odczytu",
     {{"a.xml", "stare 444"}}},
    {"target without the owner's write permission",
     [](const TempDir& dir) {
       WriteWithMode(dir, "a.xml", "stare", fs::perms(0466));
       return std::string("a.xml");
     },
     "plik jest tylko do odczytu",
     {{"a.xml", "stare 466"}}},
    {"symbolic link",
     [](const TempDir& dir) {
       WriteWithMode(dir, "dane/katalog.xml", "stare", fs::perms(0640));
       Link(dir, "dane/katalog.xml", "skrot.xml");
       return std::string("skrot.xml");
     },
     "",
     {{"dane", "/"}, {"dane/katalog.xml", "nowe 640"}, {"skrot.xml", "-> dane/katalog.xml"}}},
    {"chain of links to a file not there yet",
     [](const TempDir& dir) {
       fs::create_directories(dir.path() / "dane");
       Link(dir, "../dane/c.xml", "dane/b.xml");
       Link(dir, "dane/b.xml", "a.xml");
       return std::string("a.xml");
     },
     "",
     {{"dane", "/"},
      {"dane/b.xml", "-> ../dane/c.xml"},
      {"dane/c.xml", "nowe 644"},
      {"a.xml", "-> dane/b.xml"}}},
    {"link to a read-only file",
     [](const TempDir& dir) {
       WriteWithMode(dir, "katalog.xml", "stare", fs::perms(0444));
       Link(dir, "katalog.xml", "skrot.xml");
       return std::string("skrot.xml");
     },
     "plik jest tylko do odczytu",
     {{"katalog.xml", "stare 444"}, {"skrot.xml", "-> katalog.xml"}}},
    {"links in a loop",
     [](const TempDir& dir) {
       Link(dir, "b.xml", "a.xml");
       Link(dir, "a.xml", "b.xml");
       return std::string("a.xml");
     },
     "za dużo dowiązań symbolicznych",
     {{"a.xml", "-> b.xml"}, {"b.xml", "-> a.xml"}}},
    {"250-byte name",
     [](const TempDir& dir) {
       dir.Write(kLongName, "stare");
       return kLongName;
     },
     "",
     {{kLongName, "nowe 644"}}},
    {"255-byte name, the longest legal one",
     [](const TempDir&) { return kLongestName; },
     "",
     {{kLongestName, "nowe 644"}}},
    {"leftovers of a killed save go, the user's files and a save in progress stay",
     [](const TempDir& dir) {
       dir.Write(kTempLeftover, "<projekt>pół");
       dir.Write(kTempInUse, "<projekt>w toku");
       dir.Write(".vindargast-AbCdEfGh123.tmp", "notatka");
       dir.Write("vindargast-AbCdEfGh1234.tmp", "notatka");
       dir.Write(".vindargast-AbCdEf-h1234.tmp", "notatka");
       dir.Write(kTempLeftover + ".bak", "notatka");
       fs::create_directories(dir.path() / "sub" / ".vindargast-Folder000000.tmp");
       return std::string("a.xml");
     },
     "",
     {{"a.xml", "nowe 644"},
      {kTempInUse, "<projekt>w toku 644"},
      {".vindargast-AbCdEfGh123.tmp", "notatka 644"},
      {"vindargast-AbCdEfGh1234.tmp", "notatka 644"},
      {".vindargast-AbCdEf-h1234.tmp", "notatka 644"},
      {kTempLeftover + ".bak", "notatka 644"},
      {"sub", "/"},
      {"sub/.vindargast-Folder000000.tmp", "/"}}},
    {"leftovers go also when the save itself fails",
     [](const TempDir& dir) {
       dir.Write(kTempLeftover, "<projekt>pół");
       WriteWithMode(dir, "a.xml", "stare", fs::perms(0444));
       return std::string("a.xml");
     },
     "plik jest tylko do odczytu",
     {{"a.xml", "stare 444"}}},
    {"file-size limit (a full disk)",
     [](const TempDir& dir) {
       dir.Write("a.xml", "stare");
       return std::string("a.xml");
     },
     "plik przekracza dopuszczalny rozmiar",
     {{"a.xml", "stare 644"}},
     64},
    {"target is a folder",
     [](const TempDir& dir) {
       fs::create_directories(dir.path() / "a.xml");
       return std::string("a.xml");
     },
     "w tym miejscu jest folder",
     {{"a.xml", "/"}}},
    {"missing folder",
     [](const TempDir&) { return std::string("brak/a.xml"); },
     "folder nie istnieje",
     {}},
    {"a file where the path needs a folder",
     [](const TempDir& dir) {
       dir.Write("plik", "x");
       return std::string("plik/a.xml");
     },
     "w ścieżce jest plik zamiast folderu",
     {{"plik", "x 644"}}},
};

// Runs the save in a child process, as the program would meet it: the file-size signal at its
// default (which kills), the usual umask. Returns the error's text, or empty after a success;
// the child being killed fails the test.
std::string SaveInChild(const std::string& path, const std::string& bytes, rlim_t fileSizeLimit) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) throw std::runtime_error("pipe");
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    std::signal(SIGXFSZ, SIG_DFL);
    umask(022);
    if (fileSizeLimit) {
      rlimit limit{fileSizeLimit, RLIM_INFINITY};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    std::string result;
    try {
      xml::WriteFileAtomically(path, bytes);
    } catch (const xml::Error& error) {
      result = error.what();
    }
    if (write(pipeEnds[1], result.data(), result.size()) < 0) _exit(3);
    _exit(0);
  }
  close(pipeEnds[1]);
  std::string result;
  char buffer[512];
  ssize_t got;
  while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) result.append(buffer, got);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child failed";
  return result;
}

TEST(DurableSave, Rules) {
  const mode_t oldMask = umask(022);
  for (const DurableSaveCase& c : kDurableSaveCases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    const std::string path = dir.File(c.prepare(dir));
    // A save in progress elsewhere holds its temporary file locked.
    const int inUse = open(dir.File(kTempInUse).c_str(), O_RDONLY | O_CLOEXEC);
    if (inUse >= 0) flock(inUse, LOCK_EX);
    const std::string bytes = c.fileSizeLimit ? std::string(4096, 'x') : kNew;
    const std::string error = SaveInChild(path, bytes, c.fileSizeLimit);
    if (inUse >= 0) close(inUse);
    EXPECT_EQ(error, c.failure.empty() ? "" : "Nie można zapisać pliku " + path + ": " + c.failure);
    EXPECT_EQ(Describe(dir.path()), c.after);
  }
  umask(oldMask);
}

TEST(DurableSave, FlushesTheFileBeforeTheRenameAndTheFolderAfterIt) {
  TempDir dir;
  const std::string path = dir.Write("projekt.xml", "stare");
  std::vector<Flush> flushes;
  recordedTarget = path;
  recordedFlushes = &flushes;
  xml::WriteFileAtomically(path, kNew);
  recordedFlushes = nullptr;

  ASSERT_EQ(flushes.size(), 2u);
  EXPECT_EQ(fs::path(flushes[0].path).parent_path(), dir.path());
  EXPECT_EQ(fs::path(flushes[0].path).filename().string().rfind(".vindargast-", 0), 0u)
      << flushes[0].path;
  EXPECT_EQ(flushes[0].targetContent, "stare") << "the temporary file is flushed before the rename";
  EXPECT_EQ(flushes[1].path, dir.path().string());
  EXPECT_EQ(flushes[1].targetContent, kNew) << "the folder is flushed after the rename";
}

}  // namespace
