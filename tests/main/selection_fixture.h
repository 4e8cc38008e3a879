// The location and selection windows' tests: a copy of the program's data as the working folder,
// a fresh Engine and the main window created over it, as start-up creates them; the windows under
// test are created by each test (after it has shaped the main window's tables when it needs to).
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/windows.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/scripted_dialogs.h"
#include "program_folder.h"
#include "qt_app.h"

class SelectionTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    Engine = MakeDefaultDesign();
    platform::ScriptedDialogs dialogs;  // the main window's creation shows no box
    form_ = std::make_unique<TForm1>();
    Form1 = form_.get();
    ASSERT_FALSE(form_->StartFailed());
  }
  void TearDown() override {
    Form1 = nullptr;
    form_.reset();
    Engine = MakeDefaultDesign();
  }

  // The user picks entry `index` of the combo.
  static void Pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  // Keeps the first `count` rows of a table, as the editors leave it after deleting rows.
  static void KeepRows(CCatalogueTable& table, int count) {
    table.Rows.resize(size_t(count));
    table.RowCount = count;
  }

  static std::string Text(const QLabel* label) { return label->text().toStdString(); }
  static std::string Text(const QTableWidget* grid, int col, int row) {
    return platform::Cell(grid, col, row).toStdString();
  }

  ProgramFolder folder_;
  std::unique_ptr<TForm1> form_;
};
