// The program started as its start-up starts it, in a copy of its program folder, with every
// window created and the main window shown. The data module finds no database (its box goes to
// the test's dialogs, which a test declares as a member of its own).
#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "app/startup.h"
#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "program_folder.h"
#include "qt_app.h"

class StartedProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    startup::PrepareApplication(EnsureApplication());
    Engine = MakeDefaultDesign();
    qputenv("VINDARGAST_DB", "DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=1;");
    BeforeStart();
    startup::Options options;
    options.splashInterval = 10;
    ASSERT_TRUE(startup::CreateWindows(options));
    QTRY_VERIFY(Form1->isVisible());
  }
  void TearDown() override {
    startup::DestroyWindows();
    Engine = MakeDefaultDesign();
  }
  // What the program folder needs beyond the copy of the data, before the start.
  virtual void BeforeStart() {}
  // The shipped default and factory designs, which the start reads.
  void CopyDefaultSettings() {
    for (const char* name : {"default.xml", "default_fabryczne.xml"})
      std::filesystem::copy_file(std::filesystem::path(VINDARGAST_DATA) / name, folder_.File(name));
  }

  ProgramFolder folder_;
};
