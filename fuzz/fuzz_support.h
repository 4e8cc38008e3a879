// What the harnesses share. A harness feeds one input to a reader through the program's own code
// path, catches only the errors that reader documents for bad input, and turns a broken promise
// of the reader (a document saved that does not load again, a table of the wrong shape) into an
// abort, which libFuzzer records as a crash with the input that caused it.
#pragma once

#include <libxml/xmlerror.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "engine/warningnotifier.h"
#include "xml/xmldoc.h"

// libxml2 reports bad bytes of a declared encoding on stderr even when the parser is asked not
// to report errors; the reader refuses such a file all the same, and a run of hours would fill
// its log with these lines. libFuzzer calls this once before the first input (each harness is
// one file, so it is defined once per program).
extern "C" void QuietLibxml(void*, const char*, ...) {}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  xmlSetGenericErrorFunc(nullptr, QuietLibxml);
  return 0;
}

namespace fuzz {

[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "\n*** broken promise: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

inline void Expect(bool condition, const std::string& what) {
  if (!condition) Fail(what);
}

// A folder of this process's own for the readers that take a file name; removed at exit.
inline const std::filesystem::path& ScratchFolder() {
  static const std::filesystem::path folder = [] {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/vindargast-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) Fail("no scratch folder");
    std::atexit([] { std::filesystem::remove_all(ScratchFolder()); });
    return std::filesystem::path(pattern);
  }();
  return folder;
}

inline void WriteWholeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) Fail("cannot write " + path);
}

// Counts the notices instead of showing them.
struct CountingNotifier : WarningNotifier {
  void Warn(const std::string&, const std::string&) override { ++count; }
  int count = 0;
};

// Everything the readers can see of an element and its descendants: names, "name" attributes,
// texts and the element order. Two documents that describe the same are read the same.
inline void Describe(const xml::Element& element, std::string& out) {
  out += '<';
  out += element.Name();
  if (auto name = element.Attribute("name")) out += " name=" + *name;
  out += '>';
  out += element.Text();
  out += '|';
  for (const xml::Element& child : element.Children()) Describe(child, out);
  out += "</>";
}

inline std::string Describe(const xml::Document& document) {
  std::string out;
  Describe(document.DocumentElement(), out);
  return out;
}

}  // namespace fuzz
