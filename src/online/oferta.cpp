#include "online/oferta.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSqlRecord>
#include <QStyle>
#include <algorithm>

#include "app/windows.h"
#include "main/vindargast.h"
#include "online/DMVindargast.h"
#include "online/grid_rows.h"
#include "platform/file_dialog.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/opening.h"
#include "platform/system.h"

namespace {

// A column of the default width of a data grid.
constexpr int kDefaultWidth = 64;

void BindGrid(QTableView* grid, TQuery* query, const std::vector<TWinOferta::Column>& columns) {
  grid->setModel(query);
  const QSqlRecord fields = query->record();
  QHeaderView* header = grid->horizontalHeader();
  for (int c = 0; c < fields.count(); ++c) grid->setColumnHidden(c, true);
  for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
    const int c = fields.indexOf(QString::fromUtf8(columns[i].field));
    if (c < 0) continue;
    query->setHeaderData(c, Qt::Horizontal, QString::fromUtf8(columns[i].title));
    query->setHeaderData(c, Qt::Horizontal, int(Qt::AlignCenter), Qt::TextAlignmentRole);
    grid->setColumnHidden(c, false);
    header->moveSection(header->visualIndex(c), i);
    // The form's width unless the title needs more: a title is never clipped.
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int needed =
        header->fontMetrics().horizontalAdvance(QString::fromUtf8(columns[i].title)) + 2 * margin;
    grid->setColumnWidth(c, std::max(columns[i].width, needed));
  }
}

}  // namespace

TWinOferta::TWinOferta(QWidget* parent) : QDialog(parent) {
  // Nothing of this window is needed before the user opens it.
  ui.Defer([this] { BuildForm(); });
}

void TWinOferta::setVisible(bool visible) {
  if (visible) ui.Build();
  QDialog::setVisible(visible);
}

void TWinOferta::BuildForm() {
  ui.form().setupUi(this);
  ui().PageControl1->setCurrentIndex(0);
  for (QTableView* grid : {ui().DBGrid1, ui().DBGrid2, ui().DBGrid3, ui().DBGrid4, ui().DBGrid5,
                           ui().DBGrid6, ui().DBGrid7}) {
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PaintRecordRows(grid);
  }
  ui().DBText2->installEventFilter(this);
  ui().DBText7->installEventFilter(this);
  platform::Connect(ui().BitBtn1, &QPushButton::clicked, this, &TWinOferta::BitBtn1Click);
  platform::Connect(ui().BitBtn2, &QPushButton::clicked, this, &TWinOferta::BitBtn2Click);
}

std::vector<TWinOferta::DevicePage> TWinOferta::DevicePages() const {
  if (!DM) return {};
  return {
      {ui().DBGrid1,
       &DM->QryKolektory,
       {{"Typ", "typ", 116},
        {"Model", "model", 197},
        {"k1 [W/m2*K]", "liniowyWskaznik", 71},
        {"k1 [W/m2*K2]", "kwadratowyWskaznik", 80},
        {"Spr. optyczna [%]", "sprawnoscOptyczna", 103},
        {"Nat. przepływu [l/h]", "jednNatezenie", 107},
        {"Spadek ciśnienia [mbar]", "jednSpadek", 123},
        {"Poj. absorbera [l]", "pojAbsorbera", 102},
        {"Pow. efektywna [m2]", "powEfektywna", 110},
        {"Cena", "cena", 79}}},
      {ui().DBGrid2,
       &DM->QryZasobniki,
       {{"Model", "model", 144},
        {"Rodzaj", "rodzaj", 120},
        {"Pojemność [l]", "pojemnoscZasobnika", 71},
        {"Straty ciś. wym. [mbar]", "stratyCisnienia", 119},
        {"Poj. wymiennika [l]", "pojWymienikaSolarnego", 96},
        {"Max. temp. wody [C]", "maxTempWody", 107},
        {"Max. ciśnienie [bar]", "maxCisnieniePracy", 98},
        {"Wysokość [mm]", "wysokoscZasobnika", 82},
        {"Średnica [mm]", "srednicaZasobnika", 81},
        {"Grubość izolacji [mm]", "gruboscIzolacji", 104},
        {"Cena", "cena", kDefaultWidth}}},
      {ui().DBGrid3,
       &DM->QrySterowniki,
       {{"Model", "oznaczenie", 214},
        {"Liczba zasobników", "liczbaZasobnikow", 112},
        {"CWC + CO", "zastosowanieCWCCO", 86},
        {"Program. próg temp.", "programProgTemp", 115},
        {"Ochrona przed przegrzaniem", "ochronaPrzedPrzegrzaniem", 147},
        {"Liczba czujników", "liczbaCzujnikowTemp", 98},
        {"Liczba obiegów", "liczbaObiegow", 89},
        {"Liczba wyjść", "liczbaWyjsc", 76},
        {"Czujnik temp.", "czujnikTemp", 73},
        {"Cena", "cena", 77}}},
      {ui().DBGrid4,
       &DM->QryPompy,
       {{"Model", "model", 203},
        {"Wysokość podnoszenia [m]", "maxWysokoscPodnoszenia", 145},
        {"Liczba zaworów odcinających", "liczbaZaworowOdc", 171},
        {"Ciśnienie reakcji [bar]", "cisnienieReakcjiZaworu", 112},
        {"Zakres regulacji [l/h]", "zakresRegulacji", 116},
        {"Cena", "cena", 78},
        {"Certyfikat", "certyfikat", 265}}},
      {ui().DBGrid5,
       &DM->QryNaczynia,
       {{"Model", "model", 335},
        {"Max. temp. pracy [C]", "dopTempPracy", 180},
        {"Max. ciśnienie pracy [bar]", "dopCisnPracy", 199},
        {"Ciśnienie wstępne [bar]", "cisnienieWstepne", 159},
        {"Cena", "cena", 111},
        {"Pojemność [l]", "pojemnosc", 106}}},
      {ui().DBGrid6,
       &DM->QryIzolacje,
       {{"Symbol", "symbol", 306},
        {"Materiał", "material", 331},
        {"Współ. przenikania ciepła [W/m*K]", "wspPrzenikaniaCiepla", 217},
        {"Max. temp. pracy [C]", "dopTempPracy", 238}}},
      {ui().DBGrid7,
       &DM->QryKonstrukcje,
       {{"Model", "model", 189},
        {"Liczba kolektorów", "liczba_kolektorow", 99},
        {"Typ kolektora", "typ_kolektora", 164},
        {"Nachylenie", "nachylenie", 89},
        {"Nośność [kN]", "nosnosc", 105},
        {"Montaż na ścianie ", "montaz", 134},
        {"Typ pokrycia dachu", "typ_pokrycia_dachu", 226},
        {"Cena", "cena", 82}}},
  };
}

