// The mounting-structure catalogue editor ("Dane/konstrukcje.xml"), shown modally.
#pragma once

#include "editors/editor_frame.h"
#include "ui_AddKonstrukcja.h"

class TWinAddKonstrukcja : public CatalogueEditor<Ui::TWinAddKonstrukcja> {
 public:
  explicit TWinAddKonstrukcja(QWidget* parent = nullptr);

  xml::Document& XMLKonstrukcja = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  void BuildForm() override;
  bool InUse(const std::string& listed) const override;
  void TableChanged(bool rowAdded) override;
};
