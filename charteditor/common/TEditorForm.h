#pragma once
// The base of every editor form and dialog: shown modally with OK and
// Cancel, or embedded in an editor page (AddEditorForm) as a plain child
// widget. It edits one object, its tag, held so that the form notices when
// the object is freed: it then disables its controls and writes nothing.
// While a form fills its controls from the object (Loading()), the change
// handlers of those controls must not write back.
#include <QDialog>
#include <QPointer>

class QPushButton;
class QShowEvent;

class TEditorForm : public QDialog {
  Q_OBJECT

 public:
  explicit TEditorForm(QWidget* parent = nullptr);

  QObject* Tag() const { return tag_.data(); }
  // A new object to edit; the controls come back on if an earlier one was freed.
  void SetTag(QObject* tag);
  // True once the object given was freed.
  bool TagGone() const { return tagGone_; }

  // Where a form puts its controls; OK and Cancel sit below it.
  QWidget* Body() const { return body_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }
  // Embedded forms that write at once have no OK or Cancel; the form
  // shortens by their row.
  void SetOkCancelVisible(bool visible);

  // Translates the form (FormTranslation.h), only the first time.
  void Translate();

 protected:
  void showEvent(QShowEvent* event) override;

  bool Loading() const { return loading_ > 0; }
  // True when a control's change may be written to the object.
  bool CanWrite() const { return !Loading() && Tag() != nullptr; }

  // Marks the form as loading for its lifetime.
  class LoadingScope {
   public:
    explicit LoadingScope(TEditorForm& form) : form_(form) { ++form_.loading_; }
    ~LoadingScope() { --form_.loading_; }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

   private:
    TEditorForm& form_;
  };

 private:
  void TagDestroyed();

  QPointer<QObject> tag_;
  QMetaObject::Connection tagWatch_;
  bool tagGone_ = false;
  int loading_ = 0;
  bool translated_ = false;
  QWidget* body_;
  QWidget* buttonRow_;
  QPushButton* ok_;
  QPushButton* cancel_;
};
