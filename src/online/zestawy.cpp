#include "online/zestawy.h"

#include "app/windows.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/guard.h"

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

const CCatalogues& Catalogues() {
  return *Form1;
}

// The thickness, in mm, of the pipe insulation a new set starts with.
constexpr int32_t kDefaultInsulationThickness = 32;

}  // namespace

const std::array<TWinZestawy::DeviceKind, 7> TWinZestawy::DeviceKinds = {{
    {"Zasobnik", &CCatalogues::TankCatalogue, 2, &CCatalogues::TankColumnNames, "Zasobnik"},
    {"Kolektor", &CCatalogues::CollectorCatalogue, 3, &CCatalogues::CollectorColumnNames,
     "Kolektor"},
    {"Sterownik", &CCatalogues::ControllerCatalogue, 10, &CCatalogues::ControllerColumnNames,
     "Sterownik"},
    {"Pompa obiegowa", &CCatalogues::PumpCatalogue, 2, &CCatalogues::PumpColumnNames, "Pompa"},
    {"Naczynie wzbiorcze", &CCatalogues::VesselCatalogue, 2, &CCatalogues::VesselColumnNames,
     "Naczynie"},
    {"Izolacja", &CCatalogues::InsulationCatalogue, 4, &CCatalogues::InsulationColumnNames,
     "Izolacja"},
    {"Konstrukcja", &CCatalogues::StructureCatalogue, 2, &CCatalogues::StructureColumnNames,
     "Konstrukcja"},
}};

TWinZestawy::TWinZestawy(QWidget* parent) : QDialog(parent) {
  ui.setupUi(this);
  // A radio button's handler runs when it becomes selected.
  platform::Connect(ui.RadioButton1, &QRadioButton::toggled, this, [this](bool selected) {
    if (selected) RadioButton1Click();
  });
  platform::Connect(ui.RadioButton2, &QRadioButton::toggled, this, [this](bool selected) {
    if (selected) RadioButton2Click();
  });
  platform::Connect(ui.ELiczbaKolektorow, &QLineEdit::textChanged, this,
                    &TWinZestawy::ELiczbaKolektorowChange);
  connect(ui.BitBtn3, &QPushButton::clicked, this, &QDialog::close);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinZestawy::FormCreate() {
  CurrentSet.LiczbaZasobnikow = 1;
  CurrentSet.LiczbaKolektorow = Engine.LiczbaKolektorow;
  CurrentSet.GruboscZewnatrz = kDefaultInsulationThickness;
  CurrentSet.GruboscWewnatrz = kDefaultInsulationThickness;
  for (DeviceEntry& slot : SetSlots) slot.clear();
  SetSlotCount = 0;

  const CCatalogues& catalogues = Catalogues();
  const CCatalogueTable& producers = catalogues.ProducerCatalogue;
  for (int row = 0; row < producers.RowCount; ++row)
    ui.ComboBox2->addItem(Text(producers.Rows[row][1]));

  BuildDeviceEntries();
  ui.ComboBox1->setCurrentText(QStringLiteral("Wszystkie"));
  ui.ComboBox2->setCurrentText(QStringLiteral("Wszystkie"));
  FillDeviceList([](const DeviceEntry&) { return true; });

  const int producerCount =
      std::min<int>(producers.RowCount, static_cast<int>(catalogues.ProducerLists.size()));
  for (int j = 0; j < producerCount; ++j) {
    const auto& producer = catalogues.ProducerLists[j];
    ui.EProducent->addItem(Text(producer.size() > 1 ? producer[1] : std::string()));
  }
  ui.EProducent->setCurrentIndex(-1);

  ui.Edit1->setText(Text(General15(CurrentSet.GruboscZewnatrz)));
  ui.Edit2->setText(Text(General15(CurrentSet.GruboscWewnatrz)));
  ui.ELiczbaKolektorow->setText(Text(General15(CurrentSet.LiczbaKolektorow)));
}

void TWinZestawy::AppendCatalogueEntries(const std::string& kind, const CatalogueRows& rows,
                                         int displayColumn, int columnCount, int rowCount) {
  for (int row = 0; row < rowCount && row < static_cast<int>(rows.size()); ++row) {
    const std::vector<std::string>& values = rows[row];
    DeviceEntry entry{kind, values.at(displayColumn), values.at(1)};
    for (int col = 0; col < columnCount; ++col) entry.push_back(values.at(col));
    DeviceEntries.push_back(std::move(entry));
  }
}

void TWinZestawy::BuildDeviceEntries() {
  DeviceEntries.clear();
  const CCatalogues& catalogues = Catalogues();
  for (const DeviceKind& kind : DeviceKinds) {
    const CCatalogueTable& table = catalogues.*kind.table;
    AppendCatalogueEntries(kind.kind, table.Rows, kind.displayColumn, table.ColumnCount,
                           table.RowCount);
  }
}

void TWinZestawy::FillDeviceList(const std::function<bool(const DeviceEntry&)>& shown) {
  ui.ListaUrzadzen->clear();
  DeviceListIndex.clear();
  const QBrush oddLine(QColor(166, 202, 240));
  for (int k = 0; k < static_cast<int>(DeviceEntries.size()); ++k) {
    const DeviceEntry& entry = DeviceEntries[k];
    if (!shown(entry)) continue;
    auto* line = new QListWidgetItem(Text(entry[0] + "=" + entry[1]));
    if (ui.ListaUrzadzen->count() % 2 == 1) {
      line->setBackground(oddLine);
      line->setForeground(Qt::black);
    }
    ui.ListaUrzadzen->addItem(line);
    DeviceListIndex.push_back(k);
  }
  ui.StaticText15->setText(Text(General15(ui.ListaUrzadzen->count())));
}

void TWinZestawy::RadioButton1Click() {
  CurrentSet.LiczbaZasobnikow = 1;
}

void TWinZestawy::RadioButton2Click() {
  CurrentSet.LiczbaZasobnikow = 2;
}

void TWinZestawy::ELiczbaKolektorowChange() {
  const std::string text = ui.ELiczbaKolektorow->text().toStdString();
  if (!text.empty()) CurrentSet.LiczbaKolektorow = ReadInt(text);
}
