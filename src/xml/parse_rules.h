// The reading rules the document and the record reader share: parser options, error texts and
// reading a file whole.
#pragma once

#include <libxml/parser.h>

#include <string>
#include <string_view>

namespace xml::detail {

// Parser options: no DTD loading, no entity substitution, no network, no noise on stderr.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

// Our files never carry a document type; refusing one keeps entity tricks out of every reader.
inline constexpr const char* kDoctypeRefused =
    "dokument zawiera deklarację typu dokumentu (DOCTYPE), której program nie przyjmuje";

// libxml2's last error as "message (wiersz N)".
std::string ParseErrorText();

// The file's bytes; throws Error naming the file when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

// The text of the error for a file that is no usable XML document.
std::string NotXmlText(const std::string& path, std::string_view reason);

// Refuses texts libxml2 cannot take in one piece.
void CheckSize(std::string_view text);

}  // namespace xml::detail
