// The set opener: lists the set files of "Zestawy", shows a chosen set, deletes set files and
// loads a set into the design. Shown modeless.
#pragma once

#include <QDialog>
#include <QString>

#include "platform/form_ui.h"
#include "ui_OpenZestaw.h"
#include "xml/xmldoc.h"

class TWinOpenZestaw : public QDialog {
 public:
  explicit TWinOpenZestaw(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinOpenZestaw> ui;
  xml::Document XMLZestaw;  // the document a set file is read into

  // The web page and the e-mail address of the set shown last; a click on their texts opens them.
  QString SetWebPage;
  QString SetEmail;

  void FormShow();
  void FileListBox1DblClick() { BitBtn2Click(); }
  void BitBtn2Click();  // "Pokaż zestaw"
  void BitBtn1Click();  // "Akceptuj"
  void BitBtn4Click();  // "Usuń wybrany zestaw"
  void StaticText13Click();
  void StaticText12Click();

  // Shows the set in the window; changes nothing else.
  void PreviewSet(const QString& path);
  // Shows the set and loads it into the design. A file that cannot be read whole, or that holds
  // no set, changes nothing and is reported; returns whether the set was loaded.
  bool LoadSetIntoDesign(const QString& path);

  // The full path of the selected list entry, "" when none is selected.
  QString SelectedPath() const;

  // The widgets are built before the first showing.
  void setVisible(bool visible) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildForm();
  QString folder_;  // the folder the list shows
};
