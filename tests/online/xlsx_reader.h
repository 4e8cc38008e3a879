// Reads an .xlsx workbook back for the export's tests: the zip container through zlib, its
// workbook, sheets, shared strings and styles through libxml2. Only what the export writes.
#pragma once

#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <zlib.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace xlsx {

// The entries of a zip file by name, inflated.
inline std::map<std::string, std::string> Unzip(const std::string& bytes) {
  auto u16 = [&](size_t at) {
    if (at + 2 > bytes.size()) throw std::runtime_error("zip: truncated");
    return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8;
  };
  auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
  // The end of central directory record: 22 bytes and a comment at the end of the file.
  size_t end = std::string::npos;
  for (size_t at = bytes.size() >= 22 ? bytes.size() - 22 : 0; at != size_t(-1); --at) {
    if (u32(at) == 0x06054b50) {
      end = at;
      break;
    }
    if (bytes.size() - at > 22 + 0xFFFF) break;
  }
  if (end == std::string::npos) throw std::runtime_error("zip: no end of central directory");
  const uint32_t count = u16(end + 10);
  size_t at = u32(end + 16);
  std::map<std::string, std::string> entries;
  for (uint32_t i = 0; i < count; ++i) {
    if (u32(at) != 0x02014b50) throw std::runtime_error("zip: bad central directory");
    const uint32_t method = u16(at + 10), crc = u32(at + 16), packed = u32(at + 20),
                   size = u32(at + 24);
    const uint32_t nameLength = u16(at + 28), extra = u16(at + 30), comment = u16(at + 32);
    const size_t local = u32(at + 42);
    const std::string name = bytes.substr(at + 46, nameLength);
    at += 46 + nameLength + extra + comment;
    if (u32(local) != 0x04034b50) throw std::runtime_error("zip: bad local header of " + name);
    const size_t data = local + 30 + u16(local + 26) + u16(local + 28);
    if (data + packed > bytes.size()) throw std::runtime_error("zip: truncated " + name);
    std::string content(size, '\0');
    if (method == 0) {
      content = bytes.substr(data, size);
    } else if (method == 8) {
      z_stream stream{};
      if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw std::runtime_error("zlib");
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + data));
      stream.avail_in = packed;
      stream.next_out = reinterpret_cast<Bytef*>(content.data());
      stream.avail_out = size;
      const int result = inflate(&stream, Z_FINISH);
      inflateEnd(&stream);
      if (result != Z_STREAM_END || stream.total_out != size)
        throw std::runtime_error("zip: cannot inflate " + name);
    } else {
      throw std::runtime_error("zip: unknown method of " + name);
    }
    if (crc32(0, reinterpret_cast<const Bytef*>(content.data()), size) != crc)
      throw std::runtime_error("zip: bad checksum of " + name);
    entries[name] = std::move(content);
  }
  return entries;
}

// A number as the file holds it (decimal point, whatever the process locale); NaN when the text
// is not one number.
inline double Number(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty()
             ? value
             : std::numeric_limits<double>::quiet_NaN();
}

using Doc = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

inline Doc Parse(const std::string& text) {
  Doc doc(
      xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr, XML_PARSE_NONET),
      &xmlFreeDoc);
  if (!doc) throw std::runtime_error("xlsx: a part is not XML");
  return doc;
}

inline std::vector<xmlNode*> Children(xmlNode* node, const char* name) {
  std::vector<xmlNode*> found;
  for (xmlNode* c = node ? node->children : nullptr; c; c = c->next)
    if (c->type == XML_ELEMENT_NODE &&
        std::strcmp(reinterpret_cast<const char*>(c->name), name) == 0)
      found.push_back(c);
  return found;
}

inline xmlNode* Child(xmlNode* node, const char* name) {
  const auto found = Children(node, name);
  return found.empty() ? nullptr : found.front();
}

