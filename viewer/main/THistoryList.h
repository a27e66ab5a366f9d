#pragma once
// The recent-files list behind File > Reopen: at most MaxItems files, the most
// recent on top, kept as actions at the end of a base menu and stored in the
// user's settings (values File<i> = full path and Name<i> = caption under one
// group, i = 0 the most recent, without gaps).
//
// Entries are matched by canonical path, exactly (file names are case
// sensitive here). An empty submenu shows a disabled "(none)" entry.
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QAction;

namespace platform {
class SettingsStore;
}

class THistoryList : public QObject {
  Q_OBJECT

 public:
  // `store` must outlive the list.
  explicit THistoryList(platform::SettingsStore& store, QObject* parent = nullptr);
  ~THistoryList() override;

  // Settings group of the list ("LastFiles" for the main window).
  void SetRegKey(const QString& key);
  QString RegKey() const { return regKey_; }

  // The menu whose trailing actions are the list; set once, never replaced.
  void SetBaseMenu(QMenu* menu);
  QMenu* BaseMenu() const { return baseMenu_; }

  // Values below 1 are ignored; shrinking drops the oldest entries. The first
  // assignment makes the list ready and loads it from the store.
  void SetMaxItems(int maxItems);
  int MaxItems() const { return maxItems_; }

  // Number of file entries in the menu.
  int Count() const;
  // Full paths, most recent first.
  QStringList Files() const;

  // Puts an existing file at the top; an entry for the same file moves up,
  // a new one pushes the oldest out when the list is full. Names of missing
  // files are ignored.
  void Add(const QString& fileName);

  // Reads the stored list, dropping files that no longer exist.
  void LoadFromRegistry();
  // Stores the list; false (with the reason) when the store cannot be written.
  bool SaveToRegistry(QString* error = nullptr);

  // Menu caption of a path: its file name, '&' doubled so it shows as typed.
  static QString CaptionFor(const QString& path);

 Q_SIGNALS:
  // An entry was chosen; the path is as stored.
  void FileChosen(const QString& path);

 private:
  bool HoldsOnlyNone() const;
  QAction* NewEntry();
  static QString EntryPath(const QAction* action);
  void SetEntry(QAction* action, const QString& path, const QString& caption);

  platform::SettingsStore& store_;
  QString regKey_ = QStringLiteral("MRUList");
  QPointer<QMenu> baseMenu_;
  int firstIndex_ = -1;  // index in the base menu of the first entry; -1 until the first Add
  int maxItems_ = 4;
  bool ready_ = false;
};
