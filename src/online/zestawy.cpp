#include "online/zestawy.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <utility>

#include "app/windows.h"
#include "economics/edit_filters.h"
#include "engine/numtext.h"
#include "engine/producer_lookup.h"
#include "engine/set_file.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

const CCatalogues& Catalogues() {
  return *Form1;
}

std::string Std(const QString& text) {
  return text.toStdString();
}

// A set holds at most one device of each kind and a second tank.
constexpr int kMaxSetLines = 8;
// Kinds are told apart by their first five characters.
bool SameKind(const std::string& a, const std::string& b) {
  return a.compare(0, 5, b, 0, 5) == 0;
}

const QString kCheckTitle = QStringLiteral("Uwaga !!!");

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
  // The set starts from the design's collector count as it is now; the lists and the widgets,
  // filled from the catalogues as they are at the first use, wait until then.
  CurrentSet.LiczbaZasobnikow = 1;
  CurrentSet.LiczbaKolektorow = Engine.LiczbaKolektorow;
  CurrentSet.GruboscZewnatrz = kDefaultInsulationThickness;
  CurrentSet.GruboscWewnatrz = kDefaultInsulationThickness;
  for (DeviceEntry& slot : SetSlots) slot.clear();
  SetSlotCount = 0;
  ui.Defer([this] { BuildForm(); });
}

void TWinZestawy::setVisible(bool visible) {
  if (visible && !ui.Built()) {
    ui.Build();
    listedForThisShowing_ = true;
  }
  QDialog::setVisible(visible);
}

void TWinZestawy::BuildForm() {
  ui.form().setupUi(this);
  // A radio button's handler runs when it becomes selected.
  platform::Connect(ui().RadioButton1, &QRadioButton::toggled, this, [this](bool selected) {
    if (selected) RadioButton1Click();
  });
  platform::Connect(ui().RadioButton2, &QRadioButton::toggled, this, [this](bool selected) {
    if (selected) RadioButton2Click();
  });
  platform::Connect(ui().ELiczbaKolektorow, &QLineEdit::textChanged, this,
                    &TWinZestawy::ELiczbaKolektorowChange);
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinZestawy::BitBtn1Click);
  platform::Connect(ui().BitBtn2, &QPushButton::clicked, this, &TWinZestawy::BitBtn2Click);
  connect(ui().BitBtn3, &QPushButton::clicked, this, &QDialog::close);
  platform::Connect(ui().ComboBox1, &QComboBox::activated, this, &TWinZestawy::ComboBox1Select);
  platform::Connect(ui().ComboBox2, &QComboBox::activated, this, &TWinZestawy::ComboBox2Select);
  platform::Connect(ui().EProducent, &QComboBox::activated, this, &TWinZestawy::EProducentSelect);
  // The thicknesses and the price take digits, "." and "," (typed as ".").
  for (QLineEdit* edit : {ui().Edit1, ui().Edit2, ui().ECenaZestawu})
    economics::InstallKeyFilter(edit, economics::KeyRule::Decimal);
  // Devices are dragged from the device list onto the set list.
  ui().ListaUrzadzen->setDragEnabled(true);
  ui().ListaZestaw->setAcceptDrops(true);
  ui().ListaZestaw->viewport()->installEventFilter(this);
  platform::RunGuarded([this] { FormCreate(); });
}

void TWinZestawy::FormCreate() {
  FillProducers();
  BuildDeviceEntries();
  ui().ComboBox1->setCurrentText(QStringLiteral("Wszystkie"));
  ui().ComboBox2->setCurrentText(QStringLiteral("Wszystkie"));
  FillDeviceList([](const DeviceEntry&) { return true; });

  ui().Edit1->setText(Text(General15(CurrentSet.GruboscZewnatrz)));
  ui().Edit2->setText(Text(General15(CurrentSet.GruboscWewnatrz)));
  ui().ELiczbaKolektorow->setText(Text(General15(CurrentSet.LiczbaKolektorow)));
}

