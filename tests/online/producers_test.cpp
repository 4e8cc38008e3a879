// The producer list and the offer window against a real MariaDB server on 127.0.0.1, seeded with
// producers with and without an offer, Polish names and prices above a thousand.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QSqlRecord>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/message_box.h"
#include "producers_fixture.h"
#include "recording_dialogs.h"

namespace {

QStringList Column(const QAbstractItemModel* model, int column) {
  QStringList texts;
  for (int r = 0; r < model->rowCount(); ++r) texts << model->index(r, column).data().toString();
  return texts;
}

TEST_F(ProducersTest, ListsOnlyProducersWithAnOfferAndClosingDisconnects) {
  producers_->show();
  EXPECT_EQ(producers_->ui().DBGrid1->model()->rowCount(), 0);
  producers_->BitBtn1Click();
  const QAbstractItemModel* model = producers_->ui().DBGrid1->model();
  EXPECT_EQ(Column(model, 1),
            (QStringList{"Promienny Dom", QString::fromUtf8("Bursztynowe Słońce")}));
  EXPECT_TRUE(producers_->ui().DBGrid1->isColumnHidden(0));
  EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Producent");
  producers_->close();
  EXPECT_FALSE(dm_->Connected());
  EXPECT_FALSE(dm_->QryProducenci.Active());
  // Opened again, as the callers do.
  dm_->SetConnected(true);
  producers_->show();
  producers_->BitBtn1Click();
  EXPECT_EQ(producers_->ui().DBGrid1->model()->rowCount(), 2);
  producers_->close();
  EXPECT_FALSE(dm_->Connected());
}

TEST_F(ProducersTest, OfferShowsOnlyItsProducersRowsWithPriceFormat) {
  offer_->ProducerId = 1;
  offer_->show();
  const QAbstractItemModel* collectors = offer_->ui().DBGrid1->model();
  ASSERT_EQ(collectors->rowCount(), 3);
  const QSqlRecord fields = dm_->QryKolektory.record();
  const int model = fields.indexOf("model"), price = fields.indexOf("cena"),
            k2 = fields.indexOf("kwadratowyWskaznik"), eta = fields.indexOf("sprawnoscOptyczna");
  EXPECT_EQ(Column(collectors, model),
            (QStringList{"PD-230 Selekt", "PD-250", QString::fromUtf8("PD-300 Łuk")}));
  EXPECT_EQ(Column(collectors, price),
            (QStringList{QString::fromUtf8("1 890.00 zł"), QString::fromUtf8("12 345.68 zł"),
                         QString::fromUtf8("999.50 zł")}));
  EXPECT_EQ(Column(collectors, k2), (QStringList{"0.015", "0.013", "0.020"}));
  EXPECT_EQ(Column(collectors, eta), (QStringList{"79.6", "80.3", "78.0"}));
  EXPECT_EQ(collectors->headerData(k2, Qt::Horizontal).toString(), "k1 [W/m2*K2]");
  // Striped rows: record 1 grey, record 2 white.
  EXPECT_EQ(collectors->index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
            QColor(240, 240, 240));
  EXPECT_EQ(collectors->index(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
            QColor(Qt::white));
  // A kind the producer has none of stays empty; the structures are found by id_producent.
  EXPECT_EQ(offer_->ui().DBGrid2->model()->rowCount(), 0);
  EXPECT_EQ(offer_->ui().DBGrid7->model()->rowCount(), 1);
  EXPECT_EQ(offer_->ui().DBText1->text(), "Promienny Dom");
  EXPECT_EQ(offer_->ui().DBText4->text(), QString::fromUtf8("Jan Żółtek"));
  offer_->close();
  EXPECT_FALSE(dm_->QryKolektory.Active());
  EXPECT_TRUE(dm_->Connected());

  offer_->ProducerId = 2;
  offer_->show();
  EXPECT_EQ(offer_->ui().DBGrid1->model()->rowCount(), 1);
  EXPECT_EQ(offer_->ui().DBGrid2->model()->rowCount(), 1);
  EXPECT_EQ(offer_->ui().DBGrid7->model()->rowCount(), 0);
  offer_->close();
}

// Every device grid shows the grid's columns in order with their titles and widths, only its
// producer's records, and its prices (every grid but the insulation grid's) as "#,##0.00 zł".
TEST_F(ProducersTest, EveryGridShowsItsColumnsAndOnlyItsProducersRecordsAndPrices) {
  const struct {
    int producer;
    std::array<int, 7> records;
    std::array<const char*, 7> firstPrice;  // nullptr: no record or no price column
  } cases[] = {
      {1,
       {3, 0, 1, 1, 1, 1, 1},
       {"1 890.00 zł", nullptr, "1 250.50 zł", "2 300.00 zł", "1 010.00 zł", nullptr,
        "1 150.00 zł"}},
      {2,
       {1, 1, 0, 1, 0, 0, 0},
       {"3 400.00 zł", "4 100.00 zł", nullptr, "980.00 zł", nullptr, nullptr, nullptr}},
  };
  QTableView* const grids[] = {offer_->ui().DBGrid1, offer_->ui().DBGrid2, offer_->ui().DBGrid3,
                               offer_->ui().DBGrid4, offer_->ui().DBGrid5, offer_->ui().DBGrid6,
                               offer_->ui().DBGrid7};
  for (const auto& c : cases) {
    offer_->ProducerId = c.producer;
    offer_->show();
    for (int g = 0; g < 7; ++g) {
      const GridWant& want = kOfferGrids[g];
      SCOPED_TRACE(std::string("producer ") + std::to_string(c.producer) + ", " + want.page);
      EXPECT_EQ(offer_->ui().PageControl1->tabText(g).toStdString(), want.page);
      const QAbstractItemModel* model = grids[g]->model();
      const QHeaderView* header = grids[g]->horizontalHeader();
      std::vector<std::pair<std::string, int>> shown;
      int price = -1;
      for (int v = 0; v < header->count(); ++v) {
        const int logical = header->logicalIndex(v);
        if (grids[g]->isColumnHidden(logical)) continue;
        const QString title = model->headerData(logical, Qt::Horizontal).toString();
        if (title == "Cena") price = logical;
        shown.emplace_back(title.toStdString(), grids[g]->columnWidth(logical));
        // The whole title shows: a column is widened past the form's width where it needs to be.
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        EXPECT_GE(grids[g]->columnWidth(logical),
                  header->fontMetrics().horizontalAdvance(title) + 2 * margin)
            << title.toStdString();
      }
      ASSERT_EQ(shown.size(), want.columns.size());
      for (size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].first, want.columns[i].first);
        EXPECT_GE(shown[i].second, want.columns[i].second) << shown[i].first;
      }
      ASSERT_EQ(model->rowCount(), c.records[g]);
      EXPECT_EQ(price < 0, g == 5) << "only the insulation grid has no price column";
      if (c.firstPrice[g]) {
        EXPECT_EQ(model->index(0, price).data().toString(), QString::fromUtf8(c.firstPrice[g]));
      }
    }
    offer_->close();
  }
}

