// The XML layer's load (xml::Document::LoadText, under LoadFile): any bytes either load or raise
// xml::Error. A document that loads can be walked by position and by name with consistent
// answers, and what it saves loads again into the same document, also after an element has been
// appended as the catalogue editors append a record.
//
// Seeds reach: xml::Document::LoadText, xml::Document::SaveText
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "xml/xmldoc.h"

namespace {

// Position, name and list access must agree on every element.
void CheckAccess(const xml::Element& element) {
  const std::vector<xml::Element> children = element.Children();
  fuzz::Expect(static_cast<int>(children.size()) == element.ChildCount(), "ChildCount");
  for (size_t i = 0; i < children.size(); ++i) {
    const std::string name = children[i].Name();
    fuzz::Expect(element.Child(static_cast<int>(i)).Name() == name, "Child(index)");
    const xml::Element byName = element.Child(name);
    fuzz::Expect(!byName.IsNull() && byName.Name() == name, "Child(name)");
    CheckAccess(children[i]);
  }
  try {
    element.Child(static_cast<int>(children.size()));
    fuzz::Fail("Child(index) beyond the last child returned an element");
  } catch (const xml::Error&) {
  }
}

// A text the document holds, to append again: its odd characters must survive a save.
std::string SomeText(const xml::Element& element) {
  std::string text = element.Text();
  for (const xml::Element& child : element.Children()) {
    if (!text.empty()) break;
    text = SomeText(child);
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  // A failed load keeps the document that was there.
  xml::Document document;
  document.LoadText("<poprzedni/>");
  try {
    document.LoadText(input);
  } catch (const xml::Error&) {
    fuzz::Expect(document.DocumentElement().Name() == "poprzedni", "failed load replaced document");
    return 0;
  }
  const xml::Element root = document.DocumentElement();
  CheckAccess(root);
  const std::string loaded = fuzz::Describe(document);

  std::string saved;
  try {
    saved = document.SaveText();
  } catch (const xml::Error&) {
    return 0;  // refused whole: nothing would be written
  }
  xml::Document again;
  try {
    again.LoadText(saved);
  } catch (const xml::Error& error) {
    fuzz::Fail(std::string("a saved document does not load again: ") + error.what());
  }
  fuzz::Expect(fuzz::Describe(again) == loaded, "a saved document loads differently");

  // Append a record as the editors do (automatic indentation), carrying a text of the document.
  const std::string text = SomeText(root);
  xml::Element record = again.DocumentElement().AppendChild("row");
  xml::Element field = record.AppendChild("field");
  field.SetAttribute("name", text);
  field.SetText(text);
  std::string appended;
  try {
    appended = again.SaveText();
  } catch (const xml::Error&) {
    return 0;
  }
  xml::Document third;
  try {
    third.LoadText(appended);
  } catch (const xml::Error& error) {
    fuzz::Fail(std::string("a document with an appended record does not load: ") + error.what());
  }
  const xml::Element last = third.DocumentElement().Child(third.DocumentElement().ChildCount() - 1);
  fuzz::Expect(last.Name() == "row" && last.ChildCount() == 1, "appended record lost");
  fuzz::Expect(last.Child(0).Text() == text, "appended text changed");
  fuzz::Expect(last.Child(0).Attribute("name") == text, "appended name changed");
  return 0;
}
