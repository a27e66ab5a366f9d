// The recent-files list under File > Reopen: order, limits, matching, and the
// values it keeps in the settings store.
#include "platform/SettingsStore.h"
#include "viewer/THistoryList.h"

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
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    store_ = std::make_unique<platform::SettingsStore>(dir_.filePath(QStringLiteral("store.ini")));
  }

  QString MakeFile(const QString& name) {
    const QString path = dir_.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    return QFileInfo(path).canonicalFilePath();
  }

  // A list as the main window sets it up.
  std::unique_ptr<THistoryList> MakeList(QMenu& menu) {
    auto list = std::make_unique<THistoryList>(*store_);
    list->SetRegKey(QStringLiteral("LastFiles"));
    list->SetBaseMenu(&menu);
    list->SetMaxItems(4);
    return list;
  }

  static QStringList Captions(const QMenu& menu) {
    QStringList c;
    for (const QAction* a : menu.actions())
      c << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return c;
  }

  QTemporaryDir dir_;
  std::unique_ptr<platform::SettingsStore> store_;
};

TEST_F(HistoryListTest, EmptyListShowsDisabledNoneThatTheFirstFileReplaces) {
  QMenu menu;
  auto list = MakeList(menu);
  ASSERT_EQ(Captions(menu), QStringList{QStringLiteral("(none)")});
  EXPECT_FALSE(menu.actions()[0]->isEnabled());
  EXPECT_EQ(list->Count(), 0);

  const QString a = MakeFile(QStringLiteral("a.vq3"));
  list->Add(a);
  EXPECT_EQ(Captions(menu), QStringList{QStringLiteral("a.vq3")});  // no separator
  EXPECT_EQ(list->Files(), QStringList{a});
}

TEST_F(HistoryListTest, ReaddingMovesToTopAndAFifthFileDropsTheOldest) {
  QMenu menu;
  auto list = MakeList(menu);
  const QString f1 = MakeFile(QStringLiteral("1.vq3")), f2 = MakeFile(QStringLiteral("2.vq3")),
                f3 = MakeFile(QStringLiteral("3.vq3")), f4 = MakeFile(QStringLiteral("4.vq3")),
                f5 = MakeFile(QStringLiteral("5.vq3"));
  for (const QString& f : {f1, f2, f3}) list->Add(f);
  list->Add(f1);
  EXPECT_EQ(list->Files(), (QStringList{f1, f3, f2}));
  list->Add(f4);
  list->Add(f5);
  EXPECT_EQ(list->Files(), (QStringList{f5, f4, f1, f3}));
}

TEST_F(HistoryListTest, EntriesMatchByExactCanonicalPath) {
  QMenu menu;
  auto list = MakeList(menu);
  const QString lower = MakeFile(QStringLiteral("case.vq3"));
  const QString upper = MakeFile(QStringLiteral("CASE.vq3"));
  list->Add(lower);
  list->Add(upper);
  EXPECT_EQ(list->Count(), 2) << "names differing in case are different files here";

  // The same file reached through "." and ".." is one entry.
  QDir().mkpath(dir_.filePath(QStringLiteral("sub")));
  list->Add(dir_.filePath(QStringLiteral("sub/../case.vq3")));
  EXPECT_EQ(list->Files(), (QStringList{lower, upper}));
}

TEST_F(HistoryListTest, MissingFilesAndEmptyNamesAreIgnored) {
  QMenu menu;
  auto list = MakeList(menu);
  list->Add(QString());
  list->Add(dir_.filePath(QStringLiteral("absent.vq3")));
  list->Add(dir_.path());  // a folder is not a file
  EXPECT_EQ(list->Count(), 0);
  EXPECT_EQ(Captions(menu), QStringList{QStringLiteral("(none)")});
}

TEST_F(HistoryListTest, CaptionIsTheFileNameWithAmpersandsShownAsTyped) {
  QMenu menu;
  auto list = MakeList(menu);
  const QString f = MakeFile(QStringLiteral("heat & moisture.vq3"));
  list->Add(f);
  EXPECT_EQ(menu.actions()[0]->text(), QStringLiteral("heat && moisture.vq3"));
  EXPECT_EQ(THistoryList::CaptionFor(QStringLiteral("/a/b&c/d&e.zol")), QStringLiteral("d&&e.zol"));
}

