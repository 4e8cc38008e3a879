// Set files: one device set per file in "Zestawy". The root "zestaw" holds first the set's own
// data ("informacje", nine fields read by position) and then one element per device, each the
// device's whole catalogue row under its catalogue's column names; the insulation adds the two
// pipe-insulation thicknesses. Files are ISO-8859-2, one element a line (CR LF), indented by tabs;
// files with LF line breaks and unsigned price exponents ("1.23457E06") read the same.
//
// Readers parse a whole file first and change the design only when everything was read, so a
// damaged set never leaves a half-loaded design.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/urzadzenie.h"
#include "engine/vindargast2.h"
#include "engine/zestaw.h"
#include "xml/xmldoc.h"

namespace setfile {

inline constexpr const char* kRootName = "zestaw";
inline constexpr const char* kEncoding = "ISO-8859-2";
inline constexpr const char* kFolder = "Zestawy";

// One device of a set as the set builder holds it.
struct SetDevice {
  std::string element;  // "Kolektor", "Sterownik", ...; "Zasobnik" is numbered by the writer
  const std::vector<std::string>* columnNames = nullptr;  // the catalogue's column names
  std::vector<std::string> row;                           // the catalogue row, id to flag
};

// The set's price as the file holds it: general format, at most 6 significant digits, a signed
// exponent of at least two digits ("1.23457E+06").
std::string PriceText(float price);

// Builds the whole set document. The thicknesses are the texts of the builder's edits; the
// description is written as typed. Throws xml::Error for a device whose row is shorter than its
// column names or that has no column names.
void BuildSetDocument(xml::Document& document, const CZestaw& set,
                      const std::vector<SetDevice>& devices, const std::string& outdoorThickness,
                      const std::string& indoorThickness, const std::string& description);

// The bytes of a set document as a set file holds them: CR LF line breaks. SaveSetFile writes
// them whole or not at all (throws xml::Error; the old file then stays).
std::string SetFileBytes(const xml::Document& document);
void SaveSetFile(const xml::Document& document, const std::string& path);

// Whether a set name makes a file name inside "Zestawy" that the set opener lists: not empty, no
// path separator, no control character, not starting with "." (a hidden file, and "." or "..").
bool IsValidSetName(const std::string& name);
// "Zestawy/" + name + ".xml".
std::string SetFilePath(const std::string& name);

// What the preview shows: the nine texts of "informacje" and one display value per device.
struct SetPreview {
  std::array<std::string, 9> info;
  std::vector<std::string> devices;
};

// The set's own data and devices as read for the design; a device the file does not hold stays
// empty.
struct LoadedSet {
  std::array<std::string, 6> texts;  // positions 0..5 as written (price, name, ..., web page)
  float price = 0;
  int32_t collectors = 0;
  int32_t tanks = 0;
  std::optional<CZasobnik> tank1;
  std::optional<CZasobnik> tank2;
  std::optional<CKolektor> collector;
  std::optional<CSterownik> controller;
  std::optional<CNaczynie> vessel;
  std::optional<CPompaObiegowa> pump;
  std::optional<CIzolacja> insulation;
  std::optional<CKonstrukcjaWsporcza> structure;
  std::vector<std::string> models;  // the model of every device read, in file order
};

// Whether the document's root is "zestaw"; any other root holds nothing for the readers.
bool IsSetDocument(const xml::Document& document);

// Reads a set document for the preview. Throws xml::Error for a missing position.
SetPreview ReadSetPreview(const xml::Document& document);

// Reads a set document for the design: each device into a copy of the design's object of its
// kind. Throws xml::Error or NumberConversionError; nothing is changed then.
LoadedSet ReadSet(const xml::Document& document, const CVindargast2& design);

// Puts a read set into the design: the devices, the values the calculation takes from them, the
// set's price and counts, the devices' cost items set to 0, and the set-price mode.
void ApplySet(const LoadedSet& set, CVindargast2& design);

}  // namespace setfile
