// The set download window against a loopback HTTP server standing in for the vendor's.
#include "online/pobierz_zestawy.h"

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "http_server.h"
#include "platform/scripted_dialogs.h"
#include "qt_app.h"
#include "temp_dir.h"

namespace {

QStringList Lines(const QListWidget* list) {
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

class SetDownloadTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    previous_ = std::filesystem::current_path();
    std::filesystem::create_directories(dir_.path() / "Zestawy");
    std::filesystem::current_path(dir_.path());
    qputenv("VINDARGAST_SERVER", server_.Address().toUtf8());
  }
  void TearDown() override {
    qunsetenv("VINDARGAST_SERVER");
    std::filesystem::current_path(previous_);
  }

  void ClickLine(int row) {
    QListWidget* list = window_.ui().ListaZestawow;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
  std::string SetFile(const std::string& name) const { return dir_.File("Zestawy/" + name); }

  TempDir dir_;
  TestHttpServer server_;
  platform::ScriptedDialogs dialogs_;
  TWinPobierzZestawy window_;

 private:
  std::filesystem::path previous_;
};

TEST_F(SetDownloadTest, ListsOnlyBareNamesAndDownloadsTheSetClicked) {
  const QByteArray list =
      "zestaw1.xml\r\nM\xc3\xb3j zestaw #1.xml\n../poza.xml\n.\n..\nZestawy/w.xml\n"
      "a\\b.xml\nsterujacy\x01.xml\n\n/etc/passwd\n";
  server_.Route("/Dane_Zestawy/lista_zestawow.txt", list);
  const QByteArray set = "<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?>\n<zestaw/>\n";
  server_.Route("/Dane_Zestawy/M%C3%B3j%20zestaw%20%231.xml", set);
  dir_.Write("Zestawy/Mój zestaw #1.xml", "stary zestaw");

  window_.show();
  EXPECT_FALSE(window_.ui().BitBtn2->isEnabled());
  window_.ui().BitBtn1->click();
  EXPECT_EQ(Lines(window_.ui().ListaZestawow),
            (QStringList{"zestaw1.xml", QString::fromUtf8("Mój zestaw #1.xml")}));
  EXPECT_TRUE(window_.ui().BitBtn2->isEnabled());
  // The list file is kept as the server sent it.
  EXPECT_EQ(QByteArray::fromStdString(ReadFileBytes(SetFile("lista_zestawow.txt"))), list);

  ClickLine(1);
  EXPECT_EQ(window_.SelectedSetName, "Mój zestaw #1.xml");
  dialogs_.ExpectBox("Informacja", "Zestaw został pobrany", platform::Icon::None);
  window_.ui().BitBtn2->click();
  // The set that was there is replaced byte for byte.
  EXPECT_EQ(QByteArray::fromStdString(ReadFileBytes(SetFile("Mój zestaw #1.xml"))), set);
  EXPECT_EQ(server_.RequestedPaths().back(), "/Dane_Zestawy/M%C3%B3j%20zestaw%20%231.xml");
  EXPECT_FALSE(std::filesystem::exists(dir_.path() / "poza.xml"));
}

TEST_F(SetDownloadTest, AnEmptyOrFailedListLeavesTheDownloadAsItWas) {
  server_.Route("/Dane_Zestawy/lista_zestawow.txt", "");
  window_.show();
  window_.ui().BitBtn1->click();
  EXPECT_EQ(window_.ui().ListaZestawow->count(), 0);
  EXPECT_FALSE(window_.ui().BitBtn2->isEnabled());

  server_.Route("/Dane_Zestawy/lista_zestawow.txt", "a.xml\nb.xml\n");
  window_.ui().BitBtn1->click();
  ASSERT_EQ(window_.ui().ListaZestawow->count(), 2);

  // A list cut off on the way: the list, the button and the local list file stay as they were.
  TestHttpServer::Response cut;
  cut.body = "c.xml\nd.xml\ne.xml\n";
  cut.delivery = TestHttpServer::Delivery::CutShort;
  server_.Route("/Dane_Zestawy/lista_zestawow.txt", cut);
  dialogs_.ExpectPlain("Nie udało się pobrać pliku lista_zestawow.txt: otrzymano 9 z 18 bajtów.");
  window_.ui().BitBtn1->click();
  EXPECT_EQ(Lines(window_.ui().ListaZestawow), (QStringList{"a.xml", "b.xml"}));
  EXPECT_TRUE(window_.ui().BitBtn2->isEnabled());
  EXPECT_EQ(ReadFileBytes(SetFile("lista_zestawow.txt")), "a.xml\nb.xml\n");
}

TEST_F(SetDownloadTest, TheSetClickedBeforeIsRememberedAcrossShowings) {
  server_.Route("/Dane_Zestawy/lista_zestawow.txt", "a.xml\nb.xml\n");
  server_.Route("/Dane_Zestawy/b.xml", "<zestaw/>");
  window_.show();
  window_.ui().BitBtn1->click();
  ClickLine(1);
  window_.ui().BitBtn3->click();  // "Zamknij"
  EXPECT_EQ(window_.ui().ListaZestawow->count(), 0);

  window_.show();
  EXPECT_FALSE(window_.ui().BitBtn2->isEnabled());
  window_.ui().BitBtn1->click();
  dialogs_.ExpectBox("Informacja", "Zestaw został pobrany", platform::Icon::None);
  window_.ui().BitBtn2->click();
  EXPECT_EQ(ReadFileBytes(SetFile("b.xml")), "<zestaw/>");
}

TEST_F(SetDownloadTest, AFailedSetDownloadChangesNothing) {
  server_.Route("/Dane_Zestawy/lista_zestawow.txt", "a.xml\nb.xml\n");
  TestHttpServer::Response cut;
  cut.body = "<zestaw>nowy</zestaw>";
  cut.delivery = TestHttpServer::Delivery::CutShort;
  server_.Route("/Dane_Zestawy/a.xml", cut);
  dir_.Write("Zestawy/a.xml", "stary zestaw");
  window_.show();
  window_.ui().BitBtn1->click();

  for (int row : {0, 1}) {  // cut off, then missing on the server
    ClickLine(row);
    dialogs_.ExpectBox("Informacja", "Nie udało się pobrać zestawu", platform::Icon::Warning);
    window_.ui().BitBtn2->click();
  }
  EXPECT_EQ(ReadFileBytes(SetFile("a.xml")), "stary zestaw");
  EXPECT_FALSE(std::filesystem::exists(SetFile("b.xml")));

  // A name that is no bare file name is never asked for, whatever put it there.
  window_.SelectedSetName = "../a.xml";
  dialogs_.ExpectBox("Informacja", "Nie udało się pobrać zestawu", platform::Icon::Warning);
  const size_t asked = server_.Requests().size();
  window_.ui().BitBtn2->click();
  EXPECT_EQ(server_.Requests().size(), asked);
}

}  // namespace
