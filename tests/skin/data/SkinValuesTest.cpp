#include <gtest/gtest.h>

#include "platform/text/Utf.h"
#include "skin/data/SkinErrors.h"
#include "skin/data/SkinIni.h"
#include "skin/data/SkinValues.h"

namespace qb {
namespace {

struct IntegerCase {
  std::u16string_view value;
  std::int32_t expected;
};

TEST(SkinValues, IntegersReadDecimalOrHexAndFallBackOtherwise) {
  const IntegerCase cases[] = {
      {u"42", 42},          {u"-7", -7},         {u"+3", 3},
      {u"0x1F", 31},        {u"0XfF", 255},      {u"0xFF00000F", std::int32_t(0xFF00000F)},
      {u"0x", -99},         {u"0x1FFFFFFFF", -99}, {u"12a", -99},
      {u"", -99},           {u"2147483647", 2147483647}, {u"2147483648", -99},
      {u"-2147483648", std::int32_t(-2147483648LL)}, {u"1 2", -99},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.value));
    EXPECT_EQ(ParseInteger(c.value).value_or(-99), c.expected);
  }
}

TEST(SkinValues, BooleansAreTrueOnlyForOne) {
  const SkinIni ini(u"[S]\r\na=1\r\nb=2\r\nc=0x1\r\nd=yes\r\ne=-1\r\n");
  EXPECT_TRUE(ini.ReadBool(u"S", u"a"));
  EXPECT_FALSE(ini.ReadBool(u"S", u"b"));
  EXPECT_TRUE(ini.ReadBool(u"S", u"c"));
  EXPECT_FALSE(ini.ReadBool(u"S", u"d"));
  EXPECT_FALSE(ini.ReadBool(u"S", u"e"));
  EXPECT_FALSE(ini.ReadBool(u"S", u"missing"));
}

TEST(SkinValues, RectanglesAndPointsKeepOnlyDigits) {
  EXPECT_EQ(ParseRect(u"1,2,3,4"), (RECT{1, 2, 3, 4}));
  EXPECT_EQ(ParseRect(u" 90 , 224,130 ,263"), (RECT{90, 224, 130, 263}));
  EXPECT_EQ(ParseRect(u"-1,x2,3px,+4"), (RECT{1, 2, 3, 4}));
  EXPECT_EQ(ParseRect(u"1,2,3,4,5"), (RECT{1, 2, 3, 4}));
  EXPECT_EQ(ParsePoint(u"-3,7"), (POINT{3, 7}));
  EXPECT_EQ(ParsePoint(u"1,2,3"), (POINT{1, 2}));
}

TEST(SkinValues, MissingOrEmptyCoordinatesAreConversionErrors) {
  for (std::u16string_view bad : {u"1,2,3", u"1,,3,4", u"", u"a,b,c,d", u"1,2,3,99999999999"}) {
    SCOPED_TRACE(ToUtf8(bad));
    EXPECT_THROW(ParseRect(bad), EConvertError);
  }
  EXPECT_THROW(ParsePoint(u"5"), EConvertError);
  EXPECT_THROW(ParsePoint(u"-,3"), EConvertError);
}

TEST(SkinValues, MissingKeysReadAsDefaultsButEmptyValuesDoNot) {
  const SkinIni ini(u"[S]\r\nempty=\r\n");
  EXPECT_EQ(ini.ReadRect(u"S", u"missing"), (RECT{0, 0, 0, 0}));
  EXPECT_EQ(ini.ReadPoint(u"T", u"missing"), (POINT{0, 0}));
  EXPECT_THROW(ini.ReadRect(u"S", u"empty"), EConvertError);
  EXPECT_EQ(ini.ReadInteger(u"S", u"empty", 13), 13);
  EXPECT_EQ(ini.ReadColor(u"S", u"missing", clBtnFace), clBtnFace);
}

TEST(SkinValues, FontStylesAreCaseSensitiveSubstrings) {
  EXPECT_EQ(ParseFontStyles(u"fsbold,fsitalic"), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(ParseFontStyles(u"[fsunderline fsstrikeout]"), (TFontStyles{fsUnderline, fsStrikeOut}));
  EXPECT_EQ(ParseFontStyles(u"bold"), TFontStyles{});
  EXPECT_EQ(ParseFontStyles(u"FSBOLD"), TFontStyles{});
  EXPECT_EQ(FormatFontStyles({fsBold, fsStrikeOut}), u"fsbold,fsstrikeout");
}

TEST(SkinValues, NamedValuesMapUnknownTextsToTheirFallback) {
  EXPECT_EQ(ParseStretchType(u"stfull"), TStretchType::stFull);
  EXPECT_EQ(ParseStretchType(u"stvert"), TStretchType::stVert);
  EXPECT_EQ(ParseStretchType(u"STFULL"), TStretchType::stHorz);
  EXPECT_EQ(ParseStretchType(u""), TStretchType::stHorz);
  EXPECT_EQ(FormatStretchType(TStretchType::stHorz), u"sthorz");

  EXPECT_EQ(ParseMorphKind(u"mkpush"), TMorphKind::mkPush);
  EXPECT_EQ(ParseMorphKind(u"mkleftslide"), TMorphKind::mkLeftSlide);
  EXPECT_EQ(ParseMorphKind(u"slide"), TMorphKind::mkDefault);

  EXPECT_EQ(ParseInactiveEffect(u"iebrightness"), TInactiveEffect::ieBrightness);
  EXPECT_EQ(ParseInactiveEffect(u"ieinvert"), TInactiveEffect::ieInvert);
  EXPECT_EQ(ParseInactiveEffect(u"other"), TInactiveEffect::ieGrayScale);

  EXPECT_EQ(ParseAlignment(u"taleftjustify"), TAlignment::taLeftJustify);
  EXPECT_EQ(ParseAlignment(u"tacenter"), TAlignment::taCenter);
  EXPECT_EQ(ParseAlignment(u"left"), TAlignment::taRightJustify);
  EXPECT_EQ(FormatAlignment(TAlignment::taRightJustify), u"tarightjustify");

  EXPECT_EQ(ParseCommand(u"cmclose"), TskStdCommand::cmClose);
  EXPECT_EQ(ParseCommand(u"cmrollup"), TskStdCommand::cmRollUp);
  EXPECT_EQ(ParseCommand(u"cmMaximize"), TskStdCommand::cmMinimizeToTray);
  EXPECT_EQ(FormatCommand(TskStdCommand::cmMinimizeToTray), u"cmminimizetotray");
}

}  // namespace
}  // namespace qb
