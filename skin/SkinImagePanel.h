// Flicker-free panels that show a picture (at its size, stretched or
// tiled), an optional caption and, when transparent, what lies under them.
// The forms use them as containers and backgrounds; the track bar's slider
// is one.
#pragma once

#include "windowing/CustomPanel.h"
#include "windowing/Picture.h"

enum class TSkinDrawStyle { skinNormal, skinStretch, skinTile };

class TSkinCustomPanel : public TCustomPanel {
 public:
  explicit TSkinCustomPanel(TComponent* owner);

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  static const TEnumInfo& DrawStyleNames();

  TPicture& Picture() { return FPicture; }
  const TPicture& Picture() const { return FPicture; }
  // The panel's picture copies the given one (null: none).
  void SetPicture(const TBitmap* picture) { FPicture.Assign(picture); }
  // The picture's own transparency follows this setting.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  // Takes the picture's size, except along an edge that Align fixes.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool autoSize);
  TSkinDrawStyle DrawStyle() const { return FDrawStyle; }
  void SetDrawStyle(TSkinDrawStyle style);

 protected:
  virtual void PictureChanged();
  void AutoSizeToPicture();
  void SyncPictureTransparent();

  void Paint(TCanvas& canvas) override;

 private:
  TPicture FPicture;
  bool FTransparent = false;
  bool FAutoSize = false;
  TSkinDrawStyle FDrawStyle = TSkinDrawStyle::skinNormal;
};

// The events the skinned panels publish, in their order.
template <class C>
void PublishPanelEvents(TPublisher<C>& p) {
  p.Event("OnClick", &TControl::OnClick)
      .Event("OnDblClick", &TControl::OnDblClick)
      .Event("OnEnter", &TWinControl::OnEnter)
      .Event("OnExit", &TWinControl::OnExit)
      .Event("OnMouseDown", &TControl::OnMouseDown)
      .Event("OnMouseMove", &TControl::OnMouseMove)
      .Event("OnMouseUp", &TControl::OnMouseUp)
      .Event("OnResize", &TControl::OnResize);
}

class TSkinImagePanel : public TSkinCustomPanel {
 public:
  using TSkinCustomPanel::TSkinCustomPanel;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};
