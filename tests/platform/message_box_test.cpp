// Message boxes: the scripted double that every window test relies on, and the real box.
#include "platform/message_box.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/scripted_dialogs.h"
#include "qt_app.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using platform::ScriptedDialogs;

namespace {

class MessageBoxTest : public testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }
};

TEST_F(MessageBoxTest, ScriptedBoxesAreAnsweredInOrderAndRecorded) {
  ScriptedDialogs dialogs;
  dialogs
      .ExpectBox("Pytanie", "Czy na pewno chcesz zakończyć pracę programu ?", Icon::Question,
                 Buttons::YesNo, Answer::No)
      .ExpectBox("UWAGA !!!", "Aktualizacja danych?", Icon::Question, Buttons::YesNoCancel,
                 Answer::Cancel)
      .ExpectBox("Komunikat", "Nie podałeś liczby osób !!!", Icon::Warning);

  EXPECT_EQ(platform::MessageBox("Czy na pewno chcesz zakończyć pracę programu ?", "Pytanie",
                                 Icon::Question, Buttons::YesNo),
            Answer::No);
  EXPECT_EQ(platform::MessageBox("Aktualizacja danych?", "UWAGA !!!", Icon::Question,
                                 Buttons::YesNoCancel),
            Answer::Cancel);
  EXPECT_EQ(platform::MessageBox("Nie podałeś liczby osób !!!", "Komunikat", Icon::Warning),
            Answer::Ok);

  ASSERT_EQ(dialogs.Boxes().size(), 3u);
  EXPECT_EQ(dialogs.Boxes()[0].title, "Pytanie");
  EXPECT_EQ(dialogs.Boxes()[0].icon, Icon::Question);
  EXPECT_EQ(dialogs.Boxes()[0].buttons, Buttons::YesNo);
  EXPECT_EQ(dialogs.Boxes()[1].text, "Aktualizacja danych?");
  EXPECT_EQ(dialogs.Boxes()[2].title, "Komunikat");
  EXPECT_EQ(dialogs.Boxes()[2].icon, Icon::Warning);
  EXPECT_EQ(dialogs.Pending(), 0u);
}

TEST_F(MessageBoxTest, ErrorAndPlainBoxesCarryTheApplicationTitle) {
  ScriptedDialogs dialogs;
  dialogs.ExpectError("'x' is not a valid integer value")
      .ExpectPlain("Błąd wczytywania pliku z danymi domyślnymi");
  platform::ErrorBox("'x' is not a valid integer value");
  platform::PlainBox("Błąd wczytywania pliku z danymi domyślnymi");

  ASSERT_EQ(dialogs.Boxes().size(), 2u);
  EXPECT_EQ(dialogs.Boxes()[0].title, "Vindargast");
  EXPECT_EQ(dialogs.Boxes()[0].icon, Icon::Stop);
  EXPECT_EQ(dialogs.Boxes()[1].title, "Vindargast");
  EXPECT_EQ(dialogs.Boxes()[1].icon, Icon::None);
}

TEST_F(MessageBoxTest, EngineWarningsBecomeWarningBoxes) {
  ScriptedDialogs dialogs;
  dialogs.ExpectBox("UWAGA", "Brak kolektora w katalogu", Icon::Warning);
  platform::MessageBoxWarningNotifier notifier;
  notifier.Warn("UWAGA", "Brak kolektora w katalogu");
}

// The double must make a test fail whenever the boxes differ from the script; these cases run the
// double inside EXPECT_NONFATAL_FAILURE to see that failure reported.
TEST_F(MessageBoxTest, AnUnexpectedBoxFailsTheTestAndGetsTheCautiousAnswer) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        EXPECT_EQ(platform::MessageBox("Usunąć?", "Pytanie", Icon::Question, Buttons::YesNo),
                  Answer::No);
      },
      "unexpected message box title \"Pytanie\", text \"Usunąć?\", icon question");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.ExpectBox("Komunikat", "jeden", Icon::Warning);
        platform::MessageBox("jeden", "Komunikat", Icon::Warning);
        platform::MessageBox("dwa", "Komunikat", Icon::Warning);
      },
      "nothing more expected");
}

TEST_F(MessageBoxTest, ABoxThatDiffersFromTheExpectedOneFailsTheTest) {
  struct Case {
    const char* name;
    const char* title;
    const char* text;
    Icon icon;
    Buttons buttons;
  };
  const Case cases[] = {
      {"title", "Uwaga", "Tekst", Icon::Warning, Buttons::Ok},
      {"text", "Komunikat", "Tekst inny", Icon::Warning, Buttons::Ok},
      {"icon", "Komunikat", "Tekst", Icon::Stop, Buttons::Ok},
      {"buttons", "Komunikat", "Tekst", Icon::Warning, Buttons::OkCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_NONFATAL_FAILURE(
        {
          ScriptedDialogs dialogs;
          dialogs.ExpectBox("Komunikat", "Tekst", Icon::Warning);
          platform::MessageBox(c.text, c.title, c.icon, c.buttons);
        },
        "message box differs from the expected one");
  }
}

TEST_F(MessageBoxTest, AnExpectedBoxNeverShownFailsTheTestAtScopeEnd) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.ExpectBox("Pytanie", "Zapisać?", Icon::Question, Buttons::YesNo, Answer::Yes);
      },
      "expected but never shown: box title \"Pytanie\", text \"Zapisać?\"");
}