// An attribute in no namespace, or in the namespace ns when it is given; "" when missing.
inline std::string Attr(xmlNode* node, const char* name, const char* ns = nullptr) {
  if (!node) return {};
  xmlChar* value =
      ns ? xmlGetNsProp(node, BAD_CAST name, BAD_CAST ns) : xmlGetNoNsProp(node, BAD_CAST name);
  if (!value) return {};
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

inline std::string Text(xmlNode* node) {
  if (!node) return {};
  xmlChar* value = xmlNodeGetContent(node);
  std::string text(value ? reinterpret_cast<const char*>(value) : "");
  xmlFree(value);
  return text;
}

struct Style {
  std::string fill;     // the fill's pattern type: "none", "solid", ...
  std::string fillRgb;  // its foreground colour as "FFRRGGBB", "" when none
  std::string fontName;
  double fontSize = 0;
};

struct Cell {
  std::string text;
  Style style;
  // The cell's type as the file holds it: "s" or "inlineStr" for a text, "" or "n" for a number.
  std::string type;
  bool IsNumber() const { return type.empty() || type == "n"; }
};

struct Sheet {
  std::string name;
  // Column widths in characters as the writer was given them, by column number from 1.
  std::map<int, int> widths;
  // Row heights in points, by row number from 1.
  std::map<int, double> heights;
  // Cells by row number and column number, both from 1.
  std::map<int, std::map<int, Cell>> cells;
};

// "A1" -> 1, "AB7" -> 28.
inline int ColumnNumber(const std::string& reference) {
  int column = 0;
  for (char c : reference) {
    if (c < 'A' || c > 'Z') break;
    column = column * 26 + (c - 'A' + 1);
  }
  return column;
}

// The workbook's sheets in workbook order.
inline std::vector<Sheet> Read(const std::string& path) {
  const std::map<std::string, std::string> parts = Unzip(ReadFileBytes(path));
  auto part = [&](const std::string& name) -> const std::string& {
    const auto it = parts.find(name);
    if (it == parts.end()) throw std::runtime_error("xlsx: no part " + name);
    return it->second;
  };

  std::vector<std::string> strings;
  if (parts.count("xl/sharedStrings.xml")) {
    const Doc doc = Parse(part("xl/sharedStrings.xml"));
    for (xmlNode* si : Children(xmlDocGetRootElement(doc.get()), "si")) strings.push_back(Text(si));
  }

  std::vector<Style> styles;
  {
    const Doc doc = Parse(part("xl/styles.xml"));
    xmlNode* root = xmlDocGetRootElement(doc.get());
    const auto fonts = Children(Child(root, "fonts"), "font");
    const auto fills = Children(Child(root, "fills"), "fill");
    for (xmlNode* xf : Children(Child(root, "cellXfs"), "xf")) {
      Style style;
      const size_t font = std::stoul(Attr(xf, "fontId"));
      const size_t fill = std::stoul(Attr(xf, "fillId"));
      if (font < fonts.size()) {
        style.fontName = Attr(Child(fonts[font], "name"), "val");
        style.fontSize = Number(Attr(Child(fonts[font], "sz"), "val"));
      }
      if (fill < fills.size()) {
        xmlNode* pattern = Child(fills[fill], "patternFill");
        style.fill = Attr(pattern, "patternType");
        style.fillRgb = Attr(Child(pattern, "fgColor"), "rgb");
      }
      styles.push_back(style);
    }
  }
  auto styleOf = [&](const std::string& index) {
    const size_t s = index.empty() ? 0 : std::stoul(index);
    return s < styles.size() ? styles[s] : Style{};
  };

  std::map<std::string, std::string> targets;
  {
    const Doc doc = Parse(part("xl/_rels/workbook.xml.rels"));
    for (xmlNode* r : Children(xmlDocGetRootElement(doc.get()), "Relationship"))
      targets[Attr(r, "Id")] = "xl/" + Attr(r, "Target");
  }

  std::vector<Sheet> sheets;
  const Doc workbook = Parse(part("xl/workbook.xml"));
  const char* const relationships =
      "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  for (xmlNode* entry : Children(Child(xmlDocGetRootElement(workbook.get()), "sheets"), "sheet")) {
    Sheet sheet;
    sheet.name = Attr(entry, "name");
    const Doc doc = Parse(part(targets.at(Attr(entry, "id", relationships))));
    xmlNode* root = xmlDocGetRootElement(doc.get());
    for (xmlNode* col : Children(Child(root, "cols"), "col")) {
      // Stored widths carry the cell padding of 5 pixels of a 7-pixel digit.
      const double stored = Number(Attr(col, "width"));
      const int width = static_cast<int>(stored - 5.0 / 7.0 + 0.5);
      for (int c = std::stoi(Attr(col, "min")); c <= std::stoi(Attr(col, "max")); ++c)
        sheet.widths[c] = width;
    }
    for (xmlNode* row : Children(Child(root, "sheetData"), "row")) {
      const int r = std::stoi(Attr(row, "r"));
      if (!Attr(row, "ht").empty()) sheet.heights[r] = Number(Attr(row, "ht"));
      for (xmlNode* c : Children(row, "c")) {
        Cell cell;
        cell.style = styleOf(Attr(c, "s"));
        const std::string type = Attr(c, "t");
        cell.type = type;
        if (type == "s") {
          cell.text = strings.at(std::stoul(Text(Child(c, "v"))));
        } else if (type == "inlineStr") {
          cell.text = Text(Child(c, "is"));
        } else {
          cell.text = Text(Child(c, "v"));
        }
        sheet.cells[r][ColumnNumber(Attr(c, "r"))] = cell;
      }
    }
    sheets.push_back(std::move(sheet));
  }
  return sheets;
}

}  // namespace xlsx
