// The program update against a loopback HTTP server, with the "running program" a file of the
// test's own folder, so that the swap can be watched byte for byte.
#include "online/program_update.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <filesystem>
#include <memory>

#include "engine/numtext.h"
#include "vendor_server_fixture.h"

namespace {

using Delivery = TestHttpServer::Delivery;
using Response = TestHttpServer::Response;

TEST(ProgramVersionTest, ServerVersionAgainstTheRunningOne) {
  const struct {
    const char* major;
    const char* minor;
    bool newer;
  } cases[] = {
      {"2", "13", true},  {"3", "0", true},    {"2", "12", false}, {"1", "99", false},
      {"2", "11", false}, {"3", "", true},  // minor missing: not read while the majors differ
      {"1", "x", false},  {"-2", "50", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.major) + "." + c.minor);
    EXPECT_EQ(online::IsNewerVersion(c.major, c.minor, 2, 12), c.newer);
  }
  EXPECT_THROW(online::IsNewerVersion("2", "", 2, 12), NumberConversionError);
  EXPECT_THROW(online::IsNewerVersion("", "13", 2, 12), NumberConversionError);
  EXPECT_THROW(online::IsNewerVersion("2.1", "13", 2, 12), NumberConversionError);
}

TEST(ProgramVersionTest, VersionFileKeysAsTheProfileReaderFindsThem) {
  const struct {
    const char* text;
    const char* wersja;
    const char* minor;
  } cases[] = {
      {"[UPDATE]\r\nwersja=2\r\nminor=13\r\n", "2", "13"},
      {"\xEF\xBB\xBF[update]\nWERSJA = 3 \n  Minor=\"4\"\n", "3", "4"},
      {"[INNE]\nwersja=9\n[ UPDATE ]\n; wersja=8\nwersja=2\nwersja=7\n", "2", ""},
      {"wersja=2\nminor=1\n", "", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(online::IniValue(c.text, "UPDATE", "wersja"), c.wersja);
    EXPECT_EQ(online::IniValue(c.text, "UPDATE", "minor"), c.minor);
  }
}

TEST(ProgramVersionTest, OnlyASecureOrLocalServerMayDeliverAProgram) {
  EXPECT_EQ(online::ProgramAddressRefusal("https://www.vindargast.example"), "");
  EXPECT_EQ(online::ProgramAddressRefusal("http://127.0.0.1:8080"), "");
  EXPECT_EQ(online::ProgramAddressRefusal("http://localhost"), "");
  EXPECT_NE(online::ProgramAddressRefusal("http://www.vindargast.example"), "");
  EXPECT_NE(online::ProgramAddressRefusal("http://192.168.1.10"), "");
  EXPECT_NE(online::ProgramAddressRefusal("ftp://www.vindargast.example"), "");
  EXPECT_NE(online::ProgramAddressRefusal("www.vindargast.example"), "");
}

QByteArray Program(int size) {
  QByteArray bytes(size, '\0');
  for (int i = 0; i < size; ++i) bytes[i] = char((i * 13 + 5) & 0xff);
  return bytes;
}

const char* const kIniPath = "/plikidopobrania/Aplikacja/vindargast.ini";
const char* const kExePath = "/plikidopobrania/Aplikacja/Vindargast20.exe";

class ProgramUpdateTest : public VendorServerTest {
 protected:
  void SetUp() override {
    VendorServerTest::SetUp();
    Engine.VersionMajor = 2;
    Engine.VersionMinor = 12;
    program_ = dir_.Write("program/Vindargast", "stary program");
    std::filesystem::permissions(program_, std::filesystem::perms(0755));
    previousPath_ = online::RunningProgramPath;
    previousQuit_ = online::QuitProgram;
    online::RunningProgramPath = [this] { return QString::fromStdString(program_); };
    online::QuitProgram = [this] { ++quits_; };
    server_.Route(kIniPath, "[UPDATE]\r\nwersja=2\r\nminor=13\r\n");
  }
  void TearDown() override {
    online::RunningProgramPath = previousPath_;
    online::QuitProgram = previousQuit_;
    VendorServerTest::TearDown();
  }

  std::string InProgramFolder(const std::string& name) const {
    return dir_.File("program/" + name);
  }
  bool Exists(const std::string& name) const {
    return std::filesystem::exists(InProgramFolder(name));
  }

  std::string program_;
  int quits_ = 0;

 private:
  std::function<QString()> previousPath_;
  std::function<void()> previousQuit_;
};

TEST_F(ProgramUpdateTest, ANewerProgramIsSwappedInAndStarted) {
  for (int size : {1023, 1024, 5000}) {
    SCOPED_TRACE(size);
    const QByteArray program = Program(size);
    server_.Route(kExePath, program);
    std::filesystem::permissions(program_, std::filesystem::perms(0755));
    dir_.Write("program/Vindargast", "stary program");
    // A catalogue update left the three progress texts hidden.
    Form2->ui().StaticText2->hide();
    Form2->ui().StaticText3->hide();
    Form2->ui().Label1->hide();
    const size_t started = dialogs.StartedProcesses().size();
    quits_ = 0;

    Form1->ui().Program1->trigger();

    EXPECT_EQ(QByteArray::fromStdString(ReadFileBytes(program_)), program);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(program_)).isExecutable());
    EXPECT_EQ(ReadFileBytes(InProgramFolder("Vindargast_old.dat")), "stary program");
    EXPECT_FALSE(Exists("Vindargast.dat"));
    EXPECT_EQ(ReadFileBytes(InProgramFolder("vindargast.ini")),
              "[UPDATE]\r\nwersja=2\r\nminor=13\r\n");
    ASSERT_EQ(dialogs.StartedProcesses().size(), started + 1);
    const platform::ProcessRequest& start = dialogs.StartedProcesses().back();
    EXPECT_EQ(start.program, QString::fromStdString(program_));
    EXPECT_EQ(start.arguments, QStringList{"-r"});
    EXPECT_EQ(quits_, 1);
    EXPECT_EQ(Form1->StatusText(0), server_.Address());

    const Ui::TForm2& progress = Form2->ui();
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(progress.StaticText1->text(), "Pobieranie zakończone");
    EXPECT_EQ(progress.StaticText2->text(), "Ściągam ");
    EXPECT_EQ(progress.StaticText3->text(), QString::number(size / 1024) + " kB");
    EXPECT_EQ(progress.Label1->text(), "100%");
    EXPECT_TRUE(progress.StaticText2->isVisible() && progress.StaticText3->isVisible() &&
                progress.Label1->isVisible());
    EXPECT_EQ(progress.ProgressBar1->maximum(), size);
    EXPECT_EQ(progress.ProgressBar1->value(), size);
    EXPECT_TRUE(progress.BitBtn1->isEnabled());
  }
}