TEST_F(MessageBoxTest, AScriptedAnswerTheBoxDoesNotOfferFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedDialogs dialogs;
        dialogs.ExpectBox("Komunikat", "Tekst", Icon::Warning, Buttons::Ok, Answer::Yes);
        platform::MessageBox("Tekst", "Komunikat", Icon::Warning);
      },
      "scripted answer Tak is not a button of OK");
}

TEST_F(MessageBoxTest, WithoutScriptedDialogsAnyBoxFailsInsteadOfBlocking) {
  EXPECT_NONFATAL_FAILURE(
      EXPECT_EQ(platform::MessageBox("Tekst", "Pytanie", Icon::Question, Buttons::YesNoCancel),
                Answer::Cancel),
      "shown without a ScriptedDialogs");
}

TEST_F(MessageBoxTest, WhileShownRunsWhileTheBoxIsOpen) {
  ScriptedDialogs dialogs;
  int step = 0;
  int seenWhileOpen = -1;
  dialogs
      .ExpectBox("Błąd", "Z powodu braku pliku kolektor.xml aplikacje nie może zostać uruchomiona",
                 Icon::Stop)
      .WhileShown([&] { seenWhileOpen = step; });
  step = 1;
  platform::MessageBox("Z powodu braku pliku kolektor.xml aplikacje nie może zostać uruchomiona",
                       "Błąd", Icon::Stop);
  step = 2;
  EXPECT_EQ(seenWhileOpen, 1);
}

// The real box, driven through the offscreen platform: Polish buttons, icon, plain text, and
// the answer for each button and for Escape.
class RealMessageBoxTest : public MessageBoxTest {
 protected:
  void SetUp() override {
    MessageBoxTest::SetUp();
    saved_ = platform::SetBackend(nullptr);
  }
  void TearDown() override { platform::SetBackend(saved_); }

  struct Seen {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
  };

  // Shows the box; once it is open, records it and presses the button with the given text, or
  // Escape when the text is empty.
  Answer ShowAndPress(const QString& press, Seen& seen, Icon icon, Buttons buttons) {
    bool found = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      found = true;
      seen.title = box->windowTitle();
      seen.text = box->text();
      seen.format = box->textFormat();
      seen.icon = box->icon();
      for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
      seen.buttons.sort();
      if (box->defaultButton()) seen.defaultButton = box->defaultButton()->text();
      if (press.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Escape);
        return;
      }
      for (QAbstractButton* b : box->buttons()) {
        if (b->text() == press) b->click();
      }
    });
    const Answer answer = platform::MessageBox("<b>1 < 2</b>", "Pytanie", icon, buttons);
    EXPECT_TRUE(found) << "no message box was open";
    return answer;
  }

 private:
  platform::Backend* saved_ = nullptr;
};

TEST_F(RealMessageBoxTest, ButtonsAreInPolishAndAnswerAsPressed) {
  struct Case {
    Buttons buttons;
    Icon icon;
    const char* press;  // "" presses Escape
    Answer answer;
    QStringList shown;
    const char* defaultButton;
    QMessageBox::Icon qtIcon;
  };
  const Case cases[] = {
      {Buttons::Ok, Icon::Stop, "OK", Answer::Ok, {"OK"}, "OK", QMessageBox::Critical},
      {Buttons::Ok, Icon::None, "", Answer::Ok, {"OK"}, "OK", QMessageBox::NoIcon},
      {Buttons::YesNo,
       Icon::Question,
       "Tak",
       Answer::Yes,
       {"Nie", "Tak"},
       "Tak",
       QMessageBox::Question},
      {Buttons::YesNo,
       Icon::Question,
       "Nie",
       Answer::No,
       {"Nie", "Tak"},
       "Tak",
       QMessageBox::Question},
      {Buttons::YesNo, Icon::Warning, "", Answer::No, {"Nie", "Tak"}, "Tak", QMessageBox::Warning},
      {Buttons::OkCancel,
       Icon::Information,
       "Anuluj",
       Answer::Cancel,
       {"Anuluj", "OK"},
       "OK",
       QMessageBox::Information},
      {Buttons::YesNoCancel,
       Icon::Question,
       "",
       Answer::Cancel,
       {"Anuluj", "Nie", "Tak"},
       "Tak",
       QMessageBox::Question},
      {Buttons::YesNoCancel,
       Icon::Question,
       "Nie",
       Answer::No,
       {"Anuluj", "Nie", "Tak"},
       "Tak",
       QMessageBox::Question},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(platform::ButtonsName(c.buttons)) + " pressing \"" + c.press + "\"");
    Seen seen;
    EXPECT_EQ(ShowAndPress(c.press, seen, c.icon, c.buttons), c.answer);
    EXPECT_EQ(seen.title, "Pytanie");
    EXPECT_EQ(seen.buttons, c.shown);
    EXPECT_EQ(seen.defaultButton, c.defaultButton);
    EXPECT_EQ(seen.icon, c.qtIcon);
    // A text from a file or an edit is never read as markup.
    EXPECT_EQ(seen.text, "<b>1 < 2</b>");
    EXPECT_EQ(seen.format, Qt::PlainText);
  }
}

}  // namespace
