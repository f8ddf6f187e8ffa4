// A shown editor widget with fixed colours, and helpers that read what a user would see.
#pragma once

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QTest>
#include <memory>
#include <string>

#include "QtTestApp.h"
#include "xeColors.h"
#include "xeCustomEdit.h"

class WidgetTest : public ::testing::Test {
 protected:
  static constexpr TColor kSelBG = 0x0000FF;  // red
  static constexpr TColor kSelFG = 0xFFFFFF;  // white
  static constexpr TColor kBack = 0xFFFFFF;   // white
  static constexpr TColor kText = 0x000000;   // black

  void SetUp() override {
    EnsureQtApp();
    Edit = std::make_unique<TxeCustomEdit>();
    QFont f(QStringLiteral("Liberation Mono"));
    f.setPixelSize(14);
    Edit->SetFont(f);
    Edit->SetColor(kBack);
    Edit->SetFontColor(kText);
    Edit->SelectedColor().SetBackground(kSelBG);
    Edit->SelectedColor().SetForeground(kSelFG);
    Edit->resize(400, 300);
    Edit->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Edit.get()));
  }
  void TearDown() override { Edit.reset(); }

  void SetText(const std::string& text) { Edit->SetText(text); }

  QImage Shot() {
    QImage img(Edit->viewport()->size(), QImage::Format_RGB32);
    Edit->viewport()->render(&img);
    return img;
  }
  // Centre of a 1-based display cell on a 1-based visible row.
  QPoint CellCentre(int cell, int row) const {
    return {Edit->ColumnToX(cell) + Edit->CharWidth() / 2,
            (row - 1) * Edit->LineHeight() + Edit->LineHeight() / 2};
  }
  // The pixel in the lower band of a cell, where glyphs rarely reach: the cell's background.
  QRgb CellBackground(const QImage& img, int cell, int row) const {
    return img.pixel(Edit->ColumnToX(cell) + 1, (row - 1) * Edit->LineHeight() + Edit->LineHeight() - 1);
  }
  // True when any pixel of the cell differs from `background`.
  bool CellHasInk(const QImage& img, int cell, int row, QRgb background) const {
    const int x0 = Edit->ColumnToX(cell), y0 = (row - 1) * Edit->LineHeight();
    for (int y = y0; y < y0 + Edit->LineHeight(); ++y)
      for (int x = x0; x < x0 + Edit->CharWidth(); ++x)
        if (img.pixel(x, y) != background) return true;
    return false;
  }
  static QRgb Rgb(TColor c) { return ColorToRGB(c).rgb(); }

  std::unique_ptr<TxeCustomEdit> Edit;
};
