// Shared by the widget tests: a plain form class and a fixture that leaves no form,
// message or backend behind for the next test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "widgets/application.h"
#include "widgets/backend.h"
#include "widgets/dialogs.h"
#include "widgets/form.h"

namespace qm::widgets::testing {

class TestForm : public Form {
public:
  explicit TestForm(std::string name) : Form(std::move(name)) {}
};

class WidgetsTest : public ::testing::Test {
protected:
  void SetUp() override { TakeShownMessages(); }
  void TearDown() override {
    SetBackend(nullptr); // before the forms go: a test's backend may log into its locals
    DestroyAllForms();
    TakeShownMessages();
  }

  static TestForm& NewForm(const std::string& name = "Form1") {
    return *CreateForm<TestForm>(name);
  }
};

} // namespace qm::widgets::testing
