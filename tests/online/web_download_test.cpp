// The main window's two ways of asking the vendor's web server, against a real HTTP server on
// loopback that answers well or badly.
#include "online/web_download.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <filesystem>
#include <string>
#include <vector>

#include "http_server.h"
#include "main/vindargast.h"
#include "qt_app.h"
#include "recording_dialogs.h"
#include "temp_dir.h"

namespace {

using Delivery = TestHttpServer::Delivery;
using Response = TestHttpServer::Response;

// Bytes of every value, so that a shifted or dropped piece shows.
QByteArray Bytes(int size) {
  QByteArray bytes(size, '\0');
  for (int i = 0; i < size; ++i) bytes[i] = char((i * 7 + i / 251) & 0xff);
  return bytes;
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

class TransferTimeout {
 public:
  explicit TransferTimeout(int ms) : previous_(online::TransferTimeoutMs) {
    online::TransferTimeoutMs = ms;
  }
  ~TransferTimeout() { online::TransferTimeoutMs = previous_; }

 private:
  int previous_;
};

struct DownloadCase {
  const char* name;
  Response response;
  bool refused = false;  // the server is stopped before the call
  bool succeeds = false;
  // The message shown on failure (empty: any text, checked only for the file name).
  QString message;
};

Response Answer(int status, const QByteArray& body, Delivery delivery = Delivery::Whole,
                std::optional<qint64> length = std::nullopt,
                QList<QPair<QByteArray, QByteArray>> headers = {}) {
  Response response;
  response.status = status;
  response.body = body;
  response.delivery = delivery;
  response.contentLength = length;
  response.headers = std::move(headers);
  return response;
}

const QString kNoFile =
    QStringLiteral("Brak pliku na serwerze. Skontaktuj się z producentem programu!\n");

std::vector<DownloadCase> DownloadCases() {
  const QByteArray page = "<html><body>Nie ma takiego pliku</body></html>";
  return {
      {"status 200 with the announced length", Answer(200, Bytes(3000)), false, true, {}},
      {"a length that is a multiple of 1024", Answer(200, Bytes(4096)), false, true, {}},
      {"length 0 and an empty body", Answer(200, QByteArray()), false, true, {}},
      {"a body sent slowly in pieces", Answer(200, Bytes(5000), Delivery::Slowly), false, true, {}},
      {"a body cut off halfway", Answer(200, Bytes(3000), Delivery::CutShort), false, false,
       "Nie udało się pobrać pliku lista_zestawow.txt: otrzymano 1500 z 3000 bajtów."},
      {"a Content-Length longer than the body", Answer(200, Bytes(3000), Delivery::Whole, 3500),
       false, false,
       "Nie udało się pobrać pliku lista_zestawow.txt: otrzymano 3000 z 3500 bajtów."},
      {"no Content-Length", Answer(200, Bytes(300), Delivery::Whole, -1), false, false,
       "Nie udało się pobrać pliku lista_zestawow.txt: serwer nie podał długości pliku."},
      {"404 with a page of the announced length", Answer(404, page), false, false,
       kNoFile + "Nie udało się pobrać pliku lista_zestawow.txt: serwer odpowiedział kodem 404."},
      {"302 to another address",
       Answer(302, "", Delivery::Whole, std::nullopt, {{"Location", "/Dane_Zestawy/inna.txt"}}),
       false, false,
       "Nie udało się pobrać pliku lista_zestawow.txt: serwer odpowiedział kodem 302."},
      {"500", Answer(500, page), false, false,
       "Nie udało się pobrać pliku lista_zestawow.txt: serwer odpowiedział kodem 500."},
      {"a gzip body nobody asked for",
       Answer(200, Bytes(200), Delivery::Whole, std::nullopt, {{"Content-Encoding", "gzip"}}),
       false, false,
       "Nie udało się pobrać pliku lista_zestawow.txt: serwer przesłał plik zakodowany („gzip”), "
       "o co go nie proszono."},
      {"a refused connection", Answer(200, Bytes(10)), true, false, {}},
  };
}

class DownloadFileTest : public testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }
  TempDir dir_;
  RecordingDialogs dialogs_;
};