// A closed connection shows the driver's error in the application's box; the window stays usable.
TEST_F(ProducersTest, AFailedQueryIsReportedAndTheWindowStaysUsable) {
  dm_->SetConnected(false);
  RecordingDialogs recorded;
  producers_->show();
  producers_->ui().BitBtn1->click();
  EXPECT_EQ(recorded.boxes.size(), 1u);
  EXPECT_FALSE(dm_->QryProducenci.Active());
  producers_->close();
}

void ExpectDatabaseErrorBox(const RecordingDialogs& recorded, size_t count, const char* when) {
  ASSERT_EQ(recorded.boxes.size(), count) << when;
  const platform::BoxRequest& box = recorded.boxes.back();
  EXPECT_EQ(box.title, platform::kApplicationTitle) << when;
  EXPECT_EQ(box.icon, platform::Icon::Stop) << when;
  EXPECT_FALSE(box.text.trimmed().isEmpty()) << when;
}

// The server goes away in the middle of a session: stopped (the connection is closed under the
// program) or frozen (nothing answers any more; without the read timeout the query would wait for
// ever). Each query that meets it ends in the application's error box, the windows stay open and
// usable, and closing the list still disconnects; connecting again then fails for the caller's
// message.
TEST_F(ProducersTest, AServerLostInTheMiddleOfASessionIsReportedAndTheWindowsStayUsable) {
  for (const bool frozen : {true, false}) {
    SCOPED_TRACE(frozen ? "server frozen" : "server stopped");
    // As the callers do before they show the list.
    dm_->SetConnected(true);
    producers_->show();
    producers_->ui().BitBtn1->click();
    ASSERT_EQ(producers_->ui().DBGrid1->model()->rowCount(), 2);

    offer_->ProducerId = 2;
    offer_->show();
    ASSERT_EQ(offer_->ui().DBText1->text(), QString::fromUtf8("Bursztynowe Słońce"));
    offer_->close();

    RecordingDialogs recorded;
    if (frozen) {
      server_.Pause();
    } else {
      server_.Stop();
    }
    producers_->ui().BitBtn1->click();
    ExpectDatabaseErrorBox(recorded, 1, "loading the list");
    EXPECT_FALSE(dm_->QryProducenci.Active());
    EXPECT_TRUE(producers_->isVisible());
    EXPECT_TRUE(producers_->ui().BitBtn1->isEnabled());

    offer_->ProducerId = 1;
    offer_->show();
    ExpectDatabaseErrorBox(recorded, 2, "showing an offer");
    EXPECT_TRUE(offer_->isVisible());
    // Nothing of the offer shown before stands under this producer's page.
    EXPECT_EQ(offer_->ui().DBText1->text(), "");
    EXPECT_EQ(offer_->ui().DBGrid1->model()->rowCount(), 0);
    offer_->close();
    EXPECT_FALSE(offer_->isVisible());

    producers_->close();
    EXPECT_FALSE(producers_->isVisible());
    EXPECT_FALSE(dm_->Connected());
    EXPECT_EQ(recorded.boxes.size(), 2u);
    if (frozen) {
      server_.Resume();
    } else {
      EXPECT_THROW(dm_->SetConnected(true), DatabaseError);
    }
  }
}