TEST_F(HistoryListTest, ChoosingAnEntryReportsItsPath) {
  QMenu menu;
  auto list = MakeList(menu);
  const QString a = MakeFile(QStringLiteral("a.vq3")), b = MakeFile(QStringLiteral("b.vq3"));
  list->Add(a);
  list->Add(b);
  QString chosen;
  QObject::connect(list.get(), &THistoryList::FileChosen, [&](const QString& p) { chosen = p; });
  menu.actions()[1]->trigger();
  EXPECT_EQ(chosen, a);
}

TEST_F(HistoryListTest, ExistingMenuItemsGetASeparatorBeforeTheList) {
  QMenu menu;
  menu.addAction(QStringLiteral("Fixed entry"));
  auto list = MakeList(menu);
  list->Add(MakeFile(QStringLiteral("a.vq3")));
  EXPECT_EQ(Captions(menu), (QStringList{QStringLiteral("Fixed entry"), QStringLiteral("-"),
                                         QStringLiteral("a.vq3")}));
}

TEST_F(HistoryListTest, SavedListLoadsBackInOrderWithoutMissingFiles) {
  const QString f1 = MakeFile(QStringLiteral("1.vq3")), f2 = MakeFile(QStringLiteral("2.vq3")),
                f3 = MakeFile(QStringLiteral("3.vq3"));
  {
    QMenu menu;
    auto list = MakeList(menu);
    for (const QString& f : {f1, f2, f3}) list->Add(f);
    ASSERT_TRUE(list->SaveToRegistry());
  }
  EXPECT_EQ(store_->value(QStringLiteral("LastFiles"), QStringLiteral("File0")), f3);
  EXPECT_EQ(store_->value(QStringLiteral("LastFiles"), QStringLiteral("Name0")),
            QStringLiteral("3.vq3"));

  QFile::remove(f2);
  QMenu menu;
  auto list = MakeList(menu);
  EXPECT_EQ(list->Files(), (QStringList{f3, f1}));
}

TEST_F(HistoryListTest, LoadingStopsAtTheFirstGap) {
  const QString f0 = MakeFile(QStringLiteral("0.vq3")), f1 = MakeFile(QStringLiteral("1.vq3")),
                f3 = MakeFile(QStringLiteral("3.vq3"));
  const QString g = QStringLiteral("LastFiles");
  store_->setValue(g, QStringLiteral("File0"), f0);
  store_->setValue(g, QStringLiteral("Name0"), QStringLiteral("0.vq3"));
  store_->setValue(g, QStringLiteral("File1"), f1);
  store_->setValue(g, QStringLiteral("Name1"), QStringLiteral("1.vq3"));
  store_->setValue(g, QStringLiteral("File3"), f3);
  store_->setValue(g, QStringLiteral("Name3"), QStringLiteral("3.vq3"));
  QMenu menu;
  auto list = MakeList(menu);
  EXPECT_EQ(list->Files(), (QStringList{f0, f1}));
}

TEST_F(HistoryListTest, SavingAShorterListRemovesTheStaleValues) {
  const QString g = QStringLiteral("LastFiles");
  QStringList files;
  for (int i = 0; i < 4; ++i) files << MakeFile(QStringLiteral("%1.vq3").arg(i));
  {
    QMenu menu;
    auto list = MakeList(menu);
    for (const QString& f : files) list->Add(f);
    ASSERT_TRUE(list->SaveToRegistry());
  }
  ASSERT_TRUE(store_->value(g, QStringLiteral("File3")).has_value());
  {
    QMenu menu;
    auto list = std::make_unique<THistoryList>(*store_);
    list->SetRegKey(g);
    list->SetBaseMenu(&menu);
    list->SetMaxItems(2);  // loads and keeps only the two most recent
    ASSERT_EQ(list->Count(), 2);
    ASSERT_TRUE(list->SaveToRegistry());
  }
  for (const char* gone : {"File2", "Name2", "File3", "Name3"})
    EXPECT_FALSE(store_->value(g, QString::fromLatin1(gone)).has_value()) << gone;
  EXPECT_EQ(store_->value(g, QStringLiteral("File1")), files[2]);
}

TEST_F(HistoryListTest, ShrinkingMaxItemsDropsOldestAndValuesBelowOneAreIgnored) {
  QMenu menu;
  auto list = MakeList(menu);
  const QString a = MakeFile(QStringLiteral("a.vq3")), b = MakeFile(QStringLiteral("b.vq3")),
                c = MakeFile(QStringLiteral("c.vq3"));
  for (const QString& f : {a, b, c}) list->Add(f);
  list->SetMaxItems(0);
  EXPECT_EQ(list->MaxItems(), 4);
  list->SetMaxItems(1);
  EXPECT_EQ(list->Files(), QStringList{c});
}

}  // namespace
