// Qt's own texts are Polish once the application is prepared: standard buttons, as file dialogs
// and context menus take theirs from the same translations.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include "app/startup.h"
#include "qt_app.h"

TEST(QtTexts, StandardButtonsArePolish) {
  startup::PrepareApplication(EnsureApplication());
  QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Yes | QDialogButtonBox::No |
                           QDialogButtonBox::Close);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), "Anuluj");
  EXPECT_EQ(buttons.button(QDialogButtonBox::Yes)->text().remove('&'), "Tak");
  EXPECT_EQ(buttons.button(QDialogButtonBox::No)->text().remove('&'), "Nie");
  EXPECT_EQ(buttons.button(QDialogButtonBox::Close)->text().remove('&'), "Zamknij");
  // A second preparation installs the translations once only.
  startup::PrepareApplication(EnsureApplication());
  EXPECT_EQ(EnsureApplication().findChildren<QTranslator*>().size(), 1);
}
