#include "xml/record_reader.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <memory>

#include "xml/parse_rules.h"
#include "xml/xmldoc.h"

namespace xml {

namespace {

std::string_view View(const xmlChar* s) {
  return s ? std::string_view(reinterpret_cast<const char*>(s)) : std::string_view();
}

std::string_view View(const xmlChar* begin, const xmlChar* end) {
  return std::string_view(reinterpret_cast<const char*>(begin), static_cast<size_t>(end - begin));
}

// The file's own errors name the file when there is one, as Document::LoadFile's do.
[[noreturn]] void FailDocument(const std::string* path, const std::string& reason) {
  throw Error(path ? detail::NotXmlText(*path, reason) : reason);
}

// The streaming parser stops at a damaged document's first fault; the document's reason is the
// one a whole-document parse gives, so every reader of a file reports it alike. Only a damaged
// file pays for this second parse.
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

// Without entity substitution libxml2 hands an attribute's "&" (written "&amp;" or "&#38;") to
// the callbacks as "&#38;", for a tree builder to decode; any other "&" would be an entity of a
// document type, which is refused anyway.
std::string AttributeValue(std::string_view raw) {
  std::string value;
  value.reserve(raw.size());
  constexpr std::string_view kAmpersand = "&#38;";
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw.compare(i, kAmpersand.size(), kAmpersand) == 0) {
      value.push_back('&');
      i += kAmpersand.size() - 1;
    } else {
      value.push_back(raw[i]);
    }
  }
  return value;
}

// The state of one pass: element depth 0 is the document element, 1 a record, 2 a field, and
// the text directly inside a field is at depth 3.
class Pass {
 public:
  explicit Pass(RecordVisitor& visitor) : visitor_(visitor) {}

  static xmlSAXHandler Handler() {
    xmlSAXHandler handler;
    std::memset(&handler, 0, sizeof handler);
    handler.initialized = XML_SAX2_MAGIC;
    handler.internalSubset = &Pass::OnDocumentType;
    handler.startElementNs = &Pass::OnStart;
    handler.endElementNs = &Pass::OnEnd;
    handler.characters = &Pass::OnText;
    handler.ignorableWhitespace = &Pass::OnText;
    handler.cdataBlock = &Pass::OnText;
    return handler;
  }

  // Whether every element that started also ended.
  bool Closed() const { return depth_ == 0; }

  // After the document: its own faults first, then the visitor's.
  void Finish(bool wellFormed, const std::string* path, const std::function<std::string()>& bytes,
              bool readFailed) {
    if (readFailed) throw Error("Nie można odczytać pliku " + *path);
    if (!wellFormed) FailDocument(path, DamageReason(bytes));
    if (doctype_) FailDocument(path, detail::kDoctypeRefused);
    if (!rootSeen_) FailDocument(path, "dokument nie ma elementu głównego");
    if (pending_) std::rethrow_exception(pending_);
  }

 private:
  static Pass& Of(void* context) {
    return *static_cast<Pass*>(static_cast<xmlParserCtxt*>(context)->_private);
  }

  // The first exception of the visitor; from then on it gets no more visits. Nothing may be
  // thrown through the parser.
  template <class Call>
  void Visit(Call&& call) {
    if (pending_) return;
    try {
      call();
    } catch (...) {
      pending_ = std::current_exception();
    }
  }

  static void OnDocumentType(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    Of(context).doctype_ = true;
  }

  static void OnStart(void* context, const xmlChar* name, const xmlChar*, const xmlChar*, int,
                      const xmlChar**, int attributeCount, int, const xmlChar** attributes) {
    Pass& pass = Of(context);
    const int depth = pass.depth_++;
    pass.Visit([&] { pass.Start(depth, View(name), attributeCount, attributes); });
  }

  void Start(int depth, std::string_view name, int attributeCount, const xmlChar** attributes) {
    if (depth == 0) {
      rootSeen_ = true;
      rootName_ = name;
    } else if (depth == 1) {
      record_ = records_++;
      fields_ = 0;
      visitor_.BeginRecord(record_, name);
    } else if (depth == 2) {
      const int field = fields_++;
      if (!visitor_.WantsField(record_, field)) return;
      fieldName_.reset();
      if (visitor_.WantsFieldName(record_)) {
        // Five pointers per attribute: local name, prefix, namespace, value, value's end.
        for (int i = 0; i < attributeCount; ++i) {
          const xmlChar** attribute = attributes + 5 * i;
          if (View(attribute[0]) == "name" && !attribute[2])
            fieldName_ = AttributeValue(View(attribute[3], attribute[4]));
        }
      }
      inWantedField_ = true;
      fieldText_.clear();
    }
  }

  static void OnEnd(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
    Pass& pass = Of(context);
    const int depth = --pass.depth_;
    pass.Visit([&] { pass.End(depth); });
    if (depth == 2) pass.inWantedField_ = false;
  }

