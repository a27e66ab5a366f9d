#include "base/FormatSettings.h"

namespace base {

namespace {

bool isAsciiLetter(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

// The first separator character of a QLocale pattern, outside quoted text.
QChar firstSeparator(const QString& pattern, QChar fallback) {
  bool quoted = false;
  for (QChar c : pattern) {
    if (c == QLatin1Char('\'')) {
      quoted = !quoted;
      continue;
    }
    if (quoted || isAsciiLetter(c) || c.isSpace() || c == QLatin1Char(',')) continue;
    return c;
  }
  return fallback;
}

// Literal text for FormatDateTime: quoted when it holds anything the
// formatter would interpret.
void appendLiteral(QString& out, const QString& text) {
  if (text.isEmpty()) return;
  bool plain = true;
  for (QChar c : text) {
    if (isAsciiLetter(c) || c == QLatin1Char('"') || c == QLatin1Char('\'') ||
        c == QLatin1Char('/') || c == QLatin1Char(':'))
      plain = false;
  }
  if (plain) {
    out += text;
  } else if (!text.contains(QLatin1Char('"'))) {
    out += QLatin1Char('"') + text + QLatin1Char('"');
  } else {
    out += QLatin1Char('\'') + text + QLatin1Char('\'');
  }
}

}  // namespace

QString QtPatternToFormatDateTime(const QString& p, QChar dateSeparator, QChar timeSeparator) {
  QString out;
  QString literal;
  const int n = static_cast<int>(p.size());
  auto flush = [&] {
    appendLiteral(out, literal);
    literal.clear();
  };
  int i = 0;
  while (i < n) {
    const QChar c = p[i];
    if (c == QLatin1Char('\'')) {
      // Quoted text; '' inside or outside quotes is one apostrophe.
      ++i;
      if (i < n && p[i] == QLatin1Char('\'')) {
        literal += QLatin1Char('\'');
        ++i;
        continue;
      }
      while (i < n) {
        if (p[i] == QLatin1Char('\'')) {
          if (i + 1 < n && p[i + 1] == QLatin1Char('\'')) {
            literal += QLatin1Char('\'');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        literal += p[i++];
      }
      continue;
    }
    if (!isAsciiLetter(c)) {
      if (!dateSeparator.isNull() && c == dateSeparator) {
        flush();
        out += QLatin1Char('/');
      } else if (!timeSeparator.isNull() && c == timeSeparator) {
        flush();
        out += QLatin1Char(':');
      } else {
        literal += c;
      }
      ++i;
      continue;
    }
    int run = 1;
    while (i + run < n && p[i + run] == c) ++run;
    const char l = static_cast<char>(c.unicode());
    QString token;
    switch (l) {
      case 'd':
        token = QString(std::min(run, 4), QLatin1Char('d'));
        break;
      case 'M':
        token = QString(std::min(run, 4), QLatin1Char('m'));
        break;
      case 'y':
        token = run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        break;
      case 'h':
      case 'H':
        token = QString(std::min(run, 2), QLatin1Char('h'));
        break;
      case 'm':
        token = QString(std::min(run, 2), QLatin1Char('n'));
        break;
      case 's':
        token = QString(std::min(run, 2), QLatin1Char('s'));
        break;
      case 'z':
        token = run >= 3 ? QStringLiteral("zzz") : QStringLiteral("z");
        break;
      case 'A':
      case 'a':
        token = QStringLiteral("ampm");
        if (run == 1 && i + 1 < n && (p[i + 1] == QLatin1Char('P') || p[i + 1] == QLatin1Char('p')))
          run = 2;
        break;
      case 't':
        // Time-zone names have no counterpart; drop them with the blank before.
        if (literal.endsWith(QLatin1Char(' '))) literal.chop(1);
        break;
      default:
        literal += QString(run, c);
        i += run;
        continue;
    }
    flush();
    out += token;
    i += run;
  }
  flush();
  return out.trimmed();
}

FormatSettings FormatSettings::FromLocale(const QLocale& locale) {
  FormatSettings s;
  const QString dp = locale.decimalPoint();
  const QString gs = locale.groupSeparator();
  if (!dp.isEmpty()) s.DecimalSeparator = dp[0];
  if (!gs.isEmpty()) s.ThousandSeparator = gs[0];

  const QString qtShortDate = locale.dateFormat(QLocale::ShortFormat);
  const QString qtShortTime = locale.timeFormat(QLocale::ShortFormat);
  s.DateSeparator = firstSeparator(qtShortDate, QLatin1Char('/'));
  s.TimeSeparator = firstSeparator(qtShortTime, QLatin1Char(':'));
  s.ShortDateFormat = QtPatternToFormatDateTime(qtShortDate, s.DateSeparator, QChar());
  s.LongDateFormat =
      QtPatternToFormatDateTime(locale.dateFormat(QLocale::LongFormat), s.DateSeparator, QChar());
  s.ShortTimeFormat = QtPatternToFormatDateTime(qtShortTime, QChar(), s.TimeSeparator);
  s.LongTimeFormat =
      QtPatternToFormatDateTime(locale.timeFormat(QLocale::LongFormat), QChar(), s.TimeSeparator);
  s.TimeAMString = locale.amText();
  s.TimePMString = locale.pmText();

  for (int m = 0; m < 12; ++m) {
    s.ShortMonthNames[m] = locale.monthName(m + 1, QLocale::ShortFormat);
    s.LongMonthNames[m] = locale.monthName(m + 1, QLocale::LongFormat);
  }
  for (int d = 0; d < 7; ++d) {
    const int qtDay = d == 0 ? 7 : d;  // Qt counts Monday = 1 .. Sunday = 7
    s.ShortDayNames[d] = locale.dayName(qtDay, QLocale::ShortFormat);
    s.LongDayNames[d] = locale.dayName(qtDay, QLocale::LongFormat);
  }

  // Currency: split the locale's text for one unit around the digit "1".
  auto split = [&](double v, QString& prefix, QString& suffix) {
    const QString t = locale.toCurrencyString(v, locale.currencySymbol(), 0);
    const qsizetype at = t.indexOf(QLatin1Char('1'));
    if (at < 0) return;
    prefix = t.left(at);
    suffix = t.mid(at + 1);
  };
  split(1.0, s.CurrencyPositivePrefix, s.CurrencyPositiveSuffix);
  split(-1.0, s.CurrencyNegativePrefix, s.CurrencyNegativeSuffix);
  return s;
}

std::shared_ptr<const FormatSettings> FormatSettings::Current() {
  struct Cache {
    QLocale locale;
    std::shared_ptr<const FormatSettings> settings;
  };
  thread_local Cache cache;
  const QLocale now;
  if (!cache.settings || !(cache.locale == now)) {
    cache.settings = std::make_shared<const FormatSettings>(FromLocale(now));
    cache.locale = now;
  }
  return cache.settings;
}

const FormatSettings& FormatSettings::Invariant() {
  static const FormatSettings s = [] {
    FormatSettings r = FromLocale(QLocale::c());
    r.DecimalSeparator = QLatin1Char('.');
    r.ThousandSeparator = QLatin1Char(',');
    r.DateSeparator = QLatin1Char('/');
    r.TimeSeparator = QLatin1Char(':');
    r.ShortDateFormat = QStringLiteral("mm/dd/yyyy");
    r.LongDateFormat = QStringLiteral("dddd, dd mmmm yyyy");
    r.ShortTimeFormat = QStringLiteral("hh:nn");
    r.LongTimeFormat = QStringLiteral("hh:nn:ss");
    r.TimeAMString = QStringLiteral("AM");
    r.TimePMString = QStringLiteral("PM");
    r.CurrencyPositivePrefix.clear();
    r.CurrencyPositiveSuffix.clear();
    r.CurrencyNegativePrefix = QStringLiteral("-");
    r.CurrencyNegativeSuffix.clear();
    return r;
  }();
  return s;
}

}  // namespace base
