// The recent-files list under File > Reopen: order, limits and matching.
#include "platform/SettingsStore.h"
#include "viewer/main/THistoryList.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <memory>

namespace {

class HistoryListTest : public testing::Test {
 protected:
  QString MakeFile(const QString& name) {
    const QString path = dir_.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    return QFileInfo(path).canonicalFilePath();
  }

  // A list as the main window sets it up.
  std::unique_ptr<THistoryList> MakeList(QMenu& menu) {
    auto list = std::make_unique<THistoryList>(store_);
    list->SetRegKey(QStringLiteral("LastFiles"));
    list->SetBaseMenu(&menu);
    list->SetMaxItems(4);
    return list;
  }

  static QStringList Captions(const QMenu& menu) {
    QStringList c;
    for (const QAction* a : menu.actions()) c << a->text();
    return c;
  }

  QTemporaryDir dir_;
  platform::SettingsStore store_{dir_.filePath(QStringLiteral("store.ini"))};
};

TEST_F(HistoryListTest, EmptyListShowsDisabledNoneUntilAnExistingFileIsAdded) {
  QMenu menu;
  auto list = MakeList(menu);
  ASSERT_EQ(Captions(menu), QStringList{QStringLiteral("(none)")});
  EXPECT_FALSE(menu.actions()[0]->isEnabled());
  list->Add(QString());
  list->Add(dir_.filePath(QStringLiteral("absent.vq3")));
  list->Add(dir_.path());  // a folder is not a file
  EXPECT_EQ(Captions(menu), QStringList{QStringLiteral("(none)")});

  const QString a = MakeFile(QStringLiteral("heat & moisture.vq3"));
  list->Add(a);
  EXPECT_EQ(Captions(menu), QStringList{QStringLiteral("heat && moisture.vq3")});
  EXPECT_EQ(THistoryList::CaptionFor(QStringLiteral("/a/b&c/d&e.zol")), QStringLiteral("d&&e.zol"));
}

TEST_F(HistoryListTest, ReaddingMovesToTopAndAtMostFourStay) {
  QMenu menu;
  auto list = MakeList(menu);
  QStringList f;
  for (int i = 1; i <= 5; ++i) f << MakeFile(QStringLiteral("%1.vq3").arg(i));
  for (int i : {0, 1, 2, 0}) list->Add(f[i]);
  EXPECT_EQ(list->Files(), (QStringList{f[0], f[2], f[1]}));
  list->Add(f[3]);
  list->Add(f[4]);
  EXPECT_EQ(list->Files(), (QStringList{f[4], f[3], f[0], f[2]}));
  list->SetMaxItems(0);  // ignored
  list->SetMaxItems(1);
  EXPECT_EQ(list->Files(), QStringList{f[4]});
}

TEST_F(HistoryListTest, EntriesMatchByExactCanonicalPath) {
  QMenu menu;
  auto list = MakeList(menu);
  const QString lower = MakeFile(QStringLiteral("case.vq3"));
  const QString upper = MakeFile(QStringLiteral("CASE.vq3"));
  list->Add(lower);
  list->Add(upper);
  QDir().mkpath(dir_.filePath(QStringLiteral("sub")));
  list->Add(dir_.filePath(QStringLiteral("sub/../case.vq3")));
  EXPECT_EQ(list->Files(), (QStringList{lower, upper}));
}

}  // namespace
