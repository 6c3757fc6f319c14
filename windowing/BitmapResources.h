// Bitmap resources by name. The program's own bitmaps live in the Qt
// resource system as ":/bitmaps/NAME.png"; tests swap in a table of
// fixtures. Names are compared without regard to case, as resource names are.
#pragma once

#include <QImage>
#include <map>
#include <mutex>
#include <string>

#include "runtime/SysUtils.h"

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

// Another provider's images, each read from it once: controls may load a
// picture on every paint, and a PNG need not be decoded more than once.
// The source's images must not change while this serves them.
class TCachedBitmapResources : public TBitmapResourceProvider {
 public:
  explicit TCachedBitmapResources(const TBitmapResourceProvider& source) : FSource(source) {}
  QImage Find(const std::string& name) const override;

 private:
  const TBitmapResourceProvider& FSource;
  mutable std::mutex FLock;
  mutable std::map<std::string, QImage> FImages;  // by name in capitals; null: the source has none
};

// The provider in use (the Qt resources, each decoded once, unless one was set).
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
