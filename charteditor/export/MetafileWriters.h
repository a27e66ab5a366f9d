#pragma once
// Hands the chart panel its metafile writers, enhanced (EMF) and plain
// (WMF), for the scope's lifetime: the program's composition holds one for
// the whole run, a test one for its own.
class MetafileWritersScope {
 public:
  MetafileWritersScope();
  ~MetafileWritersScope();
  MetafileWritersScope(const MetafileWritersScope&) = delete;
  MetafileWritersScope& operator=(const MetafileWritersScope&) = delete;
};
