#pragma once
// Components by name and the plain lists of listeners charts keep.
// Component names are QObject object names, compared in any case, among
// everything the owner holds, however deep.
#include <QObject>
#include <QString>

#include <algorithm>
#include <vector>

// `prefix` followed by the smallest number from 1 up that names nothing
// `owner` holds ("Series2" when "Series1" and "Series3" exist). A null owner
// has nothing: prefix + "1".
QString NewComponentName(const QObject* owner, const QString& prefix);

// Appends `item` and answers its index.
template <class T>
int ListAddAt(std::vector<T*>& list, T* item) {
  list.push_back(item);
  return static_cast<int>(list.size()) - 1;
}

// Removes the first slot holding `item` and answers its index, or -1.
template <class T>
int RemoveListenerFromList(std::vector<T*>& list, const T* item) {
  const auto it = std::find(list.begin(), list.end(), item);
  if (it == list.end()) return -1;
  const int index = static_cast<int>(it - list.begin());
  list.erase(it);
  return index;
}
