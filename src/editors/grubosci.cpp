#include "editors/grubosci.h"

#include <algorithm>
#include <optional>

#include "economics/edit_filters.h"
#include "editors/editor_frame.h"
#include "editors/number_fields.h"
#include "editors/record_ids.h"
#include "engine/numtext.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"

namespace {

const char* const kThicknessFile = "Dane/grubosci.xml";

// Columns of a thickness record.
constexpr int kKind = 1;
constexpr int kDiameter = 2;
constexpr int kThickness = 3;
constexpr int kPrice = 4;

void Notice(const char* text) {
  platform::MessageBox(QString::fromUtf8(text), "Komunikat", platform::Icon::Warning);
}

// The whole number the text reads as; none for a text that is no whole number.
std::optional<int32_t> WholeNumber(const std::string& text) {
  try {
    return ReadInt(text);
  } catch (const NumberConversionError&) {
    return std::nullopt;
  }
}

}  // namespace

TWinGrubosci::TWinGrubosci(QWidget* parent) : QDialog(parent) {
  FieldNames = {"idPrzewodu", "idIzolacja", "srednica", "zakresGrubosci", "cena", "flaga"};
  // Nothing else of this window is needed before the user opens it.
  ui.Defer([this] { BuildForm(); });
}

void TWinGrubosci::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinGrubosci::BuildForm() {
  ui.form().setupUi(this);
  economics::InstallKeyFilter(ui().Edit1, economics::KeyRule::Decimal);
  platform::Connect(ui().btbDodaj, &QPushButton::clicked, this, &TWinGrubosci::btbDodajClick);
  connect(ui().BitBtn2, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinGrubosci::FormCreate() {
  FillKinds();
  ui().ComboBox1->setCurrentIndex(0);
  ui().ComboBox2->setCurrentIndex(0);
  ui().ComboBox3->setCurrentIndex(0);
}

void TWinGrubosci::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

// The kinds are listed afresh at every showing, whatever the catalogues-changed flag says: an item
// must never stand for a kind that was added, deleted or moved since the last list.
void TWinGrubosci::FormShow() {
  FillKinds();
  ui().ComboBox1->setCurrentIndex(-1);
  ui().ComboBox1->setEditText(QString::fromUtf8("Wybierz izolację"));
}

void TWinGrubosci::FillKinds() {
  ui().ComboBox1->clear();
  const CCatalogueTable& insulation = MainCatalogues().InsulationCatalogue;
  const int rows = std::min(insulation.RowCount, static_cast<int>(insulation.Rows.size()));
  for (int row = 0; row < rows; ++row) {
    const std::vector<std::string>& kind = insulation.Rows[size_t(row)];
    if (kind.size() <= 4) continue;
    ui().ComboBox1->addItem(QString::fromStdString(kind[4]), QString::fromStdString(kind[0]));
  }
}

std::optional<std::string> TWinGrubosci::ChosenKind() const {
  const QComboBox* combo = ui().ComboBox1;
  const QString text = combo->currentText();
  int index = combo->currentIndex();
  // A text typed over a chosen item names the item it equals, if any.
  if (index < 0 || combo->itemText(index) != text) index = combo->findText(text, Qt::MatchExactly);
  if (index < 0) return std::nullopt;
  return combo->itemData(index).toString().toStdString();
}

void TWinGrubosci::btbDodajClick() {
  struct BufferReset {
    std::vector<std::string>& buffer;
    ~BufferReset() { buffer.clear(); }
  } reset{RowBuffer};
  RowBuffer.clear();
  if (ui().Edit1->text().isEmpty()) return Notice("Nie podano ceny !!!");
  const std::optional<std::string> kind = ChosenKind();
  if (!kind) {
    Notice("Nie wybrano izolacji !!!");
    ui().ComboBox1->setFocus();
    return;
  }
  // Every later search reads the diameters and thicknesses of a kind as whole numbers, the
  // selection window the prices as numbers: a text that is neither would spoil the kind's rows.
  const QString diameter = ui().ComboBox3->currentText();
  const QString thickness = ui().ComboBox2->currentText();
  const QString price = ui().Edit1->text();
  using editors::NumberKind;
  if (!editors::CheckNumberField(diameter, ui().lblComboBox3->text(), NumberKind::Whole) ||
      !editors::CheckNumberField(thickness, ui().lblComboBox2->text(), NumberKind::Whole) ||
      !editors::CheckNumberField(price, ui().lblEdit1->text(), NumberKind::Decimal)) {
    return;
  }

  // The file, not an older copy of it, is searched: "022" finds the row of diameter 22.
  XMLGrubosc.LoadFile(kThicknessFile);
  const std::vector<xml::Element> records = XMLGrubosc.DocumentElement().Children();
  // A row of the file whose field is no whole number (a server may write one) is no match: it
  // must not stop the search, nor every add after it.
  const std::optional<int32_t> kindId = WholeNumber(*kind);
  const std::optional<int32_t> diameterMm = WholeNumber(diameter.toStdString());
  const std::optional<int32_t> thicknessMm = WholeNumber(thickness.toStdString());
  const bool searchable = kindId && diameterMm && thicknessMm;  // none of them matches "none"
  int found = -1;
  for (size_t i = 0; searchable && i < records.size() && found < 0; ++i) {
    const xml::Element& record = records[i];
    if (WholeNumber(record.Child(kKind).Text()) == kindId &&
        WholeNumber(record.Child(kDiameter).Text()) == diameterMm &&
        WholeNumber(record.Child(kThickness).Text()) == thicknessMm) {
      found = static_cast<int>(i);
    }
  }
  if (found >= 0) {
    UpdateRowPrice(XMLGrubosc, found, price.toStdString());
  } else {
    const int32_t largest = editors::LargestRecordId(records);
    if (!editors::IdLeftAfter(largest, "grubosci.xml")) return;
    RowBuffer = {std::to_string(static_cast<int64_t>(largest) + 1),
                 *kind,
                 diameter.toStdString(),
                 thickness.toStdString(),
                 price.toStdString(),
                 "0"};
    AppendRow(XMLGrubosc);
  }
  xml::Document scratch;
  LoadCatalogueTable(scratch, MainCatalogues().ThicknessCatalogue, kThicknessFile);
}

void TWinGrubosci::AppendRow(xml::Document& document) {
  document.SetIndentString("  ");
  document.LoadFile(kThicknessFile);
  xml::Element record = document.DocumentElement().AppendChild("row");
  for (size_t i = 0; i < FieldNames.size() && i < RowBuffer.size(); ++i) {
    xml::Element field = record.AppendChild("field");
    field.SetAttribute("name", FieldNames[i]);
    field.SetText(RowBuffer[i]);
  }
  document.SaveFile(kThicknessFile);
}

void TWinGrubosci::UpdateRowPrice(xml::Document& document, int index, const std::string& price) {
  document.LoadFile(kThicknessFile);
  document.DocumentElement().Child(index).Child(kPrice).SetText(price);
  document.SaveFile(kThicknessFile);
}
