#include "main/vindargast.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <exception>
#include <string>

#include "engine/vindargast2.h"
#include "main/gridcell.h"
#include "main/pictures.h"
#include "platform/ahead.h"
#include "platform/cellgrid_qt.h"
#include "platform/guard.h"
#include "platform/message_box.h"
#include "platform/version.h"
#include "project/project_commands.h"

const QStringList MonthNames = {
    QStringLiteral("Styczeń"),     QStringLiteral("Luty"),     QStringLiteral("Marzec"),
    QStringLiteral("Kwiecień"),    QStringLiteral("Maj"),      QStringLiteral("Czerwiec"),
    QStringLiteral("Lipiec"),      QStringLiteral("Sierpień"), QStringLiteral("Wrzesień"),
    QStringLiteral("Październik"), QStringLiteral("Listopad"), QStringLiteral("Grudzień")};

CurrencyFormat DotFormatSettings;

namespace {

QString FileNameOnly(const char* path) {
  return QFileInfo(QString::fromUtf8(path)).fileName();
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  ui().setupUi(this);
  RegisterWindowPictures();
  ui().Image2->setPixmap(QPixmap(QStringLiteral(":/images/basen.png")));
  const int widths[3] = {500, 300, 200};
  for (int i = 0; i < 3; ++i) {
    statusPanels_[i] = new QLabel(ui().StatusBar1);
    statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    statusPanels_[i]->setFixedWidth(widths[i]);
    ui().StatusBar1->addWidget(statusPanels_[i]);
  }
  platform::Connect(ui().Koniec1, &QAction::triggered, this, &TForm1::Koniec1Click);
  // Before FormCreate, so that the texts it puts into the edits reach Engine as typed ones do.
  ConnectInputs();
  platform::Connect(ui().Otowrz, &QAction::triggered, this, &TForm1::OtowrzClick);
  platform::Connect(ui().Zapisz1, &QAction::triggered, this, &TForm1::Zapisz1Click);
  platform::Connect(ui().Zapiszustawieniajakodomylne1, &QAction::triggered, this,
                    &TForm1::Zapiszustawieniajakodomylne1Click);
  platform::Connect(ui().Przywrustawianiadomylne1, &QAction::triggered, this,
                    &TForm1::Przywrustawianiadomylne1Click);
  ConnectCommands();
  // The column counts of the eleven tables are fixed by CCatalogues; the column-name lists start
  // empty. An error that ends the creation early ends the start as a missing catalogue does.
  if (!platform::RunGuarded([this] { FormCreate(); })) startFailed_ = true;
}

TForm1::~TForm1() = default;

void TForm1::SetStatusText(int panel, const QString& text) {
  statusPanels_.at(panel)->setText(text);
}

QString TForm1::StatusText(int panel) const {
  return statusPanels_.at(panel)->text();
}

void TForm1::FormCreate() {
  const platform::ProgramVersion& version = platform::Version();
  Engine.VersionMajor = version.Major;
  Engine.VersionMinor = version.Minor;
  setWindowTitle(QStringLiteral("Vindargast ") + Text(std::to_string(version.Major)) + "." +
                 Text(std::to_string(version.Minor)));

  // A program update leaves the replaced executable behind; nothing is reported either way.
  QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/Vindargast_old.dat"));

  // The catalogues' prices are in złoty whatever the machine's language: the system's currency
  // format counts only when its currency is the złoty, else the Polish one is used (an English
  // system would show "$", the C locale no symbol and "," between thousands).
  const QLocale system = QLocale::system();
  const QLocale money = system.currencySymbol(QLocale::CurrencyIsoCode) == QLatin1String("PLN")
                            ? system
                            : QLocale(QLocale::Polish, QLocale::Poland);
  DotFormatSettings.symbol = money.currencySymbol().toStdString();
  DotFormatSettings.thousandsSeparator = money.groupSeparator().toStdString();
  DotFormatSettings.positiveFormat = 2;  // symbol, blank, amount

  Engine.Izolacja = 1;
  Engine.Cyrkulacja = 0;
  Engine.ProjectLoaded = 0;
  Engine.Przeslona = 0;
  Engine.Basen = 0;
  Engine.SetPriceMode = 0;
  Engine.FittingsComputed = 0;
  Engine.CostsLoaded = 0;
  ui().ELiczbaKolektorow->setText(Text(std::to_string(Engine.LiczbaKolektorow)));
  Engine.OutdoorInsulationThickness = 32;
  Engine.IndoorInsulationThickness = 32;
  Engine.CataloguesChanged = 0;

  // A picture that cannot be loaded ends the start like a missing catalogue; the remaining steps
  // still run so that every missing file is reported at once.
  const QPixmap scheme = platform::PicturesAhead::Take(QString::fromUtf8(kStartPicture));
  if (!scheme.isNull()) {
    ui().ObrazekTlo->setPixmap(scheme);
  } else {
    platform::MessageBox(QStringLiteral("Z powodu braku pliku ") + FileNameOnly(kStartPicture) +
                             QStringLiteral(" aplikacja nie może zostać uruchomiona"),
                         QStringLiteral("Błąd"), platform::Icon::Stop);
    startFailed_ = true;
  }
  ui().Image2->hide();

  ui().ComboPoraRoku->setCurrentIndex(1);
  ui().ComboWspKrotnosci->setCurrentIndex(2);
  ui().ComboSrednicaPrzewodu->setCurrentIndex(2);

  SetStatusText(0, QStringLiteral("Gotowy"));
  SetStatusText(1, QStringLiteral("Vindargast 2.0"));

  SetUpMonthlyTable();

  ui().basenOD->setCurrentIndex(1);
  Engine.BasenOd = 5;
  ui().basenDO->setCurrentIndex(3);
  Engine.BasenDo = 7;

  ShowDesignDefaults();
  LoadCatalogues();
  ComputeDeviceCount();
}

void TForm1::SetUpMonthlyTable() {
  QTableWidget* table = ui().TabelaKolektorow;
  table->setRowHeight(0, 40);
  const int widths[4] = {55, 60, 60, 65};
  for (int col = 0; col < 4; ++col) table->setColumnWidth(col, widths[col]);
  const QString headings[4] = {QStringLiteral("Miesiąc"), QStringLiteral("Średnia sprawność [%]"),
                               QStringLiteral("Energia na CWU [kWh]"),
                               QStringLiteral("% pokrycia solarnego CWU")};
  for (int col = 0; col < 4; ++col) platform::SetCell(table, col, 0, headings[col]);
  for (int month = 0; month < 12; ++month)
    platform::SetCell(table, 0, month + 1, MonthNames[month]);
  // Headings word-wrapped on white, months centred, odd rows cream and even rows white, whatever
  // the colours of the desktop.
  PaintCells(
      table, [](int, int row) { return row % 2 == 1 ? kCream : QColor(Qt::white); }, 1);
}

void TForm1::ShowDesignDefaults() {
  struct Bound {
    QLineEdit* edit;
    float value;
  };
  const Bound edits[] = {
      {ui().ETempZimnaWoda, Engine.TemperaturaWodySieci},
      {ui().ETempCWU, Engine.TemperaturaCieplejWody},
      {ui().EDCWU, Engine.DCWU},
      {ui().ETempZasobnika, Engine.TemperaturaWodyWZasobniku},
      {ui().EBeta, Engine.KatBeta},
      {ui().EGamma, Engine.KatGamma},
      {ui().EHStatyczna, Engine.WysokoscStatyczna},
      {ui().EDlugoscPrzewZew, Engine.DlugoscPrzewodowNaZewnatrz},
      {ui().EDlugoscPrzewWew, Engine.DlugoscPrzewodowWewnatrz},
      {ui().ETempOtoczZasobnika, Engine.TemperaturaOtoczeniaZasobnika},
      {ui().Edit7, Engine.TemperaturaZasilania},
      {ui().Edit8, Engine.TemperaturaPowrotu},
      {ui().BasenDlugosc, Engine.BasenDlugosc},
      {ui().BasenSzerokosc, Engine.BasenSzerokosc},
      {ui().BasenGlebokosc, Engine.BasenGlebokosc},
      {ui().PowDomu, Engine.PowierzchniaBudynku},
      {ui().EnergiaDom, Engine.ZapotrzebowanieEnergi},
  };
  for (const Bound& bound : edits) bound.edit->setText(Text(ShortestText(bound.value)));
  ui().ELiczbaOsob->setText(Text(std::to_string(Engine.LiczbaOsob)));
}

void TForm1::LoadCatalogues() {
  for (const CCatalogues::Entry& entry : CCatalogues::Files) {
    const QString name = FileNameOnly(entry.fileName);
    if (!QFileInfo::exists(QString::fromUtf8(entry.fileName))) {
      platform::MessageBox(QStringLiteral("Z powodu braku pliku ") + name +
                               QStringLiteral(" aplikacje nie może zostać uruchomiona"),
                           QStringLiteral("Błąd"), platform::Icon::Stop);
      startFailed_ = true;
      continue;
    }
    // A file that exists but cannot be used ends the start as a missing one does: no window may
    // take rows from a table that was never loaded.
    try {
      CCatalogueTable& table = this->*entry.table;
      // One reading of the file gives the table and the column names.
      LoadCatalogueTable(XMLDocument1, table, entry.fileName,
                         entry.columnNames ? &(this->*entry.columnNames) : nullptr);
      if (table.RowCount < 1) throw CatalogueError("katalog nie zawiera żadnego rekordu");
      if (entry.table == &CCatalogues::CollectorCatalogue) {
        Engine.CollectorUnitFlow = ReadFloat(table.Rows[0][7]);
        Engine.CollectorUnitPressureDrop = ReadFloat(table.Rows[0][8]);
      }
      if (entry.table == &CCatalogues::ProducerCatalogue) BuildProducerLists();
    } catch (const std::exception& error) {
      platform::MessageBox(QStringLiteral("Z powodu błędu w pliku ") + name +
                               QStringLiteral(" aplikacja nie może zostać uruchomiona:\n") +
                               QString::fromUtf8(error.what()),
                           QStringLiteral("Błąd"), platform::Icon::Stop);
      startFailed_ = true;
    }
  }
}

void TForm1::FormShow() {
  project::ReadDefaultSettings(*this);
}

void TForm1::Koniec1Click() {
  if (platform::MessageBox(QStringLiteral("Czy na pewno chcesz zakończyć pracę programu ?"),
                           QStringLiteral("Pytanie"), platform::Icon::Question,
                           platform::Buttons::YesNo) == platform::Answer::Yes)
    close();
}

void TForm1::OtowrzClick() {
  project::OpenProject(*this);
}

void TForm1::Zapisz1Click() {
  project::SaveProject(*this);
}

void TForm1::Zapiszustawieniajakodomylne1Click() {
  project::SaveDefaultSettings();
}

void TForm1::Przywrustawianiadomylne1Click() {
  project::RestoreFactorySettings(*this);
}

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Once the window is on the screen, so that the messages of the first showing stand over it.
  if (!event->spontaneous())
    QTimer::singleShot(0, this, platform::Guarded(this, &TForm1::FormShow));
}

void TForm1::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  // The program ends with its main window, even while modeless windows are open.
  if (event->isAccepted()) QCoreApplication::exit(0);
}