TEST_F(ProgramUpdateTest, AFailedDownloadLeavesTheProgramAsItWas) {
  const QString unchanged = QString::fromUtf8("\nProgram nie został zmieniony.");
  const QString prefix = QString::fromUtf8("Nie udało się pobrać pliku Vindargast20.exe: ");
  const struct {
    const char* name;
    Response response;
    QString message;
  } cases[] = {
      {"cut off", Response{200, Program(6000), Delivery::CutShort, {}, {}},
       prefix + "otrzymano 3000 z 6000 bajtów." + unchanged},
      {"empty", Response{200, QByteArray(), Delivery::Whole, {}, {}},
       prefix + "serwer przesłał pusty plik." + unchanged},
      {"no length", Response{200, Program(3000), Delivery::Whole, -1, {}},
       prefix + QString::fromUtf8("serwer nie podał długości pliku.") + unchanged},
      {"missing", Response{404, "brak", Delivery::Whole, {}, {}},
       QString::fromUtf8("Brak pliku na serwerze. Skontaktuj się z producentem programu!\n") +
           prefix + "serwer odpowiedział kodem 404." + unchanged},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    server_.Route(kExePath, c.response);
    dialogs.ExpectBox("Vindargast", c.message, platform::Icon::Warning);
    Form1->ui().Program1->trigger();
    EXPECT_EQ(ReadFileBytes(program_), "stary program");
    EXPECT_FALSE(Exists("Vindargast_old.dat"));
    EXPECT_FALSE(Exists("Vindargast.dat"));
    EXPECT_TRUE(dialogs.StartedProcesses().empty());
    EXPECT_EQ(quits_, 0);
  }
  // The window that showed the transfer can be closed.
  EXPECT_TRUE(Form2->ui().BitBtn1->isEnabled());
  EXPECT_EQ(Form2->ui().Label1->text(), "");  // no length announced: no percentage
}

TEST_F(ProgramUpdateTest, NoNewerVersionOrNoVersionFile) {
  for (const char* version : {"[UPDATE]\nwersja=2\nminor=12\n", "[UPDATE]\nwersja=1\nminor=99\n"}) {
    server_.Route(kIniPath, version);
    dialogs.ExpectBox("Informacja", "Obecnie na serwerze nie ma nowej wersji programu !!!",
                      platform::Icon::Information);
    Form1->ui().Program1->trigger();
  }
  server_.Route(kIniPath, "[UPDATE]\nwersja=2\nminor=trzynaście\n");
  dialogs.ExpectError("'trzynaście' is not a valid integer value");
  Form1->ui().Program1->trigger();

  server_.Route(kIniPath, Response{404, "brak", Delivery::Whole, {}, {}});
  dialogs.ExpectPlain("Brak pliku z wersją programu!");
  Form1->ui().Program1->trigger();

  for (const TestHttpServer::Request& request : server_.Requests())
    EXPECT_EQ(request.path, kIniPath);
  EXPECT_EQ(ReadFileBytes(program_), "stary program");
  EXPECT_EQ(quits_, 0);
}

TEST_F(ProgramUpdateTest, APlainHttpServerElsewhereIsRefusedBeforeAnyTransfer) {
  qputenv("VINDARGAST_SERVER", "http://www.vindargast.example");
  dialogs.ExpectBox("Informacja", online::ProgramAddressRefusal("http://www.vindargast.example"),
                    platform::Icon::Warning);
  Form1->ui().Program1->trigger();
  EXPECT_TRUE(server_.Requests().empty());
  EXPECT_TRUE(dialogs.Boxes()[0].text.contains("https"));
}

TEST_F(ProgramUpdateTest, ANewProgramThatDoesNotStartIsReportedAndThisOneGoesOn) {
  server_.Route(kExePath, Program(2000));
  dialogs.SetProcessStarts(false);
  dialogs.ExpectBox("Vindargast",
                    "Nowa wersja programu została zainstalowana, ale nie udało się jej uruchomić. "
                    "Uruchom program ponownie.",
                    platform::Icon::Warning);
  Form1->ui().Program1->trigger();
  EXPECT_EQ(QByteArray::fromStdString(ReadFileBytes(program_)), Program(2000));
  EXPECT_EQ(ReadFileBytes(InProgramFolder("Vindargast_old.dat")), "stary program");
  EXPECT_EQ(quits_, 0);
}

}  // namespace
