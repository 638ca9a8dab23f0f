// The skinned progress gauge: a bar for Value between MinValue and MaxValue
// that grows from the left (or, Vertical, from the bottom) inside the
// record's progress area, with an optional caption and percentage.
//
// UseSkinSize on: the control keeps the picture's size where the record
// fixes it. Off: any size; the composed picture is stretched over the whole
// control and the text is drawn on the stretched picture.
#pragma once

#include <functional>
#include <string>

#include "skin/controls/TskSkinCustomControl.h"

namespace qb {

// Replaces the drawing of the bar: the canvas, the progress area and the
// bar's rectangle in it.
using TskGaugePaintEvent = std::function<void(TCanvas& cnvs, const RECT& aProgressArea, const RECT& aProgressRect)>;

class TskSkinGauge : public TskSkinCustomControl {
 public:
  explicit TskSkinGauge(TComponent* owner);

  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool value);
  int MinValue() const { return minValue_; }
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value);
  int Value() const { return value_; }
  // Cut to the range; an unchanged value does not repaint.
  void SetValue(int value);
  // A skinned gauge takes the record's value again at every fetch.
  bool Vertical() const { return vertical_; }
  void SetVertical(bool value) { vertical_ = value; }
  const std::u16string& ProgressText() const { return progressText_; }
  void SetProgressText(const std::u16string& value);
  bool ShowProgressText() const { return showProgressText_; }
  void SetShowProgressText(bool value);
  bool ShowPercent() const { return showPercent_; }
  void SetShowPercent(bool value);
  // Milliseconds; negative values are ignored.
  int ProgressAnimationPause() const { return progressAnimationPause_; }
  void SetProgressAnimationPause(int value);
  TskGaugePaintEvent OnGaugePaint;

  void AdjustSkinSize(int& width, int& height) override;

  // The bar for `value` inside `area` under the current range.
  RECT BarRect(const RECT& area, int value) const;

  // Copies of the gauge record.
  RECT progressrect{};
  RECT progressarea{};
  int beginoffset = 0;
  int endoffset = 0;
  std::u16string fontname;
  TFontStyles fontstyle;
  int fontheight = 0;
  TColor fontcolor = 0;
  bool progresstransparent = false;
  TColor progresstransparentcolor = 0;
  bool progressstretch = false;
  RECT progressanimationskinrect{};
  int progressanimationcountframes = 0;
  int progressanimationtimerinterval = 0;

  // progressarea moved to the control's current size.
  RECT NewProgressArea{};

 protected:
  // The value painted while the toolkit paints a copy of the gauge.
  virtual int ValueToPaint() { return value_; }

  void FetchSkinRecord() override;
  void DrawDefaultLook(TBitmap& bitmap) override;
  void DrawSkinLook(TBitmap& bitmap) override;
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  int PaintedValue();
  void BuildBar(TBitmap& bar, int length) const;
  void DrawProgressText(TCanvas& canvas, int value);

  bool useSkinSize_ = true;
  int minValue_ = 0;
  int maxValue_ = 100;
  int value_ = 50;
  bool vertical_ = false;
  std::u16string progressText_;
  bool showProgressText_ = false;
  bool showPercent_ = false;
  int progressAnimationPause_ = 3000;
};

}  // namespace qb