TEST_F(DownloadFileTest, KeepsTheOldFileUnlessTheWholeFileArrived) {
  const QByteArray old = "stara lista\n";
  for (const DownloadCase& c : DownloadCases()) {
    SCOPED_TRACE(c.name);
    TestHttpServer server;
    server.Route("/Dane_Zestawy/lista_zestawow.txt", c.response);
    if (c.refused) server.Stop();
    const std::string target = dir_.Write("Zestawy/lista_zestawow.txt", old.toStdString());
    dialogs_.boxes.clear();

    const int result = TForm1::DownloadFile(server.Url("/Dane_Zestawy/lista_zestawow.txt"),
                                            QString::fromStdString(target));

    EXPECT_EQ(result, c.succeeds ? 1 : -1);
    const QByteArray expected = c.succeeds ? c.response.body : old;
    EXPECT_EQ(QByteArray::fromStdString(ReadFileBytes(target)), expected);
    // No temporary file is left beside the target.
    EXPECT_EQ(FolderEntries(dir_.path() / "Zestawy"),
              std::vector<std::string>{"lista_zestawow.txt"});
    if (c.succeeds) {
      EXPECT_TRUE(dialogs_.boxes.empty());
    } else {
      ASSERT_EQ(dialogs_.boxes.size(), 1u);
      const platform::BoxRequest& box = dialogs_.boxes[0];
      EXPECT_EQ(box.title, "Vindargast");
      EXPECT_EQ(box.icon, platform::Icon::None);
      if (!c.message.isEmpty()) {
        EXPECT_EQ(box.text, c.message);
      } else {
        EXPECT_TRUE(box.text.startsWith(kNoFile + "Nie udało się pobrać pliku lista_zestawow.txt: "
                                                  "brak połączenia z serwerem"))
            << box.text.toStdString();
      }
    }
    if (!c.refused) {
      // Redirects not followed: every request is for the file asked for (Qt itself may send a
      // request again once when the server drops the connection before it answered), and the
      // body is asked for as the server holds it.
      ASSERT_FALSE(server.Requests().empty());
      EXPECT_LE(server.Requests().size(), 2u);
      for (const auto& request : server.Requests()) {
        EXPECT_EQ(request.path, "/Dane_Zestawy/lista_zestawow.txt");
        EXPECT_EQ(request.headers.value("accept-encoding"), "identity");
        EXPECT_EQ(request.headers.value("user-agent"), "Pobieranie");
      }
    }
  }
}

TEST_F(DownloadFileTest, AServerThatStallsIsGivenUp) {
  TransferTimeout timeout(300);
  TestHttpServer server;
  server.Route("/Dane/miasta.xml", Answer(200, Bytes(4000), Delivery::Stall));
  const std::string target = dir_.Write("miasta.xml", "stary");

  EXPECT_EQ(TForm1::DownloadFile(server.Url("/Dane/miasta.xml"), QString::fromStdString(target)),
            -1);
  EXPECT_EQ(ReadFileBytes(target), "stary");
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_EQ(dialogs_.boxes[0].text,
            "Nie udało się pobrać pliku miasta.xml: serwer przestał wysyłać dane po 2000 z 4000 "
            "bajtów.");
}

TEST_F(DownloadFileTest, ANewFileIsCreatedAndAFileThatCannotBeWrittenIsNamed) {
  TestHttpServer server;
  server.Route("/a.txt", "nowy");
  const std::string created = dir_.File("a.txt");
  EXPECT_EQ(TForm1::DownloadFile(server.Url("/a.txt"), QString::fromStdString(created)), 1);
  EXPECT_EQ(ReadFileBytes(created), "nowy");

  // A folder that does not exist: the transfer succeeded, the write did not.
  const std::string nowhere = dir_.File("brak/a.txt");
  EXPECT_EQ(TForm1::DownloadFile(server.Url("/a.txt"), QString::fromStdString(nowhere)), -1);
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_TRUE(dialogs_.boxes[0].text.startsWith(
      QString::fromStdString("Nie można zapisać pliku " + nowhere)))
      << dialogs_.boxes[0].text.toStdString();
}

TEST(IsUrlAvailableTest, OnlyStatus200And302CountWithoutFollowingOrReading) {
  EnsureApplication();
  const struct {
    int status;
    bool available;
  } cases[] = {{200, true}, {302, true}, {301, false}, {304, false}, {404, false}, {500, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    TestHttpServer server;
    // A body that never ends: reading it would wait for the transfer timeout.
    server.Route("/plik.ini", Answer(c.status, Bytes(8000), Delivery::Stall, std::nullopt,
                                     {{"Location", "/gdzie-indziej.ini"}}));
    server.Route("/gdzie-indziej.ini", "x");
    EXPECT_EQ(TForm1::IsUrlAvailable(server.Url("/plik.ini")), c.available);
    EXPECT_EQ(server.RequestedPaths(), std::vector<QByteArray>{"/plik.ini"});
    EXPECT_EQ(server.Requests()[0].headers.value("user-agent"), "ValidURL");
  }
  TestHttpServer refused;
  refused.Stop();
  EXPECT_FALSE(TForm1::IsUrlAvailable(refused.Url("/plik.ini")));
  EXPECT_FALSE(TForm1::IsUrlAvailable("nie adres"));
}

TEST(WebAddressTest, LoopbackHosts) {
  EXPECT_TRUE(online::IsLoopback("http://127.0.0.1:8080/x"));
  EXPECT_TRUE(online::IsLoopback("http://127.1.2.3/"));
  EXPECT_TRUE(online::IsLoopback("http://LOCALHOST/"));
  EXPECT_TRUE(online::IsLoopback("http://[::1]:80/"));
  EXPECT_FALSE(online::IsLoopback("http://www.vindargast.example"));
  EXPECT_FALSE(online::IsLoopback("http://10.0.0.1/"));
  EXPECT_FALSE(online::IsLoopback("http://127.0.0.1.example.com/"));
}

}  // namespace
