#include "xml/xmldoc.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "xml/atomic_file.h"
#include "xml/parse_rules.h"

namespace xml {

namespace {

const xmlChar* X(const std::string& s) {
  return reinterpret_cast<const xmlChar*>(s.c_str());
}
std::string S(const xmlChar* s) {
  return s ? reinterpret_cast<const char*>(s) : std::string();
}

bool IsElement(const xmlNode* node) {
  return node->type == XML_ELEMENT_NODE;
}

bool IsBlankText(const xmlNode* node) {
  if (node->type != XML_TEXT_NODE) return false;
  for (const xmlChar* c = node->content; c && *c; ++c)
    if (*c != ' ' && *c != '\t' && *c != '\n' && *c != '\r') return false;
  return true;
}

int Depth(const xmlNode* node) {
  int depth = 0;
  for (const xmlNode* p = node->parent; p && IsElement(p); p = p->parent) ++depth;
  return depth;
}

std::string Indent(const std::string& unit, int depth) {
  std::string text = "\n";
  for (int i = 0; i < depth; ++i) text += unit;
  return text;
}

}  // namespace

namespace detail {

std::string ParseErrorText() {
  const xmlError* error = xmlGetLastError();
  if (!error || !error->message) return "niepoprawny dokument XML";
  std::string text = error->message;
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text + " (wiersz " + std::to_string(error->line) + ")";
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error("Nie można otworzyć pliku " + path);
  // Read in place at the file's size: a growing buffer would copy a large catalogue many times.
  std::string bytes;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0 && in) {
    bytes.resize(static_cast<size_t>(size));
    in.read(bytes.data(), size);
    bytes.resize(static_cast<size_t>(in.gcount()));
    in.clear();
  }
  // Whatever follows (a file that grew, or one without a size) is read on to its end.
  if (in.peek() != std::char_traits<char>::eof()) {
    std::ostringstream rest;
    rest << in.rdbuf();
    bytes += std::move(rest).str();
  }
  if (in.bad()) throw Error("Nie można odczytać pliku " + path);
  return bytes;
}

std::string NotXmlText(const std::string& path, std::string_view reason) {
  return "Plik " + path + " nie jest poprawnym plikiem XML: " + std::string(reason);
}

void CheckSize(std::string_view text) {
  if (text.size() > static_cast<size_t>(INT32_MAX)) throw Error("dokument jest zbyt duży");
}

}  // namespace detail

using detail::kParseOptions;
using detail::ParseErrorText;

// ---------------------------------------------------------------- Element

std::string Element::Name() const {
  return node_ ? S(node_->name) : std::string();
}

int Element::ChildCount() const {
  int count = 0;
  if (node_)
    for (xmlNode* c = node_->children; c; c = c->next)
      if (IsElement(c)) ++count;
  return count;
}

Element Element::Child(int index) const {
  if (node_ && index >= 0) {
    int i = 0;
    for (xmlNode* c = node_->children; c; c = c->next)
      if (IsElement(c) && i++ == index) return Element(document_, c);
  }
  throw Error("Indeks listy poza zakresem (" + std::to_string(index) + ") w elemencie <" + Name() +
              ">");
}

Element Element::Child(std::string_view name) const {
  if (node_)
    for (xmlNode* c = node_->children; c; c = c->next)
      if (IsElement(c) && S(c->name) == name) return Element(document_, c);
  return Element();
}

std::vector<Element> Element::Children() const {
  std::vector<Element> result;
  if (node_)
    for (xmlNode* c = node_->children; c; c = c->next)
      if (IsElement(c)) result.push_back(Element(document_, c));
  return result;
}

std::string Element::Text() const {
  std::string text;
  if (node_)
    for (xmlNode* c = node_->children; c; c = c->next)
      if (c->type == XML_TEXT_NODE || c->type == XML_CDATA_SECTION_NODE) text += S(c->content);
  return text;
}

void Element::SetText(std::string_view text) {
  if (!node_) throw Error("Brak elementu");
  std::string value(text);
  // xmlNodeSetContent would parse entity references; a plain text node keeps the text literal.
  xmlNodeSetContent(node_, nullptr);
  xmlAddChild(node_, xmlNewText(X(value)));
}

std::optional<std::string> Element::Attribute(std::string_view name) const {
  if (!node_) return std::nullopt;
  std::string key(name);
  xmlChar* value = xmlGetNoNsProp(node_, X(key));
  if (!value) return std::nullopt;
  std::string result = S(value);
  xmlFree(value);
  return result;
}

void Element::SetAttribute(std::string_view name, std::string_view value) {
  if (!node_) throw Error("Brak elementu");
  std::string key(name), text(value);
  xmlSetProp(node_, X(key), X(text));
}

