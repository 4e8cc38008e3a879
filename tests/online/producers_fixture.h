// A real MariaDB server on 127.0.0.1 seeded with producers with and without an offer, Polish
// names and prices above a thousand, and the data module, producer list and offer window over it
// as start-up creates them.
#pragma once

#include <gtest/gtest.h>

#include <QSqlError>
#include <QSqlQuery>
#include <memory>
#include <utility>
#include <vector>

#include "app/windows.h"
#include "mariadb_server.h"
#include "online/DMVindargast.h"
#include "online/oferta.h"
#include "online/producent.h"
#include "qt_app.h"

inline const char* const kSchema[] = {
    "CREATE TABLE producenci (idProducent INT PRIMARY KEY, nazwaProducenta VARCHAR(255), "
    "oferta CHAR(1), telKomorkowy VARCHAR(64), telStacjonarny VARCHAR(64), "
    "osobaKontaktowa VARCHAR(255), email VARCHAR(255), stronaWWW VARCHAR(255), "
    "cennik VARCHAR(255)) CHARACTER SET utf8mb4",
    "CREATE TABLE kolektor (idKolektor INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, "
    "typ VARCHAR(64), model VARCHAR(255), liniowyWskaznik DOUBLE, kwadratowyWskaznik DOUBLE, "
    "sprawnoscOptyczna DOUBLE, jednNatezenie DOUBLE, jednSpadek DOUBLE, pojAbsorbera DOUBLE, "
    "powEfektywna DOUBLE, cena DOUBLE) CHARACTER SET utf8mb4",
    "CREATE TABLE zasobnik (idZasobnik INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, "
    "model VARCHAR(255), rodzaj VARCHAR(64), pojemnoscZasobnika DOUBLE, stratyCisnienia DOUBLE, "
    "pojWymienikaSolarnego DOUBLE, maxTempWody INT, maxCisnieniePracy DOUBLE, "
    "wysokoscZasobnika INT, srednicaZasobnika INT, gruboscIzolacji INT, cena DOUBLE) "
    "CHARACTER SET utf8mb4",
    "CREATE TABLE sterownikisolarne (idSterownik INT AUTO_INCREMENT PRIMARY KEY, "
    "idProducent INT, oznaczenie VARCHAR(255), liczbaZasobnikow INT, "
    "zastosowanieCWCCO VARCHAR(8), programProgTemp VARCHAR(8), "
    "ochronaPrzedPrzegrzaniem VARCHAR(8), liczbaCzujnikowTemp INT, liczbaObiegow INT, "
    "liczbaWyjsc INT, czujnikTemp VARCHAR(64), cena DOUBLE) CHARACTER SET utf8mb4",
    "CREATE TABLE pompy (idPompa INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, "
    "model VARCHAR(255), maxWysokoscPodnoszenia DOUBLE, liczbaZaworowOdc INT, "
    "cisnienieReakcjiZaworu DOUBLE, zakresRegulacji VARCHAR(64), cena DOUBLE, "
    "certyfikat VARCHAR(255)) CHARACTER SET utf8mb4",
    "CREATE TABLE naczynie (idNaczynie INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, "
    "model VARCHAR(255), dopTempPracy INT, dopCisnPracy DOUBLE, cisnienieWstepne DOUBLE, "
    "pojemnosc INT, cena DOUBLE) CHARACTER SET utf8mb4",
    "CREATE TABLE izolacja (idIzolacja INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, "
    "symbol VARCHAR(255), material VARCHAR(255), wspPrzenikaniaCiepla DOUBLE, "
    "dopTempPracy INT, strona_www VARCHAR(255), opis TEXT) CHARACTER SET utf8mb4",
    "CREATE TABLE konstrukcje_wsporcze (id_konstrukcja INT AUTO_INCREMENT PRIMARY KEY, "
    "id_producent INT, model VARCHAR(255), liczba_kolektorow INT, typ_kolektora VARCHAR(64), "
    "nachylenie VARCHAR(64), nosnosc DOUBLE, montaz VARCHAR(8), typ_pokrycia_dachu VARCHAR(255), "
    "cena DOUBLE) CHARACTER SET utf8mb4",
    "INSERT INTO producenci VALUES "
    "(1, 'Promienny Dom', '1', '600 100 200', '22 100 20 30', 'Jan Żółtek', "
    "'biuro@promienny-dom.example', 'https://www.promienny-dom.example', "
    "'https://www.promienny-dom.example/cennik.pdf'), "
    "(2, 'Bursztynowe Słońce', '1', '', '', '', '', '', ''), "
    "(3, 'Ukryty Producent', '0', '', '', '', '', '', '')",
    "INSERT INTO kolektor (idProducent, typ, model, liniowyWskaznik, kwadratowyWskaznik, "
    "sprawnoscOptyczna, jednNatezenie, jednSpadek, pojAbsorbera, powEfektywna, cena) VALUES "
    "(1, 'płaski', 'PD-230 Selekt', 3.78, 0.015, 79.6, 80, 18, 1.45, 2.12, 1890), "
    "(1, 'płaski', 'PD-250', 3.5, 0.0126, 80.26, 80, 20, 1.6, 2.3, 12345.678), "
    "(1, 'płaski', 'PD-300 Łuk', 3.9, 0.02, 78, 90, 22, 1.9, 2.6, 999.5), "
    "(2, 'próżniowy', 'BS-20', 1.2, 0.006, 72, 60, 12, 1.8, 2, 3400)",
    "INSERT INTO zasobnik (idProducent, model, rodzaj, pojemnoscZasobnika, stratyCisnienia, "
    "pojWymienikaSolarnego, maxTempWody, maxCisnieniePracy, wysokoscZasobnika, "
    "srednicaZasobnika, gruboscIzolacji, cena) VALUES "
    "(2, 'BS-Z 300', 'dwuwężownicowy', 300, 28, 8.5, 95, 10, 1600, 650, 50, 4100)",
    "INSERT INTO konstrukcje_wsporcze (id_producent, model, liczba_kolektorow, typ_kolektora, "
    "nachylenie, nosnosc, montaz, typ_pokrycia_dachu, cena) VALUES "
    "(1, 'PD-Stelaż 3', 3, 'płaski', '20-60', 4, 'Nie', 'dachówka', 1150)",
    "INSERT INTO sterownikisolarne (idProducent, oznaczenie, liczbaZasobnikow, "
    "zastosowanieCWCCO, programProgTemp, ochronaPrzedPrzegrzaniem, liczbaCzujnikowTemp, "
    "liczbaObiegow, liczbaWyjsc, czujnikTemp, cena) VALUES "
    "(1, 'PD-Sterownik Żar 2', 2, 'Tak', 'Tak', 'Tak', 4, 2, 3, 'PT1000', 1250.5)",
    "INSERT INTO pompy (idProducent, model, maxWysokoscPodnoszenia, liczbaZaworowOdc, "
    "cisnienieReakcjiZaworu, zakresRegulacji, cena, certyfikat) VALUES "
    "(1, 'PD-Pompa 25/6', 6, 2, 6, 'od 120 do 900', 2300, 'znak CE'), "
    "(2, 'BS-Pompa 15', 4, 1, 6, 'od 60 do 500', 980, '')",
    "INSERT INTO naczynie (idProducent, model, dopTempPracy, dopCisnPracy, cisnienieWstepne, "
    "pojemnosc, cena) VALUES (1, 'PD-Naczynie 18', 120, 10, 2.5, 18, 1010)",
    "INSERT INTO izolacja (idProducent, symbol, material, wspPrzenikaniaCiepla, dopTempPracy, "
    "strona_www, opis) VALUES (1, 'PD-Otulina 22/13', 'kauczuk syntetyczny', 0.036, 150, "
    "'https://www.promienny-dom.example/otuliny', 'otulina na rury miedziane')",
};

