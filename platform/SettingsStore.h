#pragma once
// The per-user settings store: an ini file under the user's config folder
// (organisation "Orv-Software", application "Veltrano"), read and written
// through QSettings. One store stands for one registry key path: values live
// in groups named like registry keys ("LastFiles").
//
// Only string values are used; a missing value reads as "not there", which
// callers tell apart from an empty one.
#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

namespace platform {

class SettingsStore {
 public:
  static constexpr const char* Organisation = "Orv-Software";
  static constexpr const char* Application = "Veltrano";

  // The user's store for this program.
  SettingsStore();
  // A store in an explicit ini file (tests, or a second store beside the user's).
  explicit SettingsStore(const QString& iniPath);
  ~SettingsStore();

  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // Whether the group exists (has at least one value).
  bool hasGroup(const QString& group) const;
  std::optional<QString> value(const QString& group, const QString& name) const;
  void setValue(const QString& group, const QString& name, const QString& value);
  // True when the value existed.
  bool remove(const QString& group, const QString& name);

  // Writes pending changes to disk; false with a reason when the file cannot
  // be written (read-only folder, disk full).
  bool sync(QString* error = nullptr);

  // Path of the ini file behind the store.
  QString fileName() const;

 private:
  static QString key(const QString& group, const QString& name);
  std::unique_ptr<QSettings> settings_;
};

}  // namespace platform
