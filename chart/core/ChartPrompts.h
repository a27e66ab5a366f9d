#pragma once
// Everything the charting engine asks of the user goes through this one
// interface: questions, texts, colours, fonts, file names, error boxes and
// warnings that must not stop the work in hand. The Qt dialogs live in
// chart/widget; tests install a recording fake, so every path that would
// open a dialog runs headless.
#include "base/Colors.h"

#include <QString>
#include <QStringList>

struct ChartFontChoice {
  QString name;
  int size = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  base::TColor color = base::clBlack;
};

// The answer to a question that may also be called off.
enum class ChartAnswer { Yes, No, Cancel };

class ChartPrompts {
 public:
  virtual ~ChartPrompts() = default;

  // Yes/no question; true for yes.
  virtual bool Confirm(const QString& text) = 0;
  // Yes/no/cancel question; without an override it is called off.
  virtual ChartAnswer ConfirmOrCancel(const QString& /*text*/) { return ChartAnswer::Cancel; }
  // A line of text; false when cancelled, `value` then unchanged.
  virtual bool InputText(const QString& caption, const QString& prompt, QString& value) = 0;
  // A colour, starting from `color`; the custom colours are shared by every
  // colour dialog of the run. False when cancelled.
  virtual bool ChooseColor(base::TColor& color) = 0;
  virtual bool ChooseFont(ChartFontChoice& font) = 0;
  // A file name to open or save; `filter` in Qt's "Text (*.txt);;All (*)" form.
  virtual bool OpenFileName(const QString& caption, const QString& filter, QString& fileName) = 0;
  virtual bool SaveFileName(const QString& caption, const QString& filter, QString& fileName) = 0;
  // A file name to save under one of `filters` (Qt name filters):
  // `filterIndex` (1-based) is the one shown first and comes back as the
  // one picked; `defaultSuffix` is added to a name without one. Without an
  // override: SaveFileName over all of them, the index unchanged.
  virtual bool SaveFileNameFiltered(const QString& caption, const QStringList& filters,
                                    const QString& defaultSuffix, int& filterIndex,
                                    QString& fileName);
  // A picture file to open (bitmap, PNG or JPEG) through OpenFileName.
  bool OpenPictureFileName(QString& fileName);
  // A modal error box.
  virtual void Error(const QString& text) = 0;
  // A warning that must not block (a file being loaded goes on).
  virtual void Warning(const QString& text) = 0;
};

// The prompts in force. Before any are installed, questions are answered
// "no"/cancel and errors and warnings go to stderr.
ChartPrompts& Prompts();
// Installs `prompts` (not owned; null restores the default) and returns the
// previous one, so a test can restore it.
ChartPrompts* SetPrompts(ChartPrompts* prompts);
