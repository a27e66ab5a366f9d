#pragma once
// What the export dialog's save and send share: the filters of the native
// and data save dialogs, the extension of each data entry, and a device
// that only counts what is written to it.
#include <QIODevice>
#include <QStringList>

QStringList NativeFilters();
// The seven data entries: space, tab, comma and custom delimited text,
// XML, HTML, spreadsheet.
QStringList DataFilters();
// "txt", "csv", "xml", "htm" or "xls" for entries 1..7 ("txt" otherwise).
QString DataFilterExtension(int filterIndex);

// The size a file would have, without holding its bytes.
class CountingDevice : public QIODevice {
 public:
  qint64 Count() const { return count_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char*, qint64 size) override {
    count_ += size;
    return size;
  }

 private:
  qint64 count_ = 0;
};
