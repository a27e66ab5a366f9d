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
#include <utility>
#include <vector>

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

// A stored list is read from File0 and Name0 on and ends at the first
// number missing either value; files deleted since drop out, the rest keep
// their stored order with the most recent on top.
TEST_F(HistoryListTest, StoredListsLoadUpToTheFirstGapWithoutDeletedFiles) {
  QStringList f;
  for (int i = 0; i < 4; ++i) f << MakeFile(QStringLiteral("f%1.vq3").arg(i));
  const QString gone = dir_.filePath(QStringLiteral("gone.vq3"));
  const struct {
    const char* name;
    std::vector<int> files, names, loaded;  // File<n> is f[n], Name<n> any text
    int deleted = -1;                       // a File<n> whose file is gone
  } table[] = {
      {"File2 missing", {0, 1, 3}, {0, 1, 3}, {0, 1}},
      {"Name1 missing", {0, 1, 2}, {0, 2}, {0}},
      {"middle file deleted", {0, 1, 2}, {0, 1, 2}, {0, 2}, 1},
      {"nothing at 0", {1}, {1}, {}},
  };
  const QString group = QStringLiteral("LastFiles");
  for (const auto& row : table) {
    SCOPED_TRACE(row.name);
    for (int i = 0; i < 4; ++i) {
      store_.remove(group, QStringLiteral("File%1").arg(i));
      store_.remove(group, QStringLiteral("Name%1").arg(i));
    }
    for (int n : row.files)
      store_.setValue(group, QStringLiteral("File%1").arg(n), n == row.deleted ? gone : f[n]);
    for (int n : row.names) store_.setValue(group, QStringLiteral("Name%1").arg(n), "x");
    QStringList loaded;
    for (int n : row.loaded) loaded << f[n];
    QMenu menu;
    EXPECT_EQ(MakeList(menu)->Files(), loaded);
  }
}

// Saving a shorter list removes the numbers beyond it, file and name alike.
TEST_F(HistoryListTest, SavingFewerFilesRemovesTheStaleNumbers) {
  QStringList f;
  for (int i = 0; i < 4; ++i) f << MakeFile(QStringLiteral("s%1.vq3").arg(i));
  const QString group = QStringLiteral("LastFiles");
  for (int i = 0; i < 4; ++i) {
    store_.setValue(group, QStringLiteral("File%1").arg(i), f[i]);
    store_.setValue(group, QStringLiteral("Name%1").arg(i), QFileInfo(f[i]).fileName());
  }
  QFile::remove(f[1]);
  QFile::remove(f[3]);
  QMenu menu;
  auto list = MakeList(menu);
  ASSERT_EQ(list->Files(), (QStringList{f[0], f[2]}));
  QString error;
  ASSERT_TRUE(list->SaveToRegistry(&error)) << error.toStdString();
  EXPECT_EQ(store_.value(group, QStringLiteral("File0")), f[0]);
  EXPECT_EQ(store_.value(group, QStringLiteral("Name0")), QStringLiteral("s0.vq3"));
  EXPECT_EQ(store_.value(group, QStringLiteral("File1")), f[2]);
  EXPECT_EQ(store_.value(group, QStringLiteral("Name1")), QStringLiteral("s2.vq3"));
  for (const char* stale : {"File2", "Name2", "File3", "Name3"})
    EXPECT_FALSE(store_.value(group, QString::fromLatin1(stale))) << stale;
}

}  // namespace
