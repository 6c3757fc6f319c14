// Draws the built-in skin bitmaps of the five styles into <out>/bitmaps as
// PNG files and writes <out>/skin_bitmaps.qrc, which embeds each of them as
// ":/bitmaps/NAME.png". Run at build time; the output depends on nothing
// but this program and the form descriptions it is given.
//
// Each form description given after the output folder is embedded as
// ":/forms/CLASS.dfm" (the root object's class in capitals), with every
// picture written as "{bitmap PIECE...}" replaced by the PNG bytes in hex
// of its pieces side by side, a piece being a bitmap's name, "NAME", or a
// frame of it, "NAME n/m" (frame n of m equal frames). Besides the skin
// bitmaps, the pieces may name the tool-bar icons (TOOL_...), which only
// the descriptions take. With "--forms" first, only the descriptions go
// into <out>/forms.qrc: a program's own forms, embedded beside the
// library's.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QRegularExpression>
#include <QSize>
#include <QTextStream>
#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "skin/gen/SkinArt.h"
#include "skin/gen/ToolIcons.h"

namespace {

TSkinPalette Silver() {
  TSkinPalette p;
  p.Prefix = "SILVER_";
  p.FormBackground = QColor(231, 231, 231);
  p.ScrollBarBackground = QColor(201, 201, 201);
  p.ControlBorder = QColor(127, 127, 127);
  p.TabBody = QColor(231, 231, 231);
  p.Accent = QColor(57, 115, 196);
  p.FaceTop = QColor(253, 253, 253), p.FaceBottom = QColor(208, 208, 208), p.FaceBorder = QColor(122, 122, 122);
  p.HoverTop = QColor(255, 255, 255), p.HoverBottom = QColor(214, 226, 242), p.HoverBorder = QColor(57, 115, 196);
  p.DownTop = QColor(190, 190, 190), p.DownBottom = QColor(228, 228, 228), p.DownBorder = QColor(96, 96, 96);
  p.Glyph = QColor(48, 48, 48);
  p.TitleTop = QColor(250, 250, 250), p.TitleMiddle = QColor(222, 222, 222), p.TitleBottom = QColor(186, 186, 186);
  p.TitleGlyph = QColor(52, 52, 52);
  const QColor faces[3][3] = {{QColor(250, 250, 250), QColor(205, 205, 205), QColor(140, 140, 140)},
                              {QColor(255, 255, 255), QColor(205, 222, 245), QColor(57, 115, 196)},
                              {QColor(180, 180, 180), QColor(225, 225, 225), QColor(100, 100, 100)}};
  std::copy(&faces[0][0], &faces[0][0] + 9, &p.TitleFace[0][0]);
  p.TitleHeight = 23, p.TitleButtonTop = 4, p.ButtonRadius = 4;
  p.KeyedButtonCorners = true;
  return p;
}

TSkinPalette Azure() {
  TSkinPalette p;
  p.Prefix = "AZURE_";
  p.FormBackground = QColor(239, 235, 222);
  p.ScrollBarBackground = QColor(249, 249, 249);
  p.ControlBorder = QColor(104, 104, 104);
  p.TabBody = QColor(255, 255, 255);
  p.Accent = QColor(0, 84, 227);
  p.FaceTop = QColor(255, 255, 255), p.FaceBottom = QColor(220, 226, 238), p.FaceBorder = QColor(0, 60, 150);
  p.HoverTop = QColor(245, 250, 255), p.HoverBottom = QColor(196, 218, 255), p.HoverBorder = QColor(0, 102, 235);
  p.DownTop = QColor(176, 200, 240), p.DownBottom = QColor(214, 228, 250), p.DownBorder = QColor(0, 46, 130);
  p.Glyph = QColor(20, 50, 120);
  p.TitleTop = QColor(84, 162, 255), p.TitleMiddle = QColor(0, 88, 238), p.TitleBottom = QColor(0, 56, 188);
  p.TitleGlyph = QColor(255, 255, 255);
  const QColor faces[3][3] = {{QColor(96, 166, 255), QColor(22, 92, 236), QColor(255, 255, 255)},
                              {QColor(150, 200, 255), QColor(62, 134, 255), QColor(255, 255, 255)},
                              {QColor(10, 58, 186), QColor(50, 116, 236), QColor(226, 238, 255)}};
  std::copy(&faces[0][0], &faces[0][0] + 9, &p.TitleFace[0][0]);
  p.TitleHeight = 29, p.TitleButtonTop = 5, p.ButtonRadius = 3;
  p.RedCloseButton = true;
  return p;
}

TSkinPalette Midnight() {
  TSkinPalette p;
  p.Prefix = "MIDNIGHT_";
  p.FormBackground = QColor(232, 232, 232);
  p.ScrollBarBackground = QColor(245, 245, 245);
  p.ControlBorder = QColor(0, 0, 0);
  p.TabBody = QColor(232, 232, 232);
  p.Accent = QColor(68, 74, 160);
  p.FaceTop = QColor(242, 244, 251), p.FaceBottom = QColor(190, 198, 222), p.FaceBorder = QColor(28, 35, 80);
  p.HoverTop = QColor(250, 251, 255), p.HoverBottom = QColor(206, 213, 242), p.HoverBorder = QColor(68, 74, 160);
  p.DownTop = QColor(164, 172, 206), p.DownBottom = QColor(204, 210, 232), p.DownBorder = QColor(20, 25, 62);
  p.Glyph = QColor(26, 32, 72);
  p.TitleTop = QColor(54, 68, 132), p.TitleMiddle = QColor(22, 30, 74), p.TitleBottom = QColor(10, 14, 38);
  p.TitleGlyph = QColor(226, 230, 246);
  const QColor faces[3][3] = {{QColor(60, 74, 140), QColor(36, 46, 100), QColor(90, 104, 170)},
                              {QColor(96, 112, 190), QColor(50, 62, 134), QColor(134, 150, 224)},
                              {QColor(20, 26, 66), QColor(44, 54, 112), QColor(90, 100, 170)}};
  std::copy(&faces[0][0], &faces[0][0] + 9, &p.TitleFace[0][0]);
  p.TitleHeight = 32, p.TitleButtonTop = 2, p.ButtonRadius = 3;
  p.FlatTitleButtons = true;
  p.TitleBandRow = 23;
  return p;
}

TSkinPalette Crystal() {
  TSkinPalette p;
  p.Prefix = "CRYSTAL_";
  p.FormBackground = QColor(251, 251, 251);
  p.ScrollBarBackground = QColor(245, 245, 245);
  p.ControlBorder = QColor(0, 0, 0);
  p.TabBody = QColor(251, 251, 251);
  p.Accent = QColor(52, 100, 210);
  p.FaceTop = QColor(255, 255, 255), p.FaceBottom = QColor(204, 225, 250), p.FaceBorder = QColor(112, 150, 204);
  p.HoverTop = QColor(255, 255, 255), p.HoverBottom = QColor(174, 208, 255), p.HoverBorder = QColor(60, 110, 214);
  p.DownTop = QColor(158, 194, 242), p.DownBottom = QColor(206, 228, 252), p.DownBorder = QColor(46, 84, 170);
  p.Glyph = QColor(30, 60, 130);
  p.TitleTop = QColor(156, 200, 247), p.TitleMiddle = QColor(70, 132, 218), p.TitleBottom = QColor(100, 164, 234);
  p.TitleGlyph = QColor(24, 52, 120);
  const QColor faces[3][3] = {{QColor(250, 253, 255), QColor(174, 208, 246), QColor(70, 110, 180)},
                              {QColor(255, 255, 255), QColor(146, 200, 255), QColor(40, 90, 200)},
                              {QColor(138, 178, 235), QColor(196, 222, 250), QColor(36, 70, 160)}};
  std::copy(&faces[0][0], &faces[0][0] + 9, &p.TitleFace[0][0]);
  p.TitleHeight = 23, p.TitleButtonTop = 2, p.ButtonRadius = 3;
  p.KeyedTitleButtons = true;
  p.RedCloseButton = true;
  p.TitleDecoration = TSkinPalette::Shine;
  return p;
}

TSkinPalette Frost() {
  TSkinPalette p;
  p.Prefix = "FROST_";
  p.FormBackground = QColor(231, 231, 231);
  p.ScrollBarBackground = QColor(244, 244, 244);
  p.ControlBorder = QColor(0, 0, 0);
  p.TabBody = QColor(231, 231, 231);
  p.Accent = QColor(36, 164, 204);
  p.FaceTop = QColor(255, 255, 255), p.FaceBottom = QColor(208, 238, 246), p.FaceBorder = QColor(98, 164, 188);
  p.HoverTop = QColor(255, 255, 255), p.HoverBottom = QColor(180, 232, 248), p.HoverBorder = QColor(36, 156, 200);
  p.DownTop = QColor(158, 214, 232), p.DownBottom = QColor(208, 238, 246), p.DownBorder = QColor(30, 116, 150);
  p.Glyph = QColor(20, 84, 110);
  p.TitleTop = QColor(200, 240, 252), p.TitleMiddle = QColor(62, 158, 204), p.TitleBottom = QColor(34, 118, 168);
  p.TitleGlyph = QColor(18, 80, 110);
  const QColor faces[3][3] = {{QColor(255, 255, 255), QColor(194, 236, 248), QColor(70, 140, 170)},
                              {QColor(255, 255, 255), QColor(158, 226, 248), QColor(30, 140, 190)},
                              {QColor(128, 200, 228), QColor(190, 232, 246), QColor(24, 100, 140)}};
  std::copy(&faces[0][0], &faces[0][0] + 9, &p.TitleFace[0][0]);
  p.TitleHeight = 33, p.TitleButtonTop = 6, p.ButtonRadius = 4;
  p.KeyedButtonCorners = true;
  p.KeyedTitleButtons = true;
  return p;
}

using TPainter = std::function<QImage(const TSkinPalette&, int, int)>;

// The parts every style has, with their sizes in the order Silver, Azure,
// Midnight, Crystal, Frost; an empty size: the style has none of its own.
struct TPart {
  const char* Name;
  std::array<QSize, 5> Sizes;
  TPainter Paint;
};

TPainter Title(TTitlePart part) {
  return [part](const TSkinPalette& p, int w, int h) { return PaintTitle(p, part, w, h); };
}

const std::vector<TPart>& Parts() {
  static const std::vector<TPart> parts = {
      {"BUTTON", {QSize(252, 23), QSize(54, 21), QSize(222, 21), QSize(222, 21), QSize(231, 27)}, PaintButtonStrip},
      {"CHECKBOX", {QSize(60, 17), QSize(52, 13), QSize(52, 13), QSize(52, 13), QSize(52, 13)},
       [](const TSkinPalette& p, int w, int h) { return PaintCheckBoxStrip(p, w, h, false); }},
      {"RADIOBUTTON", {QSize(64, 17), QSize(52, 13), QSize(52, 13), QSize(52, 13), QSize(52, 13)},
       [](const TSkinPalette& p, int w, int h) { return PaintCheckBoxStrip(p, w, h, true); }},
      {"TITLEBTN", {QSize(306, 17), QSize(378, 21), QSize(342, 19), QSize(342, 19), QSize(342, 19)}, PaintTitleButtonStrip},
      {"TITLE_LEFT", {QSize(48, 23), QSize(35, 29), QSize(97, 32), QSize(441, 23), QSize(162, 33)}, Title(TTitlePart::Left)},
      {"TITLE_CLIENT", {QSize(49, 23), QSize(37, 29), QSize(98, 32), QSize(1, 23), QSize(179, 33)}, Title(TTitlePart::Client)},
      {"TITLE_RIGHT", {QSize(48, 23), QSize(35, 29), QSize(97, 32), QSize(1, 23), QSize(101, 33)}, Title(TTitlePart::Right)},
      {"PROGRESSBAR", {QSize(13, 10), QSize(6, 10), QSize(1, 10), QSize(1, 10), QSize(1, 10)}, PaintProgressBar},
      {"TRACKBAR_BAR", {QSize(45, 5), QSize(45, 8), QSize(45, 4), QSize(45, 4), QSize(45, 4)}, PaintTrackBarBar},
      {"TRACKBAR_SLIDER", {QSize(11, 20), QSize(11, 21), QSize(11, 20), QSize(11, 20), QSize(11, 20)}, PaintTrackBarSlider},
      {"TRACKBAR_SLIDER_V", {QSize(19, 11), QSize(22, 11), QSize(18, 11), QSize(18, 11), QSize(18, 11)}, PaintTrackBarSliderVertical},
      {"SCROLLBAR_BUTTON", {QSize(96, 22), QSize(96, 17), QSize(96, 16), QSize(96, 16), QSize(102, 16)}, PaintScrollBarButtonStrip},
      // Only for image buttons made of Crystal's arrows (the filter editor's order buttons).
      {"SCROLLBAR_BUTTON_DISABLED", {QSize(), QSize(), QSize(), QSize(32, 16), QSize()},
       PaintScrollBarDisabledButtonStrip},
      {"SCROLLBAR_TRACK", {QSize(33, 16), QSize(21, 16), QSize(21, 16), QSize(21, 16), QSize(21, 16)}, PaintScrollBarThumbStrip},
      {"CHECKLIST", {QSize(40, 11), QSize(44, 11), QSize(44, 11), QSize(44, 11), QSize(44, 11)}, PaintCheckListStrip},
      // Midnight, Crystal and Frost share MORE_SCROLLBUTTON (below).
      {"SCROLLBUTTON", {QSize(72, 18), QSize(72, 18), QSize(), QSize(), QSize()}, PaintTabScrollButtonStrip},
      {"TAB", {QSize(36, 27), QSize(18, 18), QSize(12, 17), QSize(18, 17), QSize(18, 17)}, PaintTabStrip},
      {"TAB_LINE", {QSize(17, 7), QSize(8, 1), QSize(5, 5), QSize(10, 5), QSize(10, 5)}, PaintTabLine},
      {"SIDECHENNEL_HANDLE", {QSize(7, 84), QSize(8, 86), QSize(8, 83), QSize(8, 83), QSize(8, 86)}, PaintSideChannelHandle},
      {"SIDECHENNEL_BAR", {QSize(1, 21), QSize(1, 21), QSize(1, 20), QSize(1, 21), QSize(1, 21)}, PaintSideChannelBar},
      {"FORM_BACKGROUND", {QSize(8, 8), QSize(), QSize(), QSize(8, 8), QSize()}, PaintFormBackground},
      {"MENU_BAR", {QSize(1, 22), QSize(), QSize(), QSize(), QSize()}, PaintMenuBar},
      {"MENU_SELECT", {QSize(1, 21), QSize(), QSize(), QSize(), QSize()}, PaintMenuSelect},
      {"COMBOBOX_BUTTON", {QSize(16, 17), QSize(16, 18), QSize(), QSize(), QSize()},
       // Azure's carries its own arrow; the others get theirs from the combo box.
       [](const TSkinPalette& p, int w, int h) { return PaintComboBoxButton(p, w, h, p.Prefix == "AZURE_"); }},
  };
  return parts;
}

struct TGeneratedBitmap {
  QString Name;
  QImage Image;
};

std::vector<TGeneratedBitmap> AllBitmaps() {
  const std::array<TSkinPalette, 5> styles = {Silver(), Azure(), Midnight(), Crystal(), Frost()};
  std::vector<TGeneratedBitmap> bitmaps;
  for (const TPart& part : Parts())
    for (size_t s = 0; s < styles.size(); ++s)
      if (const QSize size = part.Sizes[s]; size.isValid())
        bitmaps.push_back({styles[s].Prefix + part.Name, part.Paint(styles[s], size.width(), size.height())});
  TSkinPalette shared = Midnight();
  shared.Prefix = "MORE_";
  bitmaps.push_back({"MORE_SCROLLBUTTON", PaintTabScrollButtonStrip(shared, 72, 17)});
  bitmaps.push_back({"MSGDLG", PaintMessageIcons(168, 42)});
  bitmaps.push_back({"MENU_CHECKED", PaintMenuCheckMark(16, 16)});
  bitmaps.push_back({"STATUSBAR_HANDLE", PaintStatusBarGrip(11, 11)});
  return bitmaps;
}

// The pictures only form descriptions take: the main window's tool-bar icons.
std::vector<TGeneratedBitmap> FormPictures() {
  const std::pair<const char*, TToolIcon> icons[] = {
      {"TOOL_OPEN", TToolIcon::Open},        {"TOOL_SAVE", TToolIcon::Save},
      {"TOOL_CUT", TToolIcon::Cut},          {"TOOL_COPY", TToolIcon::Copy},
      {"TOOL_PASTE", TToolIcon::Paste},      {"TOOL_OPTIONS", TToolIcon::Options},
      {"TOOL_HELP", TToolIcon::Help},        {"TOOL_FILTER_EDITOR", TToolIcon::FilterEditor},
      {"TOOL_HOME", TToolIcon::Home}};
  std::vector<TGeneratedBitmap> pictures;
  for (const auto& [name, icon] : icons) pictures.push_back({name, PaintToolIcon(icon, 16)});
  return pictures;
}

// Opaque RGB, the key being a pixel colour; only a picture drawn on
// transparency (a tool-bar icon) keeps its alpha.
QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_RGBA8888 : QImage::Format_RGB888).save(&buffer, "PNG");
  return bytes;
}

