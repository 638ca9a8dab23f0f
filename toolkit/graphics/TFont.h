// A font description with its drawing handle made on demand. Every change of
// an attribute drops the handle and fires OnChange (which a canvas uses to
// let go of the old handle first).
#pragma once

#include <string>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/text/Font.h"
#include "toolkit/component/EnumSet.h"
#include "toolkit/component/Events.h"
#include "toolkit/component/TPersistent.h"
#include "toolkit/graphics/Colors.h"

namespace qb {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = EnumSet<TFontStyle>;

// The screen resolution fonts are measured at; sizes are points.
constexpr int kScreenPixelsPerInch = 96;

class TFont : public TPersistent {
 public:
  TFont();

  const std::u16string& Name() const { return name_; }
  void SetName(const std::u16string& name);
  // Negative: the character height in pixels; positive: the cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points; setting the size sets the height to minus the pixel size.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  BYTE Charset() const { return charset_; }
  void SetCharset(BYTE charset);

  // The font handle for these attributes, owned by the font.
  HFONT Handle();
  LOGFONT Description() const;

  // Copies every attribute from another TFont, with one change notification
  // (none when nothing differs).
  void Assign(const TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  void Changed();

  std::u16string name_ = u"Tahoma";
  int height_ = -11;
  TFontStyles style_;
  TColor color_ = clWindowText;
  BYTE charset_ = DEFAULT_CHARSET;
  GdiHandle<HFONT> handle_;
};

}  // namespace qb