// The producer filter and the producer choice list the producers as the producer catalogue holds
// them now; each keeps the text it showed, the choice only while that producer is still there.
void TWinZestawy::FillProducers() {
  const CCatalogues& catalogues = Catalogues();
  const QString filter = ui().ComboBox2->currentText();
  ui().ComboBox2->clear();
  const CCatalogueTable& producers = catalogues.ProducerCatalogue;
  for (int row = 0; row < producers.RowCount && row < static_cast<int>(producers.Rows.size());
       ++row) {
    const std::vector<std::string>& producer = producers.Rows[row];
    ui().ComboBox2->addItem(Text(producer.size() > 1 ? producer[1] : std::string()));
  }
  ui().ComboBox2->setCurrentIndex(-1);
  ui().ComboBox2->setEditText(filter);

  const QString chosen = ui().EProducent->currentText();
  ui().EProducent->clear();
  const int producerCount =
      std::min<int>(producers.RowCount, static_cast<int>(catalogues.ProducerLists.size()));
  for (int j = 0; j < producerCount; ++j) {
    const auto& producer = catalogues.ProducerLists[j];
    ui().EProducent->addItem(Text(producer.size() > 1 ? producer[1] : std::string()));
  }
  ui().EProducent->setCurrentIndex(chosen.isEmpty() ? -1 : ui().EProducent->findText(chosen));
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
  ui().ListaUrzadzen->clear();
  DeviceListIndex.clear();
  const QBrush oddLine(QColor(166, 202, 240));
  for (int k = 0; k < static_cast<int>(DeviceEntries.size()); ++k) {
    const DeviceEntry& entry = DeviceEntries[k];
    if (!shown(entry)) continue;
    auto* line = new QListWidgetItem(Text(entry[0] + "=" + entry[1]));
    if (ui().ListaUrzadzen->count() % 2 == 1) {
      line->setBackground(oddLine);
      line->setForeground(Qt::black);
    }
    ui().ListaUrzadzen->addItem(line);
    DeviceListIndex.push_back(k);
  }
  ui().StaticText15->setText(Text(General15(ui().ListaUrzadzen->count())));
}

void TWinZestawy::RadioButton1Click() {
  CurrentSet.LiczbaZasobnikow = 1;
}

void TWinZestawy::RadioButton2Click() {
  CurrentSet.LiczbaZasobnikow = 2;
}

void TWinZestawy::ELiczbaKolektorowChange() {
  const std::string text = ui().ELiczbaKolektorow->text().toStdString();
  if (!text.empty()) CurrentSet.LiczbaKolektorow = ReadInt(text);
}

const TWinZestawy::DeviceKind* TWinZestawy::FindKind(const std::string& kind) {
  for (const DeviceKind& k : DeviceKinds)
    if (kind == k.kind) return &k;
  return nullptr;
}

void TWinZestawy::ListaZestawDragDrop() {
  const int line = ui().ListaUrzadzen->currentRow();
  if (line < 0 || line >= static_cast<int>(DeviceListIndex.size())) return;
  const DeviceEntry& entry = DeviceEntries.at(DeviceListIndex[line]);
  const std::string text = entry[0] + "=" + entry[1];
  if (ui().ListaZestaw->count() >= kMaxSetLines || SetSlotCount >= kMaxSetLines) {
    platform::PlainBox(
        QStringLiteral("Nie można dodać urządzenia ponieważ zestaw jest już pełny !!!"));
    return;
  }
  const bool tankExempt = CurrentSet.LiczbaZasobnikow == 2 && entry[0] == "Zasobnik";
  int tanks = 0;
  for (int i = 0; i < ui().ListaZestaw->count(); ++i) {
    const std::string present = Std(ui().ListaZestaw->item(i)->text());
    if (present == text) return;
    if (!tankExempt && SameKind(present, entry[0])) return;
    if (SameKind(present, "Zasobnik")) ++tanks;
  }
  // A set file names two tanks at most, and the opener reads no third.
  if (tankExempt && tanks >= 2) return;
  ui().ListaZestaw->addItem(Text(text));
  SetSlots[SetSlotCount++] = entry;
}

void TWinZestawy::BitBtn1Click() {
  for (int i = 0; i < SetSlotCount && i < kMaxSetLines; ++i) SetSlots[i].clear();
  SetSlotCount = 0;
  ui().ListaZestaw->clear();
}

void TWinZestawy::BitBtn2Click() {
  const std::string price = Std(ui().ECenaZestawu->text());
  if (!price.empty()) CurrentSet.CenaZestawu = ReadFloat(price);
  CurrentSet.GruboscWewnatrz = ReadInt(Std(ui().Edit2->text()));
  CurrentSet.GruboscZewnatrz = ReadInt(Std(ui().Edit1->text()));
  const std::string name = Std(ui().ENazwaZestawu->text());
  const std::string producer = Std(ui().EProducent->currentText());
  if (!name.empty()) CurrentSet.NazwaZestawu = name;
  if (!producer.empty()) CurrentSet.Producent = producer;
  auto orNone = [](const QString& text) {
    return text.isEmpty() ? std::string("brak") : Std(text);
  };
  CurrentSet.Telefon = orNone(ui().ETelefon->text());
  CurrentSet.Email = orNone(ui().EEmail->text());
  CurrentSet.StronaWww = orNone(ui().EWww->text());

  if (name.empty() || producer.empty() || ui().ELiczbaKolektorow->text().isEmpty()) {
    platform::MessageBox(QStringLiteral("Nie podałeś nazwy zestawu lub producenta."), kCheckTitle,
                         platform::Icon::Warning);
    return;
  }
  const int lines = ui().ListaZestaw->count();
  if (!SetIsComplete() || price.empty()) {
    platform::MessageBox(
        QStringLiteral("Zestaw jest niepełny !!!\nProszę dobrać brakujące urządzenia"), kCheckTitle,
        platform::Icon::Warning);
    return;
  }
  if (WriteSetFile(name, lines))
    platform::PlainBox(QStringLiteral("Zestaw został pomyślnie zapisany."));
}

