#pragma once
// Editor forms by class name. Chart elements name their editor
// (GetEditorClass) without knowing it; the editors look the name up here,
// so the engine needs no editor headers. Names match in any case; a name
// nobody registered gives null; a second form under one name is a
// programming error and raises.
#include <QHash>
#include <QString>

#include <functional>

class QWidget;
class TEditorForm;

class EditorFormRegistry {
 public:
  // Makes a form owned by `owner` (null: the caller owns it).
  using Factory = std::function<TEditorForm*(QWidget* owner)>;

  // Raises ChartException for an empty name, a taken name or no factory.
  void Register(const QString& name, Factory create);
  template <class T>
  void Register() {
    Register(QString::fromLatin1(T::staticMetaObject.className()),
             [](QWidget* owner) { return new T(owner); });
  }

  bool Contains(const QString& name) const;
  // A new form of the named class, or null for an unknown name.
  TEditorForm* Create(const QString& name, QWidget* owner = nullptr) const;

  int Count() const { return static_cast<int>(factories_.size()); }
  void Clear() { factories_.clear(); }

 private:
  QHash<QString, Factory> factories_;  // case-folded name
};

// The editors' registry: filled by the first ChartEditorScope, emptied by the last.
EditorFormRegistry& EditorForms();