// A double click where there is no record (the list not loaded yet, or no producer with an
// offer) opens nothing and shows no box; on a producer it shows that producer's offer.
TEST_F(ProducersTest, DoubleClickOpensTheOfferOnlyOnAProducer) {
  RecordingDialogs recorded;
  producers_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(producers_.get()));
  QWidget* viewport = producers_->ui().DBGrid1->viewport();
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(20, 10));
  producers_->DBGrid1DblClick();
  EXPECT_FALSE(offer_->isVisible());

  QSqlQuery none(dm_->ADOConnection1);
  ASSERT_TRUE(none.exec("UPDATE producenci SET oferta='0'"));
  producers_->ui().BitBtn1->click();
  ASSERT_EQ(producers_->ui().DBGrid1->model()->rowCount(), 0);
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, QPoint(20, 10));
  producers_->DBGrid1DblClick();
  EXPECT_FALSE(offer_->isVisible());
  EXPECT_TRUE(recorded.boxes.empty());

  ASSERT_TRUE(none.exec("UPDATE producenci SET oferta='1' WHERE idProducent<>3"));
  producers_->ui().BitBtn1->click();
  ASSERT_EQ(producers_->ui().DBGrid1->model()->rowCount(), 2);
  const QRect second =
      producers_->ui().DBGrid1->visualRect(producers_->ui().DBGrid1->model()->index(1, 1));
  QString shown;
  QTimer::singleShot(0, offer_.get(), [&] {
    shown = offer_->ui().DBText1->text();
    offer_->close();
  });
  QTest::mouseClick(viewport, Qt::LeftButton, {}, second.center());
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, second.center());
  EXPECT_EQ(offer_->ProducerId, 2);
  EXPECT_EQ(shown, QString::fromUtf8("Bursztynowe Słońce"));
  EXPECT_TRUE(recorded.boxes.empty());
  producers_->close();
}

// Records 1, 3, 5 light grey and 2, 4, 6 white; the selected record green with white text, in
// the producer list and in the device grids alike.
TEST_F(ProducersTest, RowsAreStripedAndTheSelectedRecordIsGreen) {
  offer_->ProducerId = 1;
  offer_->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(offer_.get()));
  producers_->show();
  producers_->BitBtn1Click();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(producers_.get()));
  struct Case {
    const char* name;
    QTableView* grid;
    int column;  // a wide column whose texts leave its right end free
  } cases[] = {
      {"producer list", producers_->ui().DBGrid1, 1},
      {"collectors", offer_->ui().DBGrid1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QAbstractItemModel* model = c.grid->model();
    const int rows = model->rowCount();
    ASSERT_GE(rows, 2);
    c.grid->selectRow(1);
    const QImage image = c.grid->viewport()->grab().toImage();
    for (int row = 0; row < rows; ++row) {
      const QRect cell = c.grid->visualRect(model->index(row, c.column)).intersected(image.rect());
      const QColor background = image.pixelColor(cell.right() - 3, cell.center().y());
      const QColor want = row == 1       ? QColor(0, 128, 0)
                          : row % 2 == 0 ? QColor(240, 240, 240)
                                         : QColor(Qt::white);
      EXPECT_EQ(background.name().toStdString(), want.name().toStdString()) << "record " << row + 1;
      if (row == 1) {
        int white = 0;
        for (int x = cell.left(); x < cell.right(); ++x)
          for (int y = cell.top(); y < cell.bottom(); ++y)
            if (image.pixelColor(x, y).lightness() > 200) ++white;
        EXPECT_GT(white, 0) << "the selected record's text is not white";
      }
    }
  }
  offer_->close();
  producers_->close();
}

}  // namespace