// One piece of a picture: a bitmap, or frame n of its m equal frames; null
// when there is no such bitmap or frame.
QImage Piece(const QRegularExpressionMatch& piece, const QMap<QString, QImage>& images) {
  const QImage image = images.value(piece.captured(1));
  if (piece.captured(2).isEmpty()) return image;
  const int number = piece.captured(2).toInt(), count = piece.captured(3).toInt();
  if (image.isNull() || count < 1 || number < 1 || number > count) return {};
  const int width = image.width() / count;
  return image.copy((number - 1) * width, 0, width, image.height());
}

// The pieces ("NAME" or "NAME n/m", apart by blanks or line breaks) side by
// side, top-aligned; null when one is missing.
QImage Picture(const QString& pieces, const QMap<QString, QImage>& images) {
  static const QRegularExpression piece(R"(([A-Z0-9_]+)(?: (\d+)/(\d+))?)");
  std::vector<QImage> parts;
  int width = 0, height = 0;
  for (auto it = piece.globalMatch(pieces); it.hasNext();) {
    parts.push_back(Piece(it.next(), images));
    if (parts.back().isNull()) return {};
    width += parts.back().width();
    height = std::max(height, parts.back().height());
  }
  if (parts.size() == 1) return parts.front();
  const bool alpha = std::any_of(parts.begin(), parts.end(), [](const QImage& part) { return part.hasAlphaChannel(); });
  QImage picture(width, height, alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  int x = 0;
  for (const QImage& part : parts) {
    p.drawImage(x, 0, part);
    x += part.width();
  }
  return picture;
}

// The description with its pictures filled in; an empty text and a message
// when it names a bitmap or frame that does not exist.
QString FillPictures(const QString& text, const QMap<QString, QImage>& images, QString& error) {
  static const QRegularExpression picture(R"(\{bitmap\s([A-Z0-9_/\s]+)\})");
  QString filled;
  qsizetype done = 0;
  for (auto it = picture.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    const QImage image = Picture(m.captured(1), images);
    if (image.isNull()) {
      error = "no bitmap " + m.captured(0);
      return {};
    }
    filled += text.mid(done, m.capturedStart() - done) + "{" + QString::fromLatin1(PngBytes(image).toHex().toUpper()) + "}";
    done = m.capturedEnd();
  }
  return filled + text.mid(done);
}

// The resource name of a description: its root object's class in capitals.
QString FormResourceName(const QString& text) {
  static const QRegularExpression root(R"(^\s*object\s+\w+\s*:\s*(\w+))");
  return root.match(text).captured(1).toUpper();
}

}  // namespace

