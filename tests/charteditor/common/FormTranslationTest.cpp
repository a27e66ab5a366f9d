// Translation of editor forms: nothing without a language list; with one,
// keys as the list writes them, accelerators unique within a form, and
// every kind of text a form shows.
#include "charteditor/common/ChartEditorScope.h"
#include "charteditor/common/FormTranslation.h"
#include "charteditor/common/TBrushDialog.h"
#include "charteditor/common/TFormPlotShape.h"
#include "charteditor/common/TPenDialog.h"
#include "charteditor/common/TPlotFontEditor.h"
#include "charteditor/common/TPlotGradientEditor.h"
#include "tests/base/LocaleScope.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>

namespace {

class LanguageScope {
 public:
  explicit LanguageScope(QStringList lines)
      : lines_(std::move(lines)), previous_(SetLanguageList(&lines_)) {}
  ~LanguageScope() { SetLanguageList(previous_); }

 private:
  QStringList lines_;
  const QStringList* previous_;
};

const QStringList kTestList = {QStringLiteral("CLOSE=Schliessen"),
                               QStringLiteral("CLOSE=Second"),
                               QStringLiteral("HELP=Hilfe"),
                               QStringLiteral("0=x"),
                               QStringLiteral("%=y"),
                               QStringLiteral("cancel=Abbrechen"),
                               QStringLiteral("GRößE=Taille"),
                               QStringLiteral("EMPTY="),
                               QStringLiteral("&CO=Partner"),
                               QStringLiteral("NUMBERS=123"),
                               QStringLiteral("ITEMS=Posten")};

// Every text a form shows, in walk order.
QStringList textsOf(QWidget& form) {
  QStringList texts{form.windowTitle()};
  for (QWidget* w : form.findChildren<QWidget*>()) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
    if (auto* c = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
    }
    if (auto* l = qobject_cast<QListWidget*>(w)) {
      for (int i = 0; i < l->count(); ++i) texts << l->item(i)->text();
    }
    if (auto* t = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < t->count(); ++i) texts << t->tabText(i);
    }
    texts << w->toolTip();
  }
  return texts;
}

}  // namespace

TEST(TranslateCaption, KeysAcceleratorsAndEndings) {
  LanguageScope language(kTestList);
  struct Case {
    const char* text;
    const char* usedBefore;
    bool translated;
    const char* result;
    const char* usedAfter;
  };
  const Case cases[] = {
      {"Close", "", true, "Schliessen", ""},  // first line of a name wins
      {"&Close", "", true, "&Schliessen", "S"},
      {"&Close", "S", true, "S&chliessen", "Sc"},
      {"&Close", "s", true, "&Schliessen", "sS"},  // taken keys compare case-sensitively
      {"&Close", "Schliens", true, "Schliessen", "Schliens"},  // no free character: none
      {"  &Help...  ", "", true, "&Hilfe...", "H"},
      {"Help:", "", true, "Hilfe:", ""},
      {"&Help...:", "", true, "&Hilfe...:", "H"},
      {"Cancel", "", true, "Abbrechen", ""},   // names match in any case
      {"&Größe:", "", true, "&Taille:", "T"},  // only a to z upper-cased
      {"&&Co", "", true, "Partner", ""},       // "&&" is an ampersand, not an accelerator
      {"&Numbers", "", true, "&123", "1"},
      {"0", "", false, "0", ""},
      {"%", "", false, "%", ""},
      {"?", "", false, "?", ""},
      {"Empty", "", false, "Empty", ""},
      {"Unknown", "", false, "Unknown", ""},
      {"   ", "", false, "   ", ""},
  };
  for (const Case& c : cases) {
    QString text = QString::fromUtf8(c.text);
    QString used = QString::fromUtf8(c.usedBefore);
    EXPECT_EQ(TranslateCaption(text, used), c.translated) << c.text;
    EXPECT_EQ(text, QString::fromUtf8(c.result)) << c.text;
    EXPECT_EQ(used, QString::fromUtf8(c.usedAfter)) << c.text;
  }
}