Element Element::AppendChild(std::string_view name) {
  if (!node_) throw Error("Brak elementu");
  std::string key(name);
  xmlNode* child = xmlNewDocNode(node_->doc, nullptr, X(key), nullptr);
  if (!document_ || !document_->AutoIndent()) {
    xmlAddChild(node_, child);
    return Element(document_, child);
  }
  const std::string& unit = document_->IndentString();
  int depth = Depth(node_) + 1;  // depth of the new element
  std::string before = Indent(unit, depth);
  const std::string after = Indent(unit, depth - 1);
  // libxml2 merges adjacent text nodes, so the whitespace is set on existing text nodes rather
  // than inserted next to them.
  xmlNode* last = node_->last;
  if (last && IsBlankText(last)) {
    xmlNodeSetContent(last, X(before));
  } else {
    xmlAddChild(node_, xmlNewDocText(node_->doc, X(before)));
  }
  xmlAddChild(node_, child);
  xmlAddChild(node_, xmlNewDocText(node_->doc, X(after)));
  return Element(document_, child);
}

void Element::Remove() {
  if (!node_) throw Error("Brak elementu");
  xmlNode* before = node_->prev;
  if (before && IsBlankText(before)) {
    xmlUnlinkNode(before);
    xmlFreeNode(before);
  }
  xmlUnlinkNode(node_);
  xmlFreeNode(node_);
  node_ = nullptr;
}

// ---------------------------------------------------------------- Document

Document::Document() = default;

Document::~Document() {
  Replace(nullptr);
}

void Document::Replace(_xmlDoc* doc) {
  if (doc_) xmlFreeDoc(doc_);
  doc_ = doc;
}

void Document::LoadFile(const std::string& path) {
  fileName_ = path;
  const std::string bytes = detail::ReadWholeFile(path);
  try {
    LoadText(bytes);
  } catch (const Error& e) {
    throw Error(detail::NotXmlText(path, e.what()));
  }
}

void Document::Close() {
  Replace(nullptr);
}

void Document::LoadText(std::string_view text) {
  detail::CheckSize(text);
  xmlResetLastError();
  xmlDoc* doc =
      xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr, kParseOptions);
  if (!doc) throw Error(ParseErrorText());
  // Our files never carry a document type; refusing one keeps entity tricks out of every reader.
  if (doc->intSubset || doc->extSubset) {
    xmlFreeDoc(doc);
    throw Error(detail::kDoctypeRefused);
  }
  if (!xmlDocGetRootElement(doc)) {
    xmlFreeDoc(doc);
    throw Error("dokument nie ma elementu głównego");
  }
  Replace(doc);
}

Element Document::Create(std::string_view rootName, std::string_view encoding) {
  xmlDoc* doc = xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0"));
  std::string enc(encoding), root(rootName);
  doc->encoding = xmlStrdup(X(enc));
  xmlNode* node = xmlNewDocNode(doc, nullptr, X(root), nullptr);
  xmlDocSetRootElement(doc, node);
  Replace(doc);
  return Element(this, node);
}

Element Document::DocumentElement() const {
  xmlNode* root = doc_ ? xmlDocGetRootElement(doc_) : nullptr;
  if (!root) throw Error("Dokument XML nie jest wczytany");
  return Element(const_cast<Document*>(this), root);
}

std::string Document::Encoding() const {
  if (!doc_ || !doc_->encoding) return "UTF-8";
  return S(doc_->encoding);
}

std::string Document::SaveText() const {
  if (!doc_) throw Error("Dokument XML nie jest wczytany");
  xmlChar* memory = nullptr;
  int size = 0;
  std::string encoding = Encoding();
  xmlDocDumpFormatMemoryEnc(doc_, &memory, &size, encoding.c_str(), 0);
  if (!memory) throw Error("Nie można zapisać dokumentu w kodowaniu " + encoding);
  std::string bytes(reinterpret_cast<const char*>(memory), static_cast<size_t>(size));
  xmlFree(memory);
  // libxml2 reads some declared encodings that it cannot write back readably (UTF-7 escapes even
  // the declaration's "<"): such bytes would replace a good file with one no reader opens.
  xmlDoc* check =
      xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, kParseOptions);
  if (!check)
    throw Error("Nie można zapisać dokumentu w kodowaniu " + encoding +
                ": zapisany plik nie dałby się odczytać");
  xmlFreeDoc(check);
  return bytes;
}

void Document::SaveFile(const std::string& path) const {
  WriteFileAtomically(path, SaveText());
}

}  // namespace xml
