#include "xml/record_reader.h"

#include <libxml/xmlreader.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <memory>

#include "xml/parse_rules.h"
#include "xml/xmldoc.h"

namespace xml {

namespace {

struct FreeReader {
  void operator()(xmlTextReader* reader) const { xmlFreeTextReader(reader); }
};

std::string_view View(const xmlChar* s) {
  return s ? std::string_view(reinterpret_cast<const char*>(s)) : std::string_view();
}

// The file's own errors name the file when there is one, as Document::LoadFile's do.
[[noreturn]] void FailDocument(const std::string* path, const std::string& reason) {
  throw Error(path ? detail::NotXmlText(*path, reason) : reason);
}

// The streaming parser stops at a damaged document's first fault and sometimes names it oddly
// (a cut-off file reads as "Extra content"); the document's reason is the one a whole-document
// parse gives, so every reader of a file reports it alike. Only a damaged file pays for this.
std::string DamageReason(const std::function<std::string()>& bytes) {
  const std::string streamed = detail::ParseErrorText();
  try {
    Document document;
    document.LoadText(bytes());
  } catch (const Error& e) {
    return e.what();
  }
  return streamed;
}

// Reads the document the reader was made for through the visitor; readFailed tells a file that
// could not be read from a damaged one, and bytes gives the document again for the reason of a
// damaged one.
void Walk(xmlTextReader* reader, RecordVisitor& visitor, const std::string* path,
          const bool* readFailed, const std::function<std::string()>& bytes) {
  if (!reader) FailDocument(path, DamageReason(bytes));

  // The first exception of the visitor; from then on it gets no more visits.
  std::exception_ptr pending;
  const auto visit = [&pending](auto&& call) {
    if (pending) return;
    try {
      call();
    } catch (...) {
      pending = std::current_exception();
    }
  };

  bool doctype = false;
  bool rootSeen = false;
  std::string rootName;
  int records = 0;
  int record = -1;
  int fields = 0;              // fields of the current record so far
  bool inWantedField = false;  // gathering the text of a wanted field
  std::string fieldText;
  std::optional<std::string> fieldName;
  const auto deliverField = [&] {
    visit([&] { visitor.Field(record, fields - 1, std::move(fieldText), fieldName); });
    fieldText.clear();
    inWantedField = false;
  };

  int result;
  while ((result = xmlTextReaderRead(reader)) == 1) {
    const int depth = xmlTextReaderDepth(reader);
    switch (xmlTextReaderNodeType(reader)) {
      case XML_READER_TYPE_DOCUMENT_TYPE:
        doctype = true;
        break;
      case XML_READER_TYPE_ELEMENT: {
        const bool empty = xmlTextReaderIsEmptyElement(reader) == 1;
        if (depth == 0) {
          rootSeen = true;
          rootName = View(xmlTextReaderConstName(reader));
          if (empty) visit([&] { visitor.End(rootName, records); });
        } else if (depth == 1) {
          record = records++;
          fields = 0;
          visit([&] { visitor.BeginRecord(record, View(xmlTextReaderConstName(reader))); });
          if (empty) visit([&] { visitor.EndRecord(record, 0); });
        } else if (depth == 2) {
          const int field = fields++;
          bool wanted = false;
          visit([&] { wanted = visitor.WantsField(record, field); });
          if (!wanted || pending) break;
          fieldName.reset();
          bool wantsName = false;
          visit([&] { wantsName = visitor.WantsFieldName(record); });
          if (wantsName) {
            if (xmlChar* name = xmlTextReaderGetAttribute(reader, BAD_CAST "name")) {
              fieldName = std::string(View(name));
              xmlFree(name);
            }
          }
          inWantedField = true;
          if (empty) deliverField();
        }
        break;
      }
      case XML_READER_TYPE_TEXT:
      case XML_READER_TYPE_CDATA:
      case XML_READER_TYPE_WHITESPACE:
      case XML_READER_TYPE_SIGNIFICANT_WHITESPACE:
        if (inWantedField && depth == 3) fieldText += View(xmlTextReaderConstValue(reader));
        break;
      case XML_READER_TYPE_END_ELEMENT:
        if (depth == 2 && inWantedField) {
          deliverField();
        } else if (depth == 1) {
          visit([&] { visitor.EndRecord(record, fields); });
        } else if (depth == 0) {
          visit([&] { visitor.End(rootName, records); });
        }
        break;
      default:
        break;
    }
  }
  if (result < 0 && readFailed && *readFailed) throw Error("Nie można odczytać pliku " + *path);
  if (result < 0) FailDocument(path, DamageReason(bytes));
  if (doctype) FailDocument(path, detail::kDoctypeRefused);
  if (!rootSeen) FailDocument(path, "dokument nie ma elementu głównego");
  if (pending) std::rethrow_exception(pending);
}

// The file is read piece by piece as the parser asks for it, never held whole.
struct FileSource {
  std::FILE* file = nullptr;
  bool failed = false;

  static int Read(void* context, char* buffer, int length) {
    auto* source = static_cast<FileSource*>(context);
    const size_t read = std::fread(buffer, 1, static_cast<size_t>(length), source->file);
    if (read == 0 && std::ferror(source->file)) {
      source->failed = true;
      return -1;
    }
    return static_cast<int>(read);
  }
  static int Close(void*) { return 0; }
};

}  // namespace

void ReadRecords(const std::string& path, RecordVisitor& visitor) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) throw Error("Nie można otworzyć pliku " + path);
  FileSource source{file.get()};
  xmlResetLastError();
  std::unique_ptr<xmlTextReader, FreeReader> reader(xmlReaderForIO(
      &FileSource::Read, &FileSource::Close, &source, nullptr, nullptr, detail::kParseOptions));
  Walk(reader.get(), visitor, &path, &source.failed,
       [&path] { return detail::ReadWholeFile(path); });
}

void ReadRecordsFromText(std::string_view text, RecordVisitor& visitor) {
  detail::CheckSize(text);
  xmlResetLastError();
  std::unique_ptr<xmlTextReader, FreeReader> reader(xmlReaderForMemory(
      text.data(), static_cast<int>(text.size()), nullptr, nullptr, detail::kParseOptions));
  Walk(reader.get(), visitor, nullptr, nullptr, [text] { return std::string(text); });
}

}  // namespace xml
