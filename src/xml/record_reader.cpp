#include "xml/record_reader.h"

#include <libxml/xmlreader.h>

#include <exception>
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

void Walk(std::string_view text, RecordVisitor& visitor, const std::string* path) {
  try {
    detail::CheckSize(text);
  } catch (const Error& e) {
    FailDocument(path, e.what());
  }
  xmlResetLastError();
  std::unique_ptr<xmlTextReader, FreeReader> owner(xmlReaderForMemory(
      text.data(), static_cast<int>(text.size()), nullptr, nullptr, detail::kParseOptions));
  if (!owner) FailDocument(path, detail::ParseErrorText());
  xmlTextReader* const reader = owner.get();

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
  if (result < 0) FailDocument(path, detail::ParseErrorText());
  if (doctype) FailDocument(path, detail::kDoctypeRefused);
  if (!rootSeen) FailDocument(path, "dokument nie ma elementu głównego");
  if (pending) std::rethrow_exception(pending);
}

}  // namespace

void ReadRecords(const std::string& path, RecordVisitor& visitor) {
  const std::string bytes = detail::ReadWholeFile(path);
  Walk(bytes, visitor, &path);
}

void ReadRecordsFromText(std::string_view text, RecordVisitor& visitor) {
  Walk(text, visitor, nullptr);
}

}  // namespace xml
