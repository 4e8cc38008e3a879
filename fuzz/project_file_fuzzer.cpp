// The project-file reader (ReadProjectDocument, under CVindargast2::ReadProjectFile) on the
// input as a whole project file, into a copy of a design as the program starts with it. Bad input
// may raise only the errors the reader documents (a wrong root, xml::Error, NumberConversionError,
// ValueRangeError). A design that was read is saved with the window texts the read gave, and the
// saved file reads back, into a design as the program starts and the same windows, as a design
// that saves to the very same bytes: a project opened can always be saved and opened again
// without a change.
//
// Seeds reach: project::ReadProjectDocument, project::BuildProjectDocument
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "fuzz_support.h"
#include "project/project_format.h"

namespace {

// The eight heating types of the fuel catalogue.
constexpr int32_t kFuelRows = 8;

// The windows' inputs as the program starts them.
project::WindowInputs StartWindows() {
  project::WindowInputs w;
  w.vat = "22";
  w.grossSum = true;
  w.reportRemembered = {false, true, false, true, true, true};
  return w;
}

// What a read puts into the windows.
void Apply(const project::WindowUpdates& u, project::WindowInputs& w) {
  if (u.cityName) w.cityName = *u.cityName;
  if (u.fuelPriceGross) w.fuelPriceGross = *u.fuelPriceGross;
  if (u.fuelPriceNet) w.fuelPriceNet = *u.fuelPriceNet;
  if (u.vat) w.vat = *u.vat;
  if (u.netSum) {
    w.netSum = *u.netSum;
    w.grossSum = !*u.netSum;
  }
  for (size_t i = 0; i < w.loan.size(); ++i)
    if (u.loan[i]) w.loan[i] = *u.loan[i];
  if (u.taxScale) w.taxScale = *u.taxScale;
  for (size_t i = 0; i < w.ecology.size(); ++i)
    if (u.ecology[i]) w.ecology[i] = *u.ecology[i];
  for (size_t i = 0; i < w.report.size(); ++i)
    if (u.report[i]) w.report[i] = *u.report[i];
}

// Reads a document into `design`; false for the errors bad input may raise.
bool Read(const xml::Document& document, CVindargast2& design, project::WindowUpdates& updates) {
  try {
    project::ReadProjectDocument(document, design, updates, kFuelRows);
    return true;
  } catch (const project::WrongRootError&) {
  } catch (const project::ValueRangeError&) {
  } catch (const xml::Error&) {
  } catch (const NumberConversionError&) {
  }
  return false;
}

std::string Saved(CVindargast2& design, const project::WindowInputs& windows) {
  xml::Document document;
  project::BuildProjectDocument(design, windows, document);
  return project::ProjectFileText(document);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  xml::Document document;
  try {
    document.LoadText(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const xml::Error&) {
    return 0;
  }
  static const CVindargast2 start = MakeDefaultDesign();
  CVindargast2 design(start);
  project::WindowUpdates updates;
  if (!Read(document, design, updates)) return 0;

  project::WindowInputs windows = StartWindows();
  Apply(updates, windows);
  const std::string saved = Saved(design, windows);
  xml::Document reopened;
  try {
    reopened.LoadText(saved);
  } catch (const xml::Error& error) {
    fuzz::Fail(std::string("a saved project is no XML: ") + error.what() + "\n" + saved);
  }
  CVindargast2 again(start);
  project::WindowUpdates updatesAgain;
  try {
    project::ReadProjectDocument(reopened, again, updatesAgain, kFuelRows);
  } catch (const std::exception& error) {
    fuzz::Fail(std::string("a saved project does not read back: ") + error.what() + "\n" + saved);
  }
  // The same windows take the second read, as when the file is opened again in the same run.
  Apply(updatesAgain, windows);
  const std::string savedAgain = Saved(again, windows);
  fuzz::Expect(savedAgain == saved, "a saved project reads back otherwise:\n" + saved +
                                        "\nsaves again as\n" + savedAgain);
  return 0;
}
