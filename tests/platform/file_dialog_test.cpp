// The system's file dialog: its file list speaks Polish whatever the system's locale is, as the
// rest of the dialog does through Qt's translations.
#include "platform/file_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractProxyModel>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>

#include "qt_app.h"
#include "temp_dir.h"

namespace {

TEST(FileDialogTest, TheFileListShowsDatesSizesAndKindsInPolish) {
  EnsureApplication();
  TempDir dir;
  const QString path = QString::fromStdString(dir.Write("projekt.xml", std::string(1536, 'x')));
  const QDateTime december(QDate(2023, 12, 5), QTime(14, 3));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(december, QFileDevice::FileModificationTime));
  }

  QFileDialog dialog;
  platform::PrepareFileDialog(
      dialog, {platform::FileDialogKind::Open, QString::fromUtf8("Otwórz projekt"),
               "Pliki XML (*.xml)|*.xml", ".xml", QString::fromStdString(dir.path().string())});
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Otwórz projekt"));
  // What the dialog's detail view shows of the file, column by column.
  const auto* view = dialog.findChild<QTreeView*>("treeView");
  ASSERT_NE(view, nullptr);
  const auto* files = dialog.findChild<QFileSystemModel*>();
  ASSERT_NE(files, nullptr);
  const QModelIndex name = files->index(path);
  ASSERT_TRUE(name.isValid());
  const auto shown = [&](int column) {
    QModelIndex cell = name.siblingAtColumn(column);
    if (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(view->model()))
      cell = proxy->mapFromSource(cell);
    return view->model()->data(cell).toString().toStdString();
  };

  const QLocale polish(QLocale::Polish, QLocale::Poland);
  const std::string date = shown(3);
  EXPECT_EQ(date, polish.toString(december, QLocale::ShortFormat).toStdString());
  EXPECT_EQ(date.find("Dec"), std::string::npos) << date;
  EXPECT_EQ(shown(1), polish.formattedDataSize(1536).toStdString());
  EXPECT_EQ(shown(0), "projekt.xml");
  EXPECT_EQ(shown(2), "Dokument XML");
  EXPECT_EQ(view->header()->sectionResizeMode(2), QHeaderView::ResizeToContents);
}

// A dialog the program gives no title of its own is captioned as the system's dialogs are.
TEST(FileDialogTest, AnUntitledDialogIsCaptionedByWhatItDoes) {
  EnsureApplication();
  const struct {
    platform::FileDialogKind kind;
    const char* title;
  } cases[] = {{platform::FileDialogKind::Open, "Otwórz"},
               {platform::FileDialogKind::Save, "Zapisz jako"}};
  for (const auto& c : cases) {
    QFileDialog dialog;
    platform::PrepareFileDialog(dialog, {c.kind, QString(), "XML Files (*.xml)|*.xml", ".xml", {}});
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.title));
  }
}

}  // namespace
