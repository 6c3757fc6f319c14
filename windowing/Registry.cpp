#include "windowing/Registry.h"

#include <QSettings>
#include <QStandardPaths>
#include <QString>

namespace {

// Every stored value carries its type in front of it. Strings that are not
// valid UTF-8 (8-bit text from another code page) are kept byte for byte in
// percent-encoded form, so that nothing read back differs from what was
// written.
const QString IntegerTag = QStringLiteral("dword:");
const QString StringTag = QStringLiteral("sz:");
const QString BytesTag = QStringLiteral("sz%:");

struct TStoredValue {
  TRegDataType Type = TRegDataType::rdUnknown;
  std::string Data;
};

TStoredValue Decode(const QVariant& stored) {
  // The INI reader turns some texts into lists or byte arrays: none of them
  // was written by us, so their type is unknown.
  if (stored.typeId() != QMetaType::QString) return {};
  const QString text = stored.toString();
  if (text.startsWith(IntegerTag)) return {TRegDataType::rdInteger, text.mid(IntegerTag.size()).toStdString()};
  if (text.startsWith(StringTag)) return {TRegDataType::rdString, text.mid(StringTag.size()).toStdString()};
  if (text.startsWith(BytesTag))
    return {TRegDataType::rdString, QByteArray::fromPercentEncoding(text.mid(BytesTag.size()).toLatin1()).toStdString()};
  return {};
}

QString EncodeString(const std::string& value) {
  const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
  const QString text = QString::fromUtf8(bytes);
  if (text.toUtf8() == bytes) return StringTag + text;
  return BytesTag + QString::fromLatin1(bytes.toPercentEncoding());
}

// Key paths are names separated by "\" (or "/"); empty names are dropped.
std::string JoinKey(const std::string& base, const std::string& key) {
  std::string path = base;
  std::string name;
  auto flush = [&] {
    if (name.empty()) return;
    if (!path.empty()) path += '/';
    path += name;
    name.clear();
  };
  for (const char c : key) {
    if (c == '\\' || c == '/')
      flush();
    else
      name += c;
  }
  flush();
  return path;
}

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

std::string TRegistry::DefaultFileName() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
         "/Carolune/registry.ini";
}

TRegistry::TRegistry(const std::string& fileName)
    : FSettings(std::make_unique<QSettings>(ToQString(fileName), QSettings::IniFormat)) {}

TRegistry::~TRegistry() = default;

bool TRegistry::KeyExists(const std::string& path) const {
  if (path.empty()) return true;
  FSettings->beginGroup(ToQString(path));
  const bool exists = !FSettings->childKeys().isEmpty() || !FSettings->childGroups().isEmpty();
  FSettings->endGroup();
  return exists;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  const bool fromRoot = !key.empty() && (key[0] == '\\' || key[0] == '/');
  const std::string path = JoinKey(fromRoot ? std::string() : FCurrentPath, key);
  // An INI file has no empty keys: a created key shows once it holds a value.
  if (!KeyExists(path) && !(canCreate && FSettings->isWritable())) return false;
  FCurrentPath = path;
  return true;
}

void TRegistry::CloseKey() {
  FSettings->sync();
  FCurrentPath.clear();
}

std::string TRegistry::ValuePath(const std::string& name) const {
  return FCurrentPath.empty() ? name : FCurrentPath + "/" + name;
}

bool TRegistry::ValueExists(const std::string& name) const { return FSettings->contains(ToQString(ValuePath(name))); }

TRegDataType TRegistry::GetDataType(const std::string& name) const {
  return Decode(FSettings->value(ToQString(ValuePath(name)))).Type;
}

int32_t TRegistry::ReadInteger(const std::string& name) const {
  if (!ValueExists(name)) throw ERegistryException("Failed to get data for '" + name + "'");
  const TStoredValue stored = Decode(FSettings->value(ToQString(ValuePath(name))));
  int32_t value = 0;
  if (stored.Type != TRegDataType::rdInteger || !TryStrToInt(stored.Data, value))
    throw ERegistryException("Invalid data type for '" + name + "'");
  return value;
}

std::string TRegistry::ReadString(const std::string& name) const {
  if (!ValueExists(name)) return {};
  TStoredValue stored = Decode(FSettings->value(ToQString(ValuePath(name))));
  if (stored.Type != TRegDataType::rdString) throw ERegistryException("Invalid data type for '" + name + "'");
  return std::move(stored.Data);
}

void TRegistry::CheckWritable(const std::string& name) const {
  if (!FSettings->isWritable()) throw ERegistryException("Failed to set data for '" + name + "'");
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
  CheckWritable(name);
  FSettings->setValue(ToQString(ValuePath(name)), IntegerTag + QString::number(value));
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  CheckWritable(name);
  FSettings->setValue(ToQString(ValuePath(name)), EncodeString(value));
}
