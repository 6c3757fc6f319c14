#include "windowing/BitmapResources.h"

#include <QString>

namespace {

const TBitmapResourceProvider* gProvider = nullptr;

const TBitmapResourceProvider& QtResources() {
  static const TQtBitmapResources resources;
  static const TCachedBitmapResources cached(resources);
  return cached;
}

}  // namespace

QImage TQtBitmapResources::Find(const std::string& name) const {
  if (name.empty()) return {};
  return QImage(QStringLiteral(":/bitmaps/") + QString::fromStdString(UpperCase(name)) + QStringLiteral(".png"));
}

QImage TBitmapResourceTable::Find(const std::string& name) const {
  const auto it = FImages.find(UpperCase(name));
  return it == FImages.end() ? QImage() : it->second;
}

QImage TCachedBitmapResources::Find(const std::string& name) const {
  const std::lock_guard lock(FLock);
  const auto [it, added] = FImages.try_emplace(UpperCase(name));
  if (added) it->second = FSource.Find(name);
  return it->second;
}

const TBitmapResourceProvider& BitmapResources() { return gProvider ? *gProvider : QtResources(); }

const TBitmapResourceProvider* SetBitmapResources(const TBitmapResourceProvider* provider) {
  const TBitmapResourceProvider* previous = gProvider;
  gProvider = provider;
  return previous;
}

QImage LoadBitmapResource(const std::string& name) {
  QImage image = BitmapResources().Find(name);
  if (image.isNull()) throw EResNotFound("Resource " + name + " not found");
  return image;
}
