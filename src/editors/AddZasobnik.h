// The storage-tank catalogue editor ("Dane/zasobnik.xml"), shown modeless.
#pragma once

#include "editors/editor_frame.h"
#include "ui_AddZasobnik.h"

class TWinAddZasobnik : public CatalogueEditor<Ui::TWinAddZasobnik> {
 public:
  explicit TWinAddZasobnik(QWidget* parent = nullptr);

  xml::Document& XMLZasobnik = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  void BuildForm() override;
  bool InUse(const std::string& listed) const override;
  bool ValuesValid() override;
};
