// The project file without the windows: the document a design and the windows' inputs make, and
// the reading of such a document into a design and a list of what the windows are to show.
// Plain C++ over src/xml and src/engine, so that the format is tested and fuzzed on its own;
// project_file.cpp joins it to the windows.
//
// The contract between writer and reader is the order of the elements: the first child of the
// root is the form, every other section is found by its element name, and the values of a section
// are taken by position (the attribute "name" is never read). Stored files rely on every name,
// position and number text here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "engine/vindargast2.h"
#include "xml/xmldoc.h"

namespace project {

inline constexpr const char* kRootName = "vindargast";

// The inputs a project file takes from the windows rather than from the design, as their texts.
struct WindowInputs {
  std::string cityName;        // the chosen location's name
  std::string fuelPriceGross;  // cost window: EKosztZakupu
  std::string fuelPriceNet;    // EKosztZakupuNetto
  std::string serviceLife;     // ElataEksploatacji (whether it is empty)
  std::string vat;             // Evat
  bool netSum = false;         // RSumaNetto checked
  bool grossSum = false;       // RSumaBrutto checked
  // PowKolektorow, KosztyKwalifikowane, ProcentDotacji, WysokoscKredytu, OprocentowanieKredytu,
  // ProwizjaKredytu, IinneKosztyKredytu, OkresKredytowania, OczekiwanieDaDotacje.
  std::array<std::string, 9> loan;
  int taxScale = -1;                    // the chosen item of ComboStawkiPodatku, -1 for none
  std::array<std::string, 13> ecology;  // the ecological calculator's Edit1 to Edit13
  // The report header: ENazwaProjektu, EProjektant, ELokalizacja, EWWW, EMail, ETelefon, and
  // whether the file remembers each (CheckBox1 to CheckBox6).
  std::array<std::string, 6> report;
  std::array<bool, 6> reportRemembered{};
};

// What a read puts into the windows; an empty optional leaves that control as it is. A value
// read twice (a section repeated) holds the later one.
struct WindowUpdates {
  std::optional<std::string> cityName;  // the main window's location label
  std::optional<std::string> fuelPriceGross;
  std::optional<std::string> fuelPriceNet;
  std::optional<std::string> vat;
  std::optional<bool> inflation;  // CheckInflacja
  std::optional<bool> netSum;     // true: RSumaNetto selected, false: RSumaBrutto selected
  std::array<std::optional<std::string>, 9> loan;
  std::optional<int> taxScale;
  std::array<std::optional<std::string>, 13> ecology;
  std::optional<int> ecologyFuel;  // item of the calculator's fuel combo
  std::array<std::optional<std::string>, 6> report;
};

// A file whose root element is not "vindargast".
class WrongRootError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A value that converts but that the design cannot hold (a tank count of 3, a pool month of 12).
class ValueRangeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Builds the whole project document of `design` and the windows' inputs into `document`. The
// design's tank objects get their numbers (1, and 2 for the second tank when it is written).
void BuildProjectDocument(CVindargast2& design, const WindowInputs& windows,
                          xml::Document& document);

// The bytes of a project file: the document's UTF-8 text with CR LF line breaks.
std::string ProjectFileText(const xml::Document& document);

// Reads a project document into `design` and `updates`, section by section in file order.
// fuelRows is the number of heating types the fuel catalogue offers. Throws WrongRootError,
// xml::Error (a missing section field), NumberConversionError or ValueRangeError; the design and
// updates are then half-read, so callers read into copies.
void ReadProjectDocument(const xml::Document& document, CVindargast2& design,
                         WindowUpdates& updates, int32_t fuelRows);

}  // namespace project
