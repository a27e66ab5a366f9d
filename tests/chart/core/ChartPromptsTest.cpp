// Questions to the user go through the installed prompts; without any they
// are answered no and nothing blocks.
#include "chart/core/ChartPrompts.h"
#include "tests/chart/support/RecordingChartPrompts.h"

#include <gtest/gtest.h>

TEST(ChartPromptsWithoutUser, AnswerNoAndLeaveValuesAlone) {
  ChartPrompts& p = Prompts();
  QString text = QStringLiteral("kept");
  base::TColor color = 0x123456;
  ChartFontChoice font;
  font.name = QStringLiteral("Arial");
  EXPECT_FALSE(p.Confirm(QStringLiteral("Delete?")));
  EXPECT_FALSE(p.InputText(QStringLiteral("c"), QStringLiteral("p"), text));
  EXPECT_FALSE(p.ChooseColor(color));
  EXPECT_FALSE(p.ChooseFont(font));
  EXPECT_FALSE(p.OpenFileName(QStringLiteral("c"), QStringLiteral("*.plc"), text));
  EXPECT_FALSE(p.SaveFileName(QStringLiteral("c"), QStringLiteral("*.plc"), text));
  EXPECT_EQ(text, QStringLiteral("kept"));
  EXPECT_EQ(color, 0x123456u);
  EXPECT_EQ(font.name, QStringLiteral("Arial"));
}

TEST(ChartPromptsRecording, AnswersFromItsScriptAndRestoresThePrevious) {
  ChartPrompts* before = &Prompts();
  {
    RecordingChartPrompts fake;
    EXPECT_EQ(&Prompts(), &fake);
    fake.confirmAnswers = {true};
    fake.colorAnswers = {0x00FF00};
    EXPECT_TRUE(Prompts().Confirm(QStringLiteral("Apply Changes ?")));
    EXPECT_FALSE(Prompts().Confirm(QStringLiteral("again")));
    base::TColor c = 0;
    EXPECT_TRUE(Prompts().ChooseColor(c));
    EXPECT_EQ(c, 0x00FF00u);
    Prompts().Warning(QStringLiteral("loading goes on"));
    EXPECT_EQ(fake.warnings(), QStringList{QStringLiteral("loading goes on")});
    EXPECT_EQ(fake.modalCalls, 3);
  }
  EXPECT_EQ(&Prompts(), before);
}