struct GridWant {
  const char* page;
  std::vector<std::pair<const char*, int>> columns;  // title, width in pixels
};

// The offer window's device grids as the user sees them, in page order: page captions, column
// titles and widths.
inline const GridWant kOfferGrids[] = {
    {"Kolektory słoneczne",
     {{"Typ", 116},
      {"Model", 197},
      {"k1 [W/m2*K]", 71},
      {"k1 [W/m2*K2]", 80},
      {"Spr. optyczna [%]", 103},
      {"Nat. przepływu [l/h]", 107},
      {"Spadek ciśnienia [mbar]", 123},
      {"Poj. absorbera [l]", 102},
      {"Pow. efektywna [m2]", 110},
      {"Cena", 79}}},
    {"Zasobniki solarne",
     {{"Model", 144},
      {"Rodzaj", 120},
      {"Pojemność [l]", 71},
      {"Straty ciś. wym. [mbar]", 119},
      {"Poj. wymiennika [l]", 96},
      {"Max. temp. wody [C]", 107},
      {"Max. ciśnienie [bar]", 98},
      {"Wysokość [mm]", 82},
      {"Średnica [mm]", 81},
      {"Grubość izolacji [mm]", 104},
      {"Cena", 64}}},
    {"Sterowniki",
     {{"Model", 214},
      {"Liczba zasobników", 112},
      {"CWC + CO", 86},
      {"Program. próg temp.", 115},
      {"Ochrona przed przegrzaniem", 147},
      {"Liczba czujników", 98},
      {"Liczba obiegów", 89},
      {"Liczba wyjść", 76},
      {"Czujnik temp.", 73},
      {"Cena", 77}}},
    {"Pompy obiegowe",
     {{"Model", 203},
      {"Wysokość podnoszenia [m]", 145},
      {"Liczba zaworów odcinających", 171},
      {"Ciśnienie reakcji [bar]", 112},
      {"Zakres regulacji [l/h]", 116},
      {"Cena", 78},
      {"Certyfikat", 265}}},
    {"Naczynia wzbiorcze",
     {{"Model", 335},
      {"Max. temp. pracy [C]", 180},
      {"Max. ciśnienie pracy [bar]", 199},
      {"Ciśnienie wstępne [bar]", 159},
      {"Cena", 111},
      {"Pojemność [l]", 106}}},
    {"Izolacje",
     {{"Symbol", 306},
      {"Materiał", 331},
      {"Współ. przenikania ciepła [W/m*K]", 217},
      {"Max. temp. pracy [C]", 238}}},
    {"Konstrukcje wsporcze",
     {{"Model", 189},
      {"Liczba kolektorów", 99},
      {"Typ kolektora", 164},
      {"Nachylenie", 89},
      {"Nośność [kN]", 105},
      {"Montaż na ścianie ", 134},
      {"Typ pokrycia dachu", 226},
      {"Cena", 82}}},
};

class ProducersTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    ASSERT_TRUE(server_.Ready());
    qputenv("VINDARGAST_DB", server_.ConnectionString().toUtf8());
    dm_ = std::make_unique<TDM>();
    ASSERT_TRUE(dm_->Connected());
    QSqlQuery seed(dm_->ADOConnection1);
    for (const char* statement : kSchema)
      ASSERT_TRUE(seed.exec(QString::fromUtf8(statement))) << seed.lastError().text().toStdString();
    DM = dm_.get();
    producers_ = std::make_unique<TWinProducenci>();
    offer_ = std::make_unique<TWinOferta>();
    WinProducenci = producers_.get();
    WinOferta = offer_.get();
  }
  void TearDown() override {
    WinOferta = nullptr;
    WinProducenci = nullptr;
    DM = nullptr;
    offer_.reset();
    producers_.reset();
    dm_.reset();
    qunsetenv("VINDARGAST_DB");
  }

  MariaDbServer server_;
  std::unique_ptr<TDM> dm_;
  std::unique_ptr<TWinProducenci> producers_;
  std::unique_ptr<TWinOferta> offer_;
};