int main(int argc, char** argv) {
  // "--forms <out> descriptions...": only the descriptions, in <out>/forms.qrc.
  const bool formsOnly = argc >= 2 && std::string(argv[1]) == "--forms";
  const int first = formsOnly ? 2 : 1;
  if (argc < first + 1) {
    std::fprintf(stderr, "usage: %s [--forms] <output folder> [form description...]\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[first]));
  if (!out.mkpath("bitmaps") || !out.mkpath("forms")) {
    std::fprintf(stderr, "cannot create the folders in %s\n", argv[first]);
    return 1;
  }
  QFile qrc(out.filePath(formsOnly ? "forms.qrc" : "skin_bitmaps.qrc"));
  if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(qrc.fileName()));
    return 1;
  }
  QTextStream list(&qrc);
  list << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/bitmaps\">\n";
  QMap<QString, QImage> images;
  for (const TGeneratedBitmap& picture : FormPictures()) images.insert(picture.Name, picture.Image);
  for (const TGeneratedBitmap& bitmap : AllBitmaps()) {
    images.insert(bitmap.Name, bitmap.Image);
    if (formsOnly) continue;
    const QString file = "bitmaps/" + bitmap.Name + ".png";
    QFile png(out.filePath(file));
    if (!png.open(QIODevice::WriteOnly | QIODevice::Truncate) || png.write(PngBytes(bitmap.Image)) < 0) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(file)));
      return 1;
    }
    list << "  <file alias=\"" << bitmap.Name << ".png\">" << file << "</file>\n";
  }
  list << "</qresource>\n<qresource prefix=\"/forms\">\n";
  for (int i = first + 1; i < argc; ++i) {
    QFile source(QString::fromLocal8Bit(argv[i]));
    if (!source.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    QString error;
    const QString text = QString::fromUtf8(source.readAll());
    const QString filled = FillPictures(text, images, error);
    const QString name = FormResourceName(text);
    if (filled.isEmpty() || name.isEmpty()) {
      std::fprintf(stderr, "%s: %s\n", argv[i], error.isEmpty() ? "no root object" : qPrintable(error));
      return 1;
    }
    const QString file = "forms/" + name + ".dfm";
    QFile form(out.filePath(file));
    if (!form.open(QIODevice::WriteOnly | QIODevice::Truncate) || form.write(filled.toUtf8()) < 0) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(file)));
      return 1;
    }
    list << "  <file alias=\"" << name << ".dfm\">" << file << "</file>\n";
  }
  list << "</qresource>\n</RCC>\n";
  return 0;
}
