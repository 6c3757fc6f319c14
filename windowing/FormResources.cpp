#include "windowing/FormResources.h"

#include <QFile>
#include <QString>

#include "windowing/BitmapResources.h"

std::string LoadFormResource(const std::string& name) {
  QFile file(QStringLiteral(":/forms/") + QString::fromStdString(UpperCase(name)) + QStringLiteral(".dfm"));
  if (name.empty() || !file.open(QIODevice::ReadOnly)) throw EResNotFound("Resource " + name + " not found");
  return file.readAll().toStdString();
}