TEST(TranslateForm, WithoutAListEveryDialogKeepsItsTexts) {
  ChartEditorScope editors;
  ASSERT_EQ(LanguageList(), nullptr);
  std::unique_ptr<QWidget> forms[] = {
      std::make_unique<TPenDialog>(), std::make_unique<TBrushDialog>(),
      std::make_unique<TPlotGradientEditor>(), std::make_unique<TPlotFontEditor>(),
      std::make_unique<TFormPlotShape>()};
  for (auto& form : forms) {
    const QStringList before = textsOf(*form);
    TranslateForm(form.get());
    form->show();
    EXPECT_EQ(textsOf(*form), before) << form->metaObject()->className();
    QString text = QStringLiteral("&Close");
    QString used;
    EXPECT_FALSE(TranslateCaption(text, used));
  }
}

TEST(TranslateForm, EveryKindOfTextWithKeysResetPerForm) {
  LanguageScope language(kTestList);
  auto makeForm = [] {
    auto form = std::make_unique<QDialog>();
    form->setWindowTitle(QStringLiteral("Help"));
    auto* layout = new QVBoxLayout(form.get());
    auto* button = new QPushButton(QStringLiteral("&Close"), form.get());
    button->setObjectName(QStringLiteral("close"));
    button->setToolTip(QStringLiteral("Cancel"));
    layout->addWidget(button);
    auto* label = new QLabel(QStringLiteral("&Close"), form.get());  // outside the layout
    label->setObjectName(QStringLiteral("label"));
    auto* group = new QGroupBox(QStringLiteral("Help:"), form.get());
    auto* combo = new QComboBox(group);
    combo->addItems({QStringLiteral("Close"), QStringLiteral("Items"), QStringLiteral("0")});
    combo->setCurrentIndex(2);
    auto* list = new QListWidget(group);
    list->addItems({QStringLiteral("Items"), QStringLiteral("Help")});
    list->setCurrentRow(1);
    auto* tabs = new QTabWidget(form.get());
    tabs->addTab(new QWidget, QStringLiteral("&Help"));
    new QLineEdit(QStringLiteral("Cancel"), form.get());
    auto* action = new QAction(QStringLiteral("&Close"), form.get());
    action->setToolTip(QStringLiteral("Help"));
    // An embedded form of its own is left to its own translation.
    auto* inner = new QDialog(form.get(), Qt::Widget);
    new QPushButton(QStringLiteral("Cancel"), inner);
    return form;
  };
  for (int round = 0; round < 2; ++round) {
    auto form = makeForm();
    TranslateForm(form.get());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Hilfe"));
    auto* button = form->findChild<QPushButton*>(QStringLiteral("close"));
    // The first form's keys do not carry over: "&Schliessen" both times.
    EXPECT_EQ(button->text(), QStringLiteral("&Schliessen")) << round;
    EXPECT_EQ(button->toolTip(), QStringLiteral("Abbrechen"));
    auto* label = form->findChild<QLabel*>(QStringLiteral("label"));
    EXPECT_EQ(label->text(), QStringLiteral("S&chliessen"));
    EXPECT_EQ(label->size(), label->sizeHint());
    EXPECT_EQ(form->findChild<QGroupBox*>()->title(), QStringLiteral("Hilfe:"));
    auto* combo = form->findChild<QComboBox*>();
    EXPECT_EQ(combo->itemText(0), QStringLiteral("Schliessen"));
    EXPECT_EQ(combo->itemText(1), QStringLiteral("Posten"));
    EXPECT_EQ(combo->itemText(2), QStringLiteral("0"));
    EXPECT_EQ(combo->currentIndex(), 2);
    auto* list = form->findChild<QListWidget*>();
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Posten"));
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(form->findChild<QTabWidget*>()->tabText(0), QStringLiteral("&Hilfe"));
    EXPECT_EQ(form->findChild<QLineEdit*>()->text(), QStringLiteral("Abbrechen"));
    auto* action = form->findChild<QAction*>();
    EXPECT_EQ(action->text(), QStringLiteral("Sc&hliessen"));
    EXPECT_EQ(action->toolTip(), QStringLiteral("Hilfe"));
    auto* inner = form->findChild<QDialog*>();
    EXPECT_EQ(inner->findChild<QPushButton*>()->text(), QStringLiteral("Cancel"));
  }
}
