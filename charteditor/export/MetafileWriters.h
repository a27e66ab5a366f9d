#pragma once
// Hands the chart panel its metafile writers: enhanced (EMF) and plain
// (WMF). The program installs them once at start-up; a scope removes them
// again at its end, for tests.
void InstallMetafileWriters();

class MetafileWritersScope {
 public:
  MetafileWritersScope() { InstallMetafileWriters(); }
  ~MetafileWritersScope();
  MetafileWritersScope(const MetafileWritersScope&) = delete;
  MetafileWritersScope& operator=(const MetafileWritersScope&) = delete;
};
