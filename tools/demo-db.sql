-- The demo producers' database that tools/run starts: the invented producers of
-- data/Dane/producenci.xml and offers of their devices from the catalogues beside it.
SET NAMES utf8mb4;
CREATE DATABASE IF NOT EXISTS vindargast CHARACTER SET utf8mb4;
USE vindargast;
CREATE TABLE producenci (idProducent INT PRIMARY KEY, nazwaProducenta VARCHAR(255), oferta CHAR(1), telKomorkowy VARCHAR(64), telStacjonarny VARCHAR(64), osobaKontaktowa VARCHAR(255), email VARCHAR(255), stronaWWW VARCHAR(255), cennik VARCHAR(255)) CHARACTER SET utf8mb4;
CREATE TABLE kolektor (idKolektor INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, typ VARCHAR(64), model VARCHAR(255), liniowyWskaznik DOUBLE, kwadratowyWskaznik DOUBLE, sprawnoscOptyczna DOUBLE, jednNatezenie DOUBLE, jednSpadek DOUBLE, pojAbsorbera DOUBLE, powEfektywna DOUBLE, cena DOUBLE) CHARACTER SET utf8mb4;
CREATE TABLE zasobnik (idZasobnik INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, model VARCHAR(255), rodzaj VARCHAR(64), pojemnoscZasobnika DOUBLE, stratyCisnienia DOUBLE, pojWymienikaSolarnego DOUBLE, maxTempWody INT, maxCisnieniePracy DOUBLE, wysokoscZasobnika INT, srednicaZasobnika INT, gruboscIzolacji INT, cena DOUBLE) CHARACTER SET utf8mb4;
CREATE TABLE sterownikisolarne (idSterownik INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, oznaczenie VARCHAR(255), liczbaZasobnikow INT, zastosowanieCWCCO VARCHAR(8), programProgTemp VARCHAR(8), ochronaPrzedPrzegrzaniem VARCHAR(8), liczbaCzujnikowTemp INT, liczbaObiegow INT, liczbaWyjsc INT, czujnikTemp VARCHAR(64), cena DOUBLE) CHARACTER SET utf8mb4;
CREATE TABLE pompy (idPompa INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, model VARCHAR(255), maxWysokoscPodnoszenia DOUBLE, liczbaZaworowOdc INT, cisnienieReakcjiZaworu DOUBLE, zakresRegulacji VARCHAR(64), cena DOUBLE, certyfikat VARCHAR(255)) CHARACTER SET utf8mb4;
CREATE TABLE naczynie (idNaczynie INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, model VARCHAR(255), dopTempPracy INT, dopCisnPracy DOUBLE, cisnienieWstepne DOUBLE, pojemnosc INT, cena DOUBLE) CHARACTER SET utf8mb4;
CREATE TABLE izolacja (idIzolacja INT AUTO_INCREMENT PRIMARY KEY, idProducent INT, symbol VARCHAR(255), material VARCHAR(255), wspPrzenikaniaCiepla DOUBLE, dopTempPracy INT, strona_www VARCHAR(255), opis TEXT) CHARACTER SET utf8mb4;
CREATE TABLE konstrukcje_wsporcze (id_konstrukcja INT AUTO_INCREMENT PRIMARY KEY, id_producent INT, model VARCHAR(255), liczba_kolektorow INT, typ_kolektora VARCHAR(64), nachylenie VARCHAR(64), nosnosc DOUBLE, montaz VARCHAR(8), typ_pokrycia_dachu VARCHAR(255), cena DOUBLE) CHARACTER SET utf8mb4;
INSERT INTO producenci VALUES
(1, 'Promienny Dom', '1', '600 000 010', '22 000 00 01', 'Dział handlowy', 'biuro@promienny-dom.example', 'https://www.promienny-dom.example', 'https://www.promienny-dom.example/cennik.pdf'),
(2, 'Bursztynowe Słońce', '1', '600 000 020', '22 000 00 02', 'Dział handlowy', 'biuro@bursztynowe-slonce.example', 'https://www.bursztynowe-slonce.example', 'https://www.bursztynowe-slonce.example/cennik.pdf'),
(3, 'Kalorynka', '1', '600 000 030', '22 000 00 03', 'Dział handlowy', 'biuro@kalorynka.example', 'https://www.kalorynka.example', 'https://www.kalorynka.example/cennik.pdf'),
(4, 'Wrzosowe Ciepło', '1', '600 000 040', '22 000 00 04', 'Dział handlowy', 'biuro@wrzosowe-cieplo.example', 'https://www.wrzosowe-cieplo.example', 'https://www.wrzosowe-cieplo.example/cennik.pdf'),
(5, 'Sowia Elektronika', '1', '600 000 050', '22 000 00 05', 'Dział handlowy', 'biuro@sowia-elektronika.example', 'https://www.sowia-elektronika.example', 'https://www.sowia-elektronika.example/cennik.pdf'),
(6, 'Jastrzębiec Hydraulika', '1', '600 000 060', '22 000 00 06', 'Dział handlowy', 'biuro@jastrzebiec-hydraulika.example', 'https://www.jastrzebiec-hydraulika.example', 'https://www.jastrzebiec-hydraulika.example/cennik.pdf'),
(7, 'Lechmembran', '1', '600 000 070', '22 000 00 07', 'Dział handlowy', 'biuro@lechmembran.example', 'https://www.lechmembran.example', 'https://www.lechmembran.example/cennik.pdf'),
(8, 'Otulina Północ', '1', '600 000 080', '22 000 00 08', 'Dział handlowy', 'biuro@otulina-polnoc.example', 'https://www.otulina-polnoc.example', 'https://www.otulina-polnoc.example/cennik.pdf'),
(9, 'Stelaże Karkonoskie', '1', '600 000 090', '22 000 00 09', 'Dział handlowy', 'biuro@stelaze-karkonoskie.example', 'https://www.stelaze-karkonoskie.example', 'https://www.stelaze-karkonoskie.example/cennik.pdf'),
(10, 'Nadwarta Technika Grzewcza', '1', '600 000 0100', '22 000 00 010', 'Dział handlowy', 'biuro@nadwarta-tg.example', 'https://www.nadwarta-tg.example', 'https://www.nadwarta-tg.example/cennik.pdf');
INSERT INTO kolektor (idProducent, typ, model, liniowyWskaznik, kwadratowyWskaznik, sprawnoscOptyczna, jednNatezenie, jednSpadek, pojAbsorbera, powEfektywna, cena) VALUES
(1, 'płaski', 'PD-230 Selekt', 3.78, 0.015, 79.6, 80, 18, 1.45, 2.12, 1890),
(1, 'płaski', 'PD-200 Selekt', 3.85, 0.016, 79, 70, 15, 1.25, 1.85, 1690),
(1, 'płaski', 'PD-250 Premium', 3.45, 0.0128, 81.2, 90, 22, 1.7, 2.35, 2390),
(1, 'płaski (montaż poziomy)', 'PD-230H', 3.9, 0.0142, 78.5, 80, 25, 1.9, 2.1, 1990),
(2, 'próżniowy rurowy (heat pipe)', 'BS-HP 20', 1.45, 0.0075, 72, 100, 12, 1.4, 1.88, 3150),
(2, 'próżniowy rurowy (heat pipe)', 'BS-HP 30', 1.45, 0.0075, 72, 150, 18, 2.1, 2.82, 4390),
(2, 'próżniowy rurowy (U-rurka, CPC)', 'BS-CPC 14', 0.89, 0.001, 64.5, 120, 35, 2, 2.3, 4900);
INSERT INTO zasobnik (idProducent, model, rodzaj, pojemnoscZasobnika, stratyCisnienia, pojWymienikaSolarnego, maxTempWody, maxCisnieniePracy, wysokoscZasobnika, srednicaZasobnika, gruboscIzolacji, cena) VALUES
(3, 'KA-500 Bi', 'dwuwężownicowy', 500, 28, 11, 95, 10, 1760, 750, 50, 5390),
(3, 'KA-100 Mono', 'jednowężownicowy', 100, 15, 3, 95, 10, 1050, 450, 40, 1490),
(3, 'KA-150 Mono', 'jednowężownicowy', 150, 18, 4, 95, 10, 1120, 520, 40, 1790),
(3, 'KA-200 Mono', 'jednowężownicowy', 200, 20, 5, 95, 10, 1290, 580, 50, 2090),
(3, 'KA-200 Bi', 'dwuwężownicowy', 200, 20, 4.5, 95, 10, 1290, 580, 50, 2490),
(3, 'KA-250 Bi', 'dwuwężownicowy', 250, 22, 6, 95, 10, 1450, 600, 50, 2890),
(3, 'KA-300 Bi', 'dwuwężownicowy', 300, 24, 7, 95, 10, 1590, 650, 50, 3590),
(3, 'KA-400 Bi', 'dwuwężownicowy', 400, 26, 9, 95, 10, 1680, 700, 50, 4390),
(3, 'KA-300 Mono', 'jednowężownicowy', 300, 24, 7.5, 95, 10, 1590, 650, 50, 3190),
(4, 'WC-750 Bi', 'dwuwężownicowy', 750, 32, 14, 95, 10, 1920, 950, 100, 8190),
(4, 'WC-1000 Bi', 'dwuwężownicowy', 1000, 36, 17, 95, 10, 2120, 1050, 100, 10490),
(4, 'WC-800 Kombi', 'kombinowany (CWU w CO)', 800, 34, 15, 95, 6, 1980, 990, 100, 9890),
(10, 'NT-400 Bi', 'dwuwężownicowy', 400, 30, 8.5, 90, 8, 1700, 690, 50, 3990);
INSERT INTO sterownikisolarne (idProducent, oznaczenie, liczbaZasobnikow, zastosowanieCWCCO, programProgTemp, ochronaPrzedPrzegrzaniem, liczbaCzujnikowTemp, liczbaObiegow, liczbaWyjsc, czujnikTemp, cena) VALUES
(5, 'SE-11 Solar', 1, 'Nie', 'Tak', 'Tak', 3, 1, 1, 'PT1000', 590),
(5, 'SE-21 Solar', 2, 'Nie', 'Tak', 'Tak', 4, 2, 2, 'PT1000', 890),
(5, 'SE-32 Solar+CO', 2, 'Tak', 'Tak', 'Tak', 5, 2, 3, 'PT1000', 1290),
(5, 'SE-45 Multi', 2, 'Tak', 'Tak', 'Tak', 8, 3, 5, 'PT1000', 1990),
(5, 'SE-10 Eko', 1, 'Nie', 'Nie', 'Tak', 2, 1, 1, 'KTY81', 390),
(10, 'NT-Regulator 2', 2, 'Tak', 'Tak', 'Tak', 4, 2, 3, 'NTC 10k', 990);
INSERT INTO pompy (idProducent, model, maxWysokoscPodnoszenia, liczbaZaworowOdc, cisnienieReakcjiZaworu, zakresRegulacji, cena, certyfikat) VALUES
(6, 'JH-Solar 1', 6, 2, 6, '120-720', 890, 'https://www.jastrzebiec-hydraulika.example/karty/jh-solar-1-charakterystyka.pdf'),
(6, 'JH-Solar 1 Mini', 4, 2, 6, '60-360', 760, 'https://www.jastrzebiec-hydraulika.example/karty/jh-solar-1-mini-charakterystyka.pdf'),
(6, 'JH-Solar 2', 6, 2, 6, '120-720', 1190, 'https://www.jastrzebiec-hydraulika.example/karty/jh-solar-2-charakterystyka.pdf'),
(6, 'JH-Solar 2 Max', 8, 2, 6, '480-2280', 1590, 'https://www.jastrzebiec-hydraulika.example/karty/jh-solar-2-max-charakterystyka.pdf'),
(10, 'NT-GPS 25-60', 6, 2, 6, '120-900', 1090, 'https://www.nadwarta-tg.example/karty/nt-gps-25-60-charakterystyka.pdf');
INSERT INTO naczynie (idProducent, model, dopTempPracy, dopCisnPracy, cisnienieWstepne, pojemnosc, cena) VALUES
(7, 'LM-Sol 25', 120, 10, 2.5, 25, 245),
(7, 'LM-Sol 12', 120, 10, 2.5, 12, 165),
(7, 'LM-Sol 18', 120, 10, 2.5, 18, 199),
(7, 'LM-Sol 35', 120, 10, 2.5, 35, 329),
(7, 'LM-Sol 50', 120, 8, 3, 50, 479),
(7, 'LM-Sol 80', 120, 8, 3, 80, 719),
(10, 'NT-NS 24', 110, 8, 2.5, 24, 219),
(10, 'NT-NS 100', 110, 8, 3, 100, 889);
INSERT INTO izolacja (idProducent, symbol, material, wspPrzenikaniaCiepla, dopTempPracy, strona_www, opis) VALUES
(8, 'SOL-EPDM', 'kauczuk EPDM z płaszczem odpornym na UV', 0.04, 150, 'https://www.otulina-polnoc.example', 'Otulina do przewodów solarnych na zewnątrz budynku; odporna na temperaturę stagnacji.'),
(8, 'EL-36', 'kauczuk syntetyczny (elastomer)', 0.036, 110, 'https://www.otulina-polnoc.example', 'Otulina elastomerowa do przewodów wewnątrz budynku.'),
(10, 'PE-Eko', 'polietylen spieniony', 0.04, 95, 'https://www.nadwarta-tg.example', 'Tania otulina do przewodów wewnętrznych po stronie zasobnika; nie do obiegu kolektorów.'),
(8, 'WM-Alu', 'wełna mineralna z płaszczem aluminiowym', 0.035, 250, 'https://www.otulina-polnoc.example', 'Otulina z wełny mineralnej, niepalna, do przewodów w kotłowni i na strychu.');
INSERT INTO konstrukcje_wsporcze (id_producent, model, liczba_kolektorow, typ_kolektora, nachylenie, nosnosc, montaz, typ_pokrycia_dachu, cena) VALUES
(9, 'SK-D4', 4, 'płaski', '20-60', 4, 'Nie', 'dachówka ceramiczna lub betonowa', 1150),
(9, 'SK-D2', 2, 'płaski', '20-60', 2, 'Nie', 'dachówka ceramiczna lub betonowa', 640),
(9, 'SK-B3', 3, 'płaski', '20-60', 3, 'Nie', 'blachodachówka, blacha trapezowa', 780),
(9, 'SK-P2', 2, 'płaski', '30-45', 3.5, 'Nie', 'dach płaski (papa, membrana)', 1250),
(9, 'SK-P4', 4, 'płaski', '30-45', 6, 'Nie', 'dach płaski (papa, membrana)', 2290),
(9, 'SK-S1', 1, 'płaski lub próżniowy', '45-60', 1.6, 'Tak', 'nie dotyczy (ściana)', 720),
(9, 'SK-R2', 2, 'próżniowy rurowy', '20-60', 2.5, 'Nie', 'dachówka, blachodachówka, gont', 890),
(1, 'PD-Rama 3', 3, 'płaski', '0-15', 3, 'Nie', 'dach płaski lub grunt', 990);