  void End(int depth) {
    if (depth == 2 && inWantedField_) {
      inWantedField_ = false;
      visitor_.Field(record_, fields_ - 1, std::move(fieldText_), fieldName_);
      fieldText_.clear();
    } else if (depth == 1) {
      visitor_.EndRecord(record_, fields_);
    } else if (depth == 0) {
      visitor_.End(rootName_, records_);
    }
  }

  static void OnText(void* context, const xmlChar* text, int length) {
    Pass& pass = Of(context);
    if (!pass.inWantedField_ || pass.depth_ != 3 || pass.pending_) return;
    pass.Visit([&] {
      pass.fieldText_.append(reinterpret_cast<const char*>(text), static_cast<size_t>(length));
    });
  }

  RecordVisitor& visitor_;
  std::exception_ptr pending_;
  bool doctype_ = false;
  bool rootSeen_ = false;
  std::string rootName_;
  int depth_ = 0;
  int records_ = 0;
  int record_ = -1;
  int fields_ = 0;              // fields of the current record so far
  bool inWantedField_ = false;  // gathering the text of a wanted field
  std::string fieldText_;
  std::optional<std::string> fieldName_;
};

struct FreeContext {
  void operator()(xmlParserCtxt* context) const {
    // The parser builds a document of its own for the entities of a document type even when the
    // callbacks build none; the context does not free it.
    if (context->myDoc) xmlFreeDoc(context->myDoc);
    context->myDoc = nullptr;
    xmlFreeParserCtxt(context);
  }
};

// libxml2 writes some faults of its push parser (a failed encoding conversion) straight to the
// standard error, whatever the parser options say; the fault is reported with the document.
class QuietGenericErrors {
 public:
  QuietGenericErrors() : handler_(xmlGenericError), context_(xmlGenericErrorContext) {
    xmlSetGenericErrorFunc(nullptr, &Ignore);
  }
  ~QuietGenericErrors() { xmlSetGenericErrorFunc(context_, handler_); }
  QuietGenericErrors(const QuietGenericErrors&) = delete;
  QuietGenericErrors& operator=(const QuietGenericErrors&) = delete;

 private:
  static void Ignore(void*, const char*, ...) {}
  xmlGenericErrorFunc handler_;
  void* context_;
};

// Feeds the document to libxml2's push parser in pieces as `next` gives them (an empty piece
// ends it); returns whether the document was read whole and well-formed.
bool Parse(Pass& pass, const std::function<std::string_view()>& next) {
  xmlSAXHandler handler = Pass::Handler();
  const QuietGenericErrors quiet;
  xmlResetLastError();
  // The options hold from the first byte on; the parser tells the encoding from the first bytes
  // it is given.
  std::unique_ptr<xmlParserCtxt, FreeContext> context(
      xmlCreatePushParserCtxt(&handler, nullptr, nullptr, 0, nullptr));
  if (!context) return false;
  context->_private = &pass;
  xmlCtxtUseOptions(context.get(), detail::kParseOptions);
  // A parser that stopped (a malformed document, or a conversion that failed, after which
  // libxml2 halts without calling the document malformed) has not read the document.
  const auto stopped = [&context] { return !context->wellFormed || context->disableSAX; };
  for (std::string_view piece = next(); !piece.empty() && !stopped(); piece = next())
    xmlParseChunk(context.get(), piece.data(), static_cast<int>(piece.size()), 0);
  if (!stopped()) xmlParseChunk(context.get(), nullptr, 0, 1);
  return !stopped() && pass.Closed();
}

}  // namespace

void ReadRecords(const std::string& path, RecordVisitor& visitor) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) throw Error("Nie można otworzyć pliku " + path);
  // The file is read piece by piece as the parser takes it, never held whole.
  std::string buffer(1 << 16, '\0');
  bool readFailed = false;
  Pass pass(visitor);
  const bool wellFormed = Parse(pass, [&]() -> std::string_view {
    const size_t read = std::fread(buffer.data(), 1, buffer.size(), file.get());
    if (read == 0 && std::ferror(file.get())) readFailed = true;
    return std::string_view(buffer.data(), read);
  });
  pass.Finish(
      wellFormed, &path, [&path] { return detail::ReadWholeFile(path); }, readFailed);
}

void ReadRecordsFromText(std::string_view text, RecordVisitor& visitor) {
  detail::CheckSize(text);
  Pass pass(visitor);
  std::string_view rest = text;
  const bool wellFormed = Parse(pass, [&rest]() -> std::string_view {
    const std::string_view piece = rest.substr(0, 1 << 16);
    rest.remove_prefix(piece.size());
    return piece;
  });
  pass.Finish(
      wellFormed, nullptr, [text] { return std::string(text); }, false);
}

}  // namespace xml