void TWinOferta::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  platform::RunAtOpening(event, [this] { FormShow(); });
}

void TWinOferta::FormShow() {
  // A query that fails below must not leave the previous producer's data under this one's grids.
  for (QLabel* text : {ui().DBText1, ui().DBText2, ui().DBText3, ui().DBText4, ui().DBText5,
                       ui().DBText6, ui().DBText7})
    text->clear();
  if (!DM) return;
  for (const DevicePage& page : DevicePages()) {
    page.query->SetId(ProducerId);
    page.query->Open();
    BindGrid(page.grid, page.query, page.columns);
  }
  DM->QryInfoProducent.SetId(ProducerId);
  DM->QryInfoProducent.Open();
  const auto info = [](const char* field) {
    return DM->QryInfoProducent.rowCount() > 0
               ? DM->QryInfoProducent.FieldText(0, QString::fromUtf8(field))
               : QString();
  };
  ui().DBText1->setText(info("nazwaProducenta"));
  ui().DBText2->setText(info("stronaWWW"));
  ui().DBText3->setText(info("email"));
  ui().DBText4->setText(info("osobaKontaktowa"));
  ui().DBText5->setText(info("telStacjonarny"));
  ui().DBText6->setText(info("telKomorkowy"));
  ui().DBText7->setText(info("cennik"));
  ui().DBText2->setCursor(Qt::PointingHandCursor);
  ui().DBText7->setCursor(Qt::PointingHandCursor);
}

void TWinOferta::FormClose() {
  if (!DM) return;
  for (const DevicePage& page : DevicePages()) page.query->Close();
  DM->QryInfoProducent.Close();
}

void TWinOferta::done(int result) {
  platform::RunGuarded([this] { FormClose(); });
  QDialog::done(result);
}

std::vector<OfferSheet> TWinOferta::OfferSheets() const {
  std::vector<OfferSheet> sheets;
  for (const DevicePage& page : DevicePages()) {
    OfferSheet sheet;
    sheet.name = ui().PageControl1->tabText(ui().PageControl1->indexOf(page.grid->parentWidget()));
    sheet.font = page.grid->font();
    for (const Column& column : page.columns)
      sheet.columns.push_back({QString::fromUtf8(column.title), column.width});
    for (int r = 0; r < page.query->rowCount(); ++r) {
      QStringList texts;
      for (const Column& column : page.columns)
        texts << page.query->FieldText(r, QString::fromUtf8(column.field));
      sheet.rows.push_back(std::move(texts));
    }
    sheets.push_back(std::move(sheet));
  }
  return sheets;
}

void TWinOferta::BitBtn1Click() {
  platform::FileDialogOptions options;
  options.filter = QStringLiteral("Plik Excel (*.xlsx)|*.xlsx");
  const std::optional<QString> chosen = platform::SaveFileName(options);
  if (!chosen) return;
  const QString path = WithXlsxExtension(*chosen);
  try {
    WriteOfferWorkbook(path, OfferSheets());
  } catch (const ExportError&) {
    platform::MessageBox(QStringLiteral("Nie udało się stworzyc pliku Excela !!!"),
                         QStringLiteral("Uwaga"), platform::Icon::Stop);
    return;
  }
  platform::MessageBox(QStringLiteral("Dane zostały pomyślnie zapisane do pliku: ") + path,
                       QStringLiteral("Informacja"), platform::Icon::Information);
}

void TWinOferta::DBText2Click() {
  platform::ShellOpen(ui().DBText2->text());
}

void TWinOferta::DBText7Click() {
  platform::ShellOpen(ui().DBText7->text());
}

void TWinOferta::BitBtn2Click() {
  platform::ShellOpen(TForm1::ServerAddress() +
                      QStringLiteral("/on-line/oferta-producent/wybor.php"));
}

bool TWinOferta::eventFilter(QObject* watched, QEvent* event) {
  if (ui.Built() && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == ui().DBText2) platform::RunGuarded([this] { DBText2Click(); });
    if (watched == ui().DBText7) platform::RunGuarded([this] { DBText7Click(); });
  }
  return QDialog::eventFilter(watched, event);
}
