// Bitmap resources by name. The program's own bitmaps live in the Qt
// resource system as ":/bitmaps/NAME.png"; tests swap in a table of
// fixtures. Names are compared without regard to case, as resource names are.
#pragma once

#include <QImage>
#include <map>
#include <string>

#include "SysUtils.h"

// Raised for a resource name that no provider knows.
class EResNotFound : public Exception {
  using Exception::Exception;
};

class TBitmapResourceProvider {
 public:
  virtual ~TBitmapResourceProvider() = default;
  // The image of the resource, or a null image when there is none.
  virtual QImage Find(const std::string& name) const = 0;
};

// Reads ":/bitmaps/NAME.png" with NAME in capitals.
class TQtBitmapResources : public TBitmapResourceProvider {
 public:
  QImage Find(const std::string& name) const override;
};

// A table of images kept in memory, for tests and fixtures.
class TBitmapResourceTable : public TBitmapResourceProvider {
 public:
  void Add(const std::string& name, const QImage& image) { FImages[UpperCase(name)] = image; }
  QImage Find(const std::string& name) const override;

 private:
  std::map<std::string, QImage> FImages;
};

// The provider in use (the Qt resources unless one was set).
const TBitmapResourceProvider& BitmapResources();
// Installs a provider (null: back to the Qt resources); returns the previous one.
const TBitmapResourceProvider* SetBitmapResources(const TBitmapResourceProvider* provider);

// The image of the resource; EResNotFound "Resource NAME not found" when missing.
QImage LoadBitmapResource(const std::string& name);

// Installs a provider for the lifetime of this object, then puts the previous back.
class TScopedBitmapResources {
 public:
  explicit TScopedBitmapResources(const TBitmapResourceProvider& provider)
      : FPrevious(SetBitmapResources(&provider)) {}
  ~TScopedBitmapResources() { SetBitmapResources(FPrevious); }
  TScopedBitmapResources(const TScopedBitmapResources&) = delete;
  TScopedBitmapResources& operator=(const TScopedBitmapResources&) = delete;

 private:
  const TBitmapResourceProvider* FPrevious;
};
