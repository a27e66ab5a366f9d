#include "platform/SettingsStore.h"

namespace platform {

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QString::fromLatin1(Organisation),
                                            QString::fromLatin1(Application))) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::key(const QString& group, const QString& name) {
  return group + QLatin1Char('/') + name;
}

bool SettingsStore::hasGroup(const QString& group) const {
  return settings_->childGroups().contains(group);
}

std::optional<QString> SettingsStore::value(const QString& group, const QString& name) const {
  const QString k = key(group, name);
  if (!settings_->contains(k)) return std::nullopt;
  return settings_->value(k).toString();
}

void SettingsStore::setValue(const QString& group, const QString& name, const QString& value) {
  settings_->setValue(key(group, name), value);
}

bool SettingsStore::remove(const QString& group, const QString& name) {
  const QString k = key(group, name);
  if (!settings_->contains(k)) return false;
  settings_->remove(k);
  return true;
}

bool SettingsStore::sync(QString* error) {
  settings_->sync();
  switch (settings_->status()) {
    case QSettings::NoError:
      return true;
    case QSettings::AccessError:
      if (error) *error = QStringLiteral("cannot write %1").arg(settings_->fileName());
      return false;
    case QSettings::FormatError:
      if (error) *error = QStringLiteral("%1 is not a valid ini file").arg(settings_->fileName());
      return false;
  }
  return false;
}

QString SettingsStore::fileName() const {
  return settings_->fileName();
}

}  // namespace platform
