// The editor's page factories: one per sheet, null for a sheet without one,
// a second factory refused, and all of them gone with the last editor scope.
#include "chart/core/ChartExceptions.h"
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/EditorPageRegistry.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

void registerGeneralPage(EditorFormRegistry&) {
  EditorPages().Register(EditorPage::General,
                         [](const EditorPageContext& c) { return new QWidget(c.parent); });
}

}  // namespace

TEST(EditorPageRegistry, BuildsRegisteredPagesInTheirSheetAndRefusesASecondFactory) {
  EditorPageRegistry registry;
  QWidget sheet;
  const EditorPageContext context{nullptr, nullptr, &sheet};
  EXPECT_EQ(registry.Create(EditorPage::Print, context), nullptr);
  registry.Register(EditorPage::Print,
                    [](const EditorPageContext& c) { return new QWidget(c.parent); });
  EXPECT_TRUE(registry.Contains(EditorPage::Print));
  EXPECT_FALSE(registry.Contains(EditorPage::Export));
  QWidget* page = registry.Create(EditorPage::Print, context);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(page->parentWidget(), &sheet);
  EXPECT_THROW(
      registry.Register(EditorPage::Print, [](const EditorPageContext&) { return nullptr; }),
      ChartException);
  EXPECT_THROW(registry.Register(EditorPage::Export, {}), ChartException);
  EXPECT_FALSE(registry.Contains(EditorPage::Export));
}

TEST(EditorPageRegistry, RegistrarsFillItWhileTheEditorsRun) {
  {
    ChartEditorScope outer({registerGeneralPage});
    {
      ChartEditorScope inner;
      EXPECT_TRUE(EditorPages().Contains(EditorPage::General));
    }
    EXPECT_TRUE(EditorPages().Contains(EditorPage::General));
  }
  EXPECT_FALSE(EditorPages().Contains(EditorPage::General));
  RemoveEditorFormRegistrar(registerGeneralPage);
}
