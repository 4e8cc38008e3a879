// The storage-tank catalogue editor ("Dane/zasobnik.xml"), shown modeless.
#pragma once

#include "editors/editor_frame.h"
#include "platform/form_ui.h"
#include "ui_AddZasobnik.h"

class TWinAddZasobnik : public CatalogueEditorFrame {
 public:
  explicit TWinAddZasobnik(QWidget* parent = nullptr);

  platform::FormUi<Ui::TWinAddZasobnik> ui;
  xml::Document& XMLZasobnik = Document;

  void FormCreate();
  void FormShow() override;

 protected:
  bool InUse(const std::string& listed) const override;
  bool ValuesValid() override;
};
