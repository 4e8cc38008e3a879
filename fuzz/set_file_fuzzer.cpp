// The set-file readers (ReadSetPreview, ReadSet and ApplySet, under the set opener's preview and
// "Akceptuj") on the input as a whole set file. Bad input may raise only xml::Error or
// NumberConversionError, and then nothing reaches the design. A set that was read is applied to a
// design as the program starts; its own data, written again by the set writer, read back the same.
//
// Seeds reach: setfile::ReadSetPreview, setfile::ReadSet, setfile::ApplySet
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/numtext.h"
#include "engine/set_file.h"
#include "fuzz_support.h"

namespace {

// A set's own data as the writer takes it from a read set.
CZestaw OwnData(const setfile::LoadedSet& set) {
  CZestaw own;
  own.CenaZestawu = set.price;
  own.NazwaZestawu = set.texts[1];
  own.Producent = set.texts[2];
  own.Telefon = set.texts[3];
  own.Email = set.texts[4];
  own.StronaWww = set.texts[5];
  own.LiczbaKolektorow = set.collectors;
  own.LiczbaZasobnikow = set.tanks;
  return own;
}

void CheckRewrite(const setfile::LoadedSet& set, const CVindargast2& design) {
  xml::Document written;
  setfile::BuildSetDocument(written, OwnData(set), {}, "32", "20", "opis");
  const std::string bytes = written.SaveText();
  xml::Document reopened;
  try {
    reopened.LoadText(bytes);
  } catch (const xml::Error& error) {
    fuzz::Fail(std::string("a written set does not load: ") + error.what());
  }
  setfile::LoadedSet again;
  try {
    again = setfile::ReadSet(reopened, design);
  } catch (const std::exception& error) {
    fuzz::Fail(std::string("a written set does not read back: ") + error.what() + "\n" + bytes);
  }
  for (size_t i = 1; i < set.texts.size(); ++i)
    fuzz::Expect(again.texts[i] == set.texts[i], "a set text reads back otherwise:\n" + bytes);
  fuzz::Expect(again.collectors == set.collectors && again.tanks == set.tanks,
               "a set count reads back otherwise");
  fuzz::Expect(again.texts[0] == setfile::PriceText(set.price), "the price reads back otherwise");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  xml::Document document;
  try {
    document.LoadText(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const xml::Error&) {
    return 0;
  }
  if (!setfile::IsSetDocument(document)) return 0;

  try {
    setfile::ReadSetPreview(document);
  } catch (const xml::Error&) {
  }

  static const CVindargast2 start = MakeDefaultDesign();
  setfile::LoadedSet set;
  try {
    set = setfile::ReadSet(document, start);
  } catch (const xml::Error&) {
    return 0;
  } catch (const NumberConversionError&) {
    return 0;
  }
  CVindargast2 design = MakeDefaultDesign();
  setfile::ApplySet(set, design);
  fuzz::Expect(design.SetPriceMode == 1, "a loaded set leaves the set-price mode off");
  fuzz::Expect(design.ComputeTotalCost() == set.price || set.price != set.price,
               "the total is not the set's price");
  CheckRewrite(set, start);
  return 0;
}
