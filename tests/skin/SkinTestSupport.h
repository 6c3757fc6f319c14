// Test support for the skin suites: fixture strips of solid frames, a private
// temporary folder per test and a builder of theme files (the system only
// reads them).
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QImage>
#include <QPainter>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/Streams.h"
#include "skin/SkinForm.h"
#include "tests/support/TempFolder.h"
#include "windowing/Colors.h"
#include "windowing/Control.h"
#include "windowing/Form.h"
#include "windowing/MenuItem.h"

// The colour of a pixel of a grabbed image.
inline TColor At(const QImage& shot, int x, int y) { return QRgbToColor(shot.pixel(x, y)); }

// A form whose handler "Clicked" counts its calls.
struct TCountingForm : TForm {
  TCountingForm() : TForm(nullptr) { AddHandler("Clicked", &TCountingForm::Clicked); }
  void Clicked(TComponent*) { ++clicks; }
  int clicks = 0;
};

// A control owned by owner, in parent, with a name when one is given.
template <class T>
T* Make(TComponent& owner, TControl& parent, const std::string& name = "") {
  auto* control = new T(&owner);
  if (!name.empty()) control->SetName(name);
  control->SetParent(&parent);
  return control;
}

// A strip of frames, each one solid colour, with extra black columns at the right.
inline QImage Strip(int frameWidth, int height, std::initializer_list<TColor> colors, int extra = 0) {
  QImage image(frameWidth * static_cast<int>(colors.size()) + extra, height, QImage::Format_RGB32);
  image.fill(Qt::black);
  int i = 0;
  for (TColor c : colors) {
    QPainter(&image).fillRect(i * frameWidth, 0, frameWidth, height, ColorToQColor(c));
    ++i;
  }
  return image;
}

inline void PutLe32(std::string& bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + static_cast<size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Lays out a theme file: the 24-byte header, the closing entry, the item
// entries in reverse chain order (so chain order and file order differ) and
// then the item data. EntryOffset tells where each item's entry lies so that
// tests can damage it.
class TThemeFileBuilder {
 public:
  enum Type : uint8_t { Bitmap = 0, Integer = 1, Flag = 2, String = 3 };

  TThemeFileBuilder& Add(const std::string& name, uint8_t type, const std::string& data) {
    FItems.push_back({name, type, data});
    return *this;
  }
  TThemeFileBuilder& AddInteger(const std::string& name, int32_t value) {
    std::string data(4, '\0');
    PutLe32(data, 0, static_cast<uint32_t>(value));
    return Add(name, Integer, data);
  }
  TThemeFileBuilder& AddFlag(const std::string& name, uint8_t value) {
    return Add(name, Flag, std::string(1, static_cast<char>(value)));
  }

  static constexpr size_t HeaderLength = 24;
  static constexpr size_t EntryLength = 77;
  size_t ClosingEntryOffset() const { return HeaderLength; }
  size_t EntryOffset(size_t item) const { return HeaderLength + EntryLength * (FItems.size() - item); }

  std::string Bytes() const {
    const size_t dataStart = HeaderLength + EntryLength * (FItems.size() + 1);
    std::string bytes(dataStart, '\0');
    bytes.replace(0, 12, "CaroluneSkin");
    PutLe32(bytes, 12, HeaderLength);
    PutLe32(bytes, 20, static_cast<uint32_t>(FItems.empty() ? ClosingEntryOffset() : EntryOffset(0)));
    for (size_t i = 0; i < FItems.size(); ++i) {
      const size_t at = EntryOffset(i);
      bytes.replace(at, std::min<size_t>(FItems[i].Name.size(), 64), FItems[i].Name, 0, 64);
      bytes[at + 64] = static_cast<char>(FItems[i].Type);
      PutLe32(bytes, at + 65, static_cast<uint32_t>(bytes.size()));
      PutLe32(bytes, at + 69, static_cast<uint32_t>(FItems[i].Data.size()));
      PutLe32(bytes, at + 73, static_cast<uint32_t>(i + 1 < FItems.size() ? EntryOffset(i + 1) : ClosingEntryOffset()));
      bytes += FItems[i].Data;
    }
    return bytes;
  }

 private:
  struct Item {
    std::string Name;
    uint8_t Type;
    std::string Data;
  };
  std::vector<Item> FItems;
};

// A menu item with a caption (and a short cut) added under parent.
inline TMenuItem* AddMenuItem(TComponent* owner, TMenuItem& parent, const std::string& caption, TShortCut shortCut = 0) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  item->SetShortCut(shortCut);
  parent.Add(item);
  return item;
}

// A skinned frame in the style on the form, which keeps its bounds; the
// form's new controls take their style from it.
inline TSkinForm* AddSkinForm(TForm& form, TSkinUIStyle style) {
  const TRect bounds = form.BoundsRect();
  auto* frame = new TSkinForm(&form);
  frame->SetUIStyle(style);
  form.SetBoundsRect(bounds);
  return frame;
}
