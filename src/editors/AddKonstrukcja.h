// The mounting-structure catalogue editor ("Dane/konstrukcje.xml"), shown modally.
#pragma once

#include "editors/editor_frame.h"
#include "platform/form_ui.h"
#include "ui_AddKonstrukcja.h"

class TWinAddKonstrukcja : public CatalogueEditorFrame {
 public:
  explicit TWinAddKonstrukcja(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinAddKonstrukcja> ui;
  xml::Document& XMLKonstrukcja = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  bool InUse(const std::string& listed) const override;
  void TableChanged(bool rowAdded) override;
};
