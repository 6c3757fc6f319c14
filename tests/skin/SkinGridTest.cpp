#include "skin/SkinGrid.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTableWidget>

#include "skin/SkinClasses.h"
#include "tests/skin/SkinTestSupport.h"
#include "windowing/Form.h"

namespace {

struct Grid {
  explicit Grid(TSkinUIStyle style) {
    AddSkinForm(form, style);
    grid = Make<TSkinStringGrid>(form, form, "G");
    grid->SetColCount(3);
    grid->SetRowCount(5);
    grid->SetFixedCols(0);
    grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRowSelect);
    grid->SetBounds(0, 0, 220, 150);
    grid->SetCells(0, 0, "Brand");
    grid->OnDrawCell = [this](TComponent*, TCanvas&, int col, int row, TRect, TGridDrawState) {
      order.push_back(std::to_string(col) + "," + std::to_string(row));
    };
    form.Show();
  }
  TColor Body(int col, int row) const {
    const QImage shot = grid->Table().viewport()->grab().toImage();
    const QRect cell = grid->Table().visualRect(grid->Table().model()->index(row - 1, col));
    return QRgbToColor(shot.pixel(cell.right() - 3, cell.bottom() - 3));
  }
  TForm form{nullptr};
  TSkinStringGrid* grid;
  std::vector<std::string> order;
};

}  // namespace

TEST(SkinStringGrid, TakesTheStyleColoursAndFillsSelectedAndFocusedCells) {
  struct Case {
    TSkinUIStyle style;
    TColor fixed, fixedFont, body, border;
  };
  const Case cases[] = {{TSkinUIStyle::Crystal, 0xC4302D, clWhite, 0xFBFBFB, clBlack},
                        {TSkinUIStyle::Azure, 0xEFD3C6, clBlack, 0xDEEBEF, 0x686868}};
  for (const Case& c : cases) {
    Grid g(c.style);
    EXPECT_EQ(g.grid->FixedColor(), c.fixed);
    EXPECT_EQ(g.grid->FixedFontColor(), c.fixedFont);
    EXPECT_EQ(g.grid->Color(), c.body);
    EXPECT_EQ(g.grid->Font().Color(), clBlack);
    EXPECT_EQ(g.grid->BorderColor(), c.border);
    EXPECT_EQ(At(g.grid->grab().toImage(), 0, 0), c.border);
    EXPECT_EQ(g.grid->Table().geometry().topLeft(), QPoint(1, 1));  // inside the one-pixel border
    g.grid->SetRow(2);
    EXPECT_EQ(g.Body(0, 2), clLime);    // focused (and selected): lime wins
    EXPECT_EQ(g.Body(1, 2), clYellow);  // selected
    EXPECT_EQ(g.Body(1, 3), c.body);
    const QImage heading = g.grid->Table().horizontalHeader()->grab().toImage();
    EXPECT_EQ(At(heading, 58, 3), c.fixed);
    EXPECT_FALSE(g.order.empty());  // OnDrawCell still runs for every cell
  }
}

TEST(SkinStringGrid, ColoursStoredAfterTheStyleWinAndCtl3DReadsFalse) {
  RegisterSkinClasses();
  TForm form(nullptr);
  form.LoadDescription(
      "object Form1: TForm\n"
      "  object Theme: TSkinFileTheme\n"
      "  end\n"
      "  object G: TSkinStringGrid\n"
      "    FileTheme = Theme\n"
      "    UIStyle = Crystal\n"
      "    BGColor = clAqua\n"
      "    BorderColor = clRed\n"
      "    FixedFontColor = clNavy\n"
      "    FixedBGColor = clGreen\n"
      "    FontColor = clMaroon\n"
      "    Ctl3D = True\n"
      "  end\n"
      "end\n");
  auto* grid = static_cast<TSkinStringGrid*>(form.FindComponent("G"));
  EXPECT_EQ(grid->Color(), clAqua);
  EXPECT_EQ(grid->BorderColor(), clRed);
  EXPECT_EQ(grid->FixedFontColor(), clNavy);
  EXPECT_EQ(grid->FixedColor(), clGreen);
  EXPECT_EQ(grid->Font().Color(), clMaroon);
  EXPECT_FALSE(grid->Ctl3D());
  delete form.FindComponent("Theme");
  EXPECT_EQ(grid->UIStyle(), TSkinUIStyle::Midnight);
  EXPECT_EQ(grid->FixedColor(), 0xA04A44);
}