bool TWinZestawy::SetIsComplete() const {
  int lines = 0;
  for (const DeviceKind& kind : DeviceKinds) {
    int count = 0;
    for (int i = 0; i < ui().ListaZestaw->count(); ++i)
      if (SameKind(Std(ui().ListaZestaw->item(i)->text()), kind.kind)) ++count;
    const int wanted = std::string(kind.kind) == "Zasobnik" ? CurrentSet.LiczbaZasobnikow : 1;
    if (count != wanted) return false;
    lines += count;
  }
  return lines == ui().ListaZestaw->count();
}

bool TWinZestawy::WriteSetFile(const std::string& name, int lines) {
  try {
    // A name from the user's text must not reach outside "Zestawy".
    if (!setfile::IsValidSetName(name)) throw xml::Error("Niedozwolona nazwa zestawu");
    std::vector<setfile::SetDevice> devices;
    for (int i = 0; i < lines; ++i) {
      const DeviceEntry& slot = SetSlots.at(i);
      const DeviceKind* kind = slot.size() < 3 ? nullptr : FindKind(slot[0]);
      if (!kind) throw xml::Error("Brak urządzenia w zestawie");
      devices.push_back({kind->element, &(Catalogues().*kind->columnNames),
                         std::vector<std::string>(slot.begin() + 3, slot.end())});
    }
    setfile::BuildSetDocument(XMLZestaw, CurrentSet, devices, Std(ui().Edit1->text()),
                              Std(ui().Edit2->text()), Std(ui().Opis->toPlainText()));
    setfile::SaveSetFile(XMLZestaw, setfile::SetFilePath(name));
    return true;
  } catch (const std::exception&) {
    platform::MessageBox(QStringLiteral("Nie można zapisać danych do pliku XML !!!"),
                         QStringLiteral("Uwaga"), platform::Icon::Warning);
    return false;
  }
}

void TWinZestawy::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

bool TWinZestawy::eventFilter(QObject* watched, QEvent* event) {
  // Nothing is watched before the widgets exist.
  if (!ui.Built() || watched != ui().ListaZestaw->viewport())
    return QDialog::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDragMoveEvent*>(event);
      const bool fromDeviceList =
          drag->source() == ui().ListaUrzadzen && ui().ListaUrzadzen->currentRow() >= 0;
      if (fromDeviceList) {
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      if (drop->source() == ui().ListaUrzadzen)
        platform::RunGuarded([this] { ListaZestawDragDrop(); });
      drop->setDropAction(Qt::CopyAction);
      drop->accept();
      return true;
    }
    default:
      return QDialog::eventFilter(watched, event);
  }
}

void TWinZestawy::FormShow() {
  ui().Opis->clear();
  FillProducers();
  // Lists just made by the build of this showing already hold every change.
  const bool listed = std::exchange(listedForThisShowing_, false);
  if (Engine.CataloguesChanged != 1) return;
  if (!listed) {
    BuildDeviceEntries();
    FillDeviceList([](const DeviceEntry&) { return true; });
  }
  Engine.CataloguesChanged = 0;
}

void TWinZestawy::ComboBox1Select() {
  const std::string filter = Std(ui().ComboBox1->currentText());
  FillDeviceList(
      [&](const DeviceEntry& entry) { return filter == "Wszystkie" || entry[0] == filter; });
}

void TWinZestawy::ComboBox2Select() {
  const std::string filter = Std(ui().ComboBox2->currentText());
  FillDeviceList(
      [&](const DeviceEntry& entry) { return filter == "Wszystkie" || entry[2] == filter; });
}

void TWinZestawy::EProducentSelect() {
  const std::vector<std::string>* producer =
      FindProducer(Catalogues(), Std(ui().EProducent->currentText()));
  if (!producer) return;
  ui().EWww->setText(Text(producer->size() > 2 ? (*producer)[2] : std::string()));
}
