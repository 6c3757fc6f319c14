// Bitmap resources that count how often each name is read from them: read
// from the program's own resources, each read decodes a PNG.
#pragma once

#include <map>
#include <string>

#include "runtime/SysUtils.h"
#include "windowing/BitmapResources.h"

class TCountingBitmapResources : public TBitmapResourceProvider {
 public:
  explicit TCountingBitmapResources(const TBitmapResourceProvider& source) : FSource(source) {}
  QImage Find(const std::string& name) const override {
    ++FReads[UpperCase(name)];
    return FSource.Find(name);
  }
  int Reads(const std::string& name) const {
    const auto it = FReads.find(UpperCase(name));
    return it == FReads.end() ? 0 : it->second;
  }

 private:
  const TBitmapResourceProvider& FSource;
  mutable std::map<std::string, int> FReads;
};
