#include "viewer/main/THistoryList.h"

#include "platform/SettingsStore.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
const char* const kFilePrefix = "File";
const char* const kNamePrefix = "Name";
const char* const kNoneCaption = "(none)";

QString ValueName(const char* prefix, int i) {
  return QString::fromLatin1(prefix) + QString::number(i);
}

// The identity of a file on disk: symlinks and "." / ".." resolved. Empty when
// the file does not exist.
QString CanonicalFile(const QString& fileName) {
  const QFileInfo info(fileName);
  if (!info.isFile()) return {};
  return info.canonicalFilePath();
}
}  // namespace

THistoryList::THistoryList(platform::SettingsStore& store, QObject* parent)
    : QObject(parent), store_(store) {}

THistoryList::~THistoryList() {
  if (!baseMenu_) return;
  // The list owns every action of its base menu, the "(none)" entry included.
  const QList<QAction*> actions = baseMenu_->actions();
  for (qsizetype i = actions.size() - 1; i >= 0; --i) {
    baseMenu_->removeAction(actions[i]);
    if (actions[i]->parent() == baseMenu_) delete actions[i];
  }
}

void THistoryList::SetRegKey(const QString& key) {
  regKey_ = key;
  LoadFromRegistry();
}

void THistoryList::SetBaseMenu(QMenu* menu) {
  if (baseMenu_ || !menu) return;
  baseMenu_ = menu;
  if (menu->actions().isEmpty()) {
    QAction* none = menu->addAction(QString::fromLatin1(kNoneCaption));
    none->setEnabled(false);
  }
  LoadFromRegistry();
}

void THistoryList::SetMaxItems(int maxItems) {
  if (maxItems < 1) return;
  while (Count() > maxItems) {
    QAction* last = baseMenu_->actions().constLast();
    baseMenu_->removeAction(last);
    delete last;
  }
  maxItems_ = maxItems;
  if (!ready_) {
    ready_ = true;
    LoadFromRegistry();
  }
}

bool THistoryList::HoldsOnlyNone() const {
  const QList<QAction*> actions = baseMenu_->actions();
  return actions.size() == 1 && !actions[0]->isEnabled() && !actions[0]->isSeparator() &&
         actions[0]->text() == QString::fromLatin1(kNoneCaption);
}

int THistoryList::Count() const {
  if (!baseMenu_ || firstIndex_ < 0 || HoldsOnlyNone()) return 0;
  return std::max<int>(0, static_cast<int>(baseMenu_->actions().size()) - firstIndex_);
}

QStringList THistoryList::Files() const {
  QStringList files;
  const int n = Count();
  const QList<QAction*> actions = n > 0 ? baseMenu_->actions() : QList<QAction*>();
  for (int i = 0; i < n; ++i) files << EntryPath(actions[firstIndex_ + i]);
  return files;
}

QString THistoryList::CaptionFor(const QString& path) {
  QString name = QFileInfo(path).fileName();
  name.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return name;
}

QString THistoryList::EntryPath(const QAction* action) {
  return action->data().toString();
}

void THistoryList::SetEntry(QAction* action, const QString& path, const QString& caption) {
  action->setText(caption);
  action->setData(path);
  action->setStatusTip(path);
  action->setToolTip(path);
}

QAction* THistoryList::NewEntry() {
  QAction* action = baseMenu_->addAction(QString());
  connect(action, &QAction::triggered, this, [this, action] {
    // Read the path at click time: entries shift as files are added.
    Q_EMIT FileChosen(EntryPath(action));
  });
  return action;
}

void THistoryList::Add(const QString& fileName) {
  if (fileName.isEmpty() || !baseMenu_) return;
  const QString path = CanonicalFile(fileName);
  if (path.isEmpty()) return;

  if (Count() == 0) {
    if (HoldsOnlyNone()) {
      QAction* none = baseMenu_->actions().constFirst();
      baseMenu_->removeAction(none);
      delete none;
    }
    if (!baseMenu_->actions().isEmpty()) baseMenu_->addSeparator();
    firstIndex_ = static_cast<int>(baseMenu_->actions().size());
  }

  QList<QAction*> actions = baseMenu_->actions();
  int slot = -1;
  for (int i = firstIndex_; i < actions.size(); ++i) {
    if (EntryPath(actions[i]) == path) {
      slot = i;
      break;
    }
  }
  if (slot < 0) {
    if (Count() < maxItems_) {
      NewEntry();
      actions = baseMenu_->actions();
    }
    // A full list overwrites its oldest entry.
    slot = static_cast<int>(actions.size()) - 1;
  }
  for (int i = slot; i > firstIndex_; --i) {
    SetEntry(actions[i], EntryPath(actions[i - 1]), actions[i - 1]->text());
  }
  SetEntry(actions[firstIndex_], path, CaptionFor(path));
}

void THistoryList::LoadFromRegistry() {
  if (!ready_ || !baseMenu_ || regKey_.isEmpty()) return;
  if (!store_.hasGroup(regKey_)) return;
  std::vector<QString> paths;
  for (int i = 0;; ++i) {
    const auto file = store_.value(regKey_, ValueName(kFilePrefix, i));
    const auto name = store_.value(regKey_, ValueName(kNamePrefix, i));
    if (!file || !name) break;
    paths.push_back(*file);
    // Only a handful are ever shown; a hand-edited store with thousands of
    // values must not be walked to its end.
    if (paths.size() >= 1000) break;
  }
  // Oldest first, so the stored order comes back with the most recent on top.
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) Add(*it);
}

bool THistoryList::SaveToRegistry(QString* error) {
  const int n = Count();
  if (n < 1 || !baseMenu_ || regKey_.isEmpty()) return true;
  const QList<QAction*> actions = baseMenu_->actions();
  for (int i = 0; i < n; ++i) {
    const QAction* a = actions[firstIndex_ + i];
    store_.setValue(regKey_, ValueName(kFilePrefix, i), EntryPath(a));
    // The stored name is the file name as shown, without the mnemonic escape.
    store_.setValue(regKey_, ValueName(kNamePrefix, i), QFileInfo(EntryPath(a)).fileName());
  }
  for (int i = n;; ++i) {
    if (!store_.remove(regKey_, ValueName(kFilePrefix, i))) break;
    store_.remove(regKey_, ValueName(kNamePrefix, i));
  }
  return store_.sync(error);
}
