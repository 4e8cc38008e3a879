// The main window over the small catalogue set, the download progress window, and a loopback
// HTTP server standing in for the vendor's, made the program's server for the test's life.
#pragma once

#include <memory>

#include "catalogue_set.h"
#include "http_server.h"
#include "main/pobieranie.h"

class VendorServerTest : public CatalogueSetTest {
 protected:
  void SetUp() override {
    CatalogueSetTest::SetUp();
    form2_ = std::make_unique<TForm2>();
    Form2 = form2_.get();
    qputenv("VINDARGAST_SERVER", server_.Address().toUtf8());
  }
  void TearDown() override {
    qunsetenv("VINDARGAST_SERVER");
    Form2 = nullptr;
    form2_.reset();
    CatalogueSetTest::TearDown();
  }

  TestHttpServer server_;

 private:
  std::unique_ptr<TForm2> form2_;
};
