// A device set while the set window builds it: the set's own numbers and texts that its file
// carries beside the devices. The window reads and writes the fields directly.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "engine/urzadzenie.h"

// A name=value list with lookup by name; a name that is not there yields "".
class NameValueList {
 public:
  std::string Value(const std::string& name) const {
    auto found = values_.find(name);
    return found == values_.end() ? std::string() : found->second;
  }
  bool Empty() const { return values_.empty(); }

 private:
  std::unordered_map<std::string, std::string> values_;
};

class CZestaw {
 public:
  CZestaw();

  // One device of each kind but the mounting structure; the set window keeps them with the set
  // but takes a set's devices from the catalogue rows it lists.
  std::unique_ptr<CZasobnik> Tank;
  std::unique_ptr<CKolektor> Collector;
  std::unique_ptr<CSterownik> Controller;
  std::unique_ptr<CPompaObiegowa> Pump;
  std::unique_ptr<CNaczynie> Vessel;
  std::unique_ptr<CIzolacja> Insulation;

  int32_t LiczbaZasobnikow = 0;  // 1 or 2 once the window has set it
  int32_t LiczbaKolektorow = 0;
  int32_t GruboscZewnatrz = 0;  // insulation on the outdoor pipes, mm
  int32_t GruboscWewnatrz = 0;  // insulation on the indoor pipes, mm
  float CenaZestawu = 0;        // net price of the whole set
  std::string NazwaZestawu;
  std::string Producent;
  std::string Telefon;
  std::string Email;
  std::string StronaWww;

  // Consulted by the set window's device list when filtered by kind or by producer.
  std::unique_ptr<NameValueList> ByKindList;
  std::unique_ptr<NameValueList> ByProducerList;
};
