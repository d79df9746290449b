// The program's layers and its main window, opened once for the whole run,
// with helpers to fill and read the cell fields and to answer message boxes.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class MainWindowTest : public testing::Test {
 protected:
  static void SetUpTestSuite();
  // Every test starts from empty fields and a reset grid.
  void SetUp() override;
  void TearDown() override;
};

std::string FieldText(int32_t gadget);
// Nine rows of nine characters into the fields; '_' leaves a field empty.
void TypeRows(const std::vector<std::string>& rows);
// The fields row by row, '_' for an empty one.
std::vector<std::string> FieldRows();

struct SeenBox {
  std::string title;
  std::string text;
  bool stopIcon;
};

// Runs `action` and answers each message box it shows with OK; the boxes in
// the order they came.
std::vector<SeenBox> AnswerBoxes(const std::function<void()>& action);
