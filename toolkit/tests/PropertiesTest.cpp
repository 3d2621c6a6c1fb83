// Published properties read and written by name, as painters and layouts use them.
#include <gtest/gtest.h>

#include "Buttons.h"
#include "ComCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"

using namespace tk;

namespace {

class PropertiesTest : public ::testing::Test {
 protected:
  TForm form{nullptr};
};

TEST_F(PropertiesTest, EnumerationsReadAsIdentifiersAndWriteByIdentifier) {
  auto* button = new TBitBtn(&form);
  EXPECT_EQ(GetEnumProp(button, "Layout"), "blGlyphLeft");
  EXPECT_TRUE(SetPropText(button, "layout", "blGlyphTop"));  // names are case-insensitive
  EXPECT_EQ(button->Layout(), TButtonLayout::blGlyphTop);
  EXPECT_FALSE(SetPropText(button, "Layout", "blNowhere"));
  EXPECT_EQ(button->Layout(), TButtonLayout::blGlyphTop);
}

TEST_F(PropertiesTest, BooleansAreEnumerationsOfFalseAndTrue) {
  auto* button = new TButton(&form);
  EXPECT_EQ(GetEnumProp(button, "Default"), "False");
  ASSERT_TRUE(SetPropText(button, "Default", "True"));
  EXPECT_TRUE(button->Default());
  EXPECT_EQ(GetEnumProp(button, "Default"), "True");
  EXPECT_EQ(FindPropInfo(button, "Default")->kind, TTypeKind::Boolean);
}

TEST_F(PropertiesTest, IntegersAcceptDecimalAndSymbolicNames) {
  auto* edit = new TEdit(&form);
  ASSERT_TRUE(SetPropText(edit, "Width", "-17"));
  EXPECT_EQ(edit->Width(), 0);  // widths are never negative
  ASSERT_TRUE(SetPropText(edit, "Left", "-17"));
  EXPECT_EQ(edit->Left(), -17);
  ASSERT_TRUE(SetPropText(edit, "Color", "clBtnFace"));
  EXPECT_EQ(edit->Color(), clBtnFace);
  EXPECT_EQ(GetOrdProp(edit, "Color").value(), static_cast<int64_t>(clBtnFace));
  EXPECT_FALSE(SetPropText(edit, "Width", "wide"));
}

TEST_F(PropertiesTest, SetsReadAndWriteAsBracketedLists) {
  ASSERT_TRUE(SetPropText(&form, "BorderIcons", "[biSystemMenu, biMaximize]"));
  EXPECT_TRUE(form.BorderIcons().Contains(TBorderIcon::biMaximize));
  EXPECT_FALSE(form.BorderIcons().Contains(TBorderIcon::biMinimize));
  const TPropInfo* p = FindPropInfo(&form, "BorderIcons");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->kind, TTypeKind::Set);
  EXPECT_EQ(SetToString(*p->enumType, static_cast<uint64_t>(p->getOrd(form))), "[biSystemMenu, biMaximize]");
  ASSERT_TRUE(SetPropText(&form, "BorderIcons", "[]"));
  EXPECT_TRUE(form.BorderIcons().Empty());
  EXPECT_FALSE(SetPropText(&form, "BorderIcons", "[biSystemMenu, biNothing]"));
}

TEST_F(PropertiesTest, ObjectPropertiesGiveTheSubObjectOfTheRightClass) {
  auto* button = new TBitBtn(&form);
  EXPECT_EQ(GetObjectProp(button, "Glyph", &TBitmap::StaticClass()), button->Glyph());
  EXPECT_EQ(GetObjectProp(button, "Glyph", &TFont::StaticClass()), nullptr);
  auto* font = dynamic_cast<TFont*>(GetObjectProp(button, "Font"));
  ASSERT_NE(font, nullptr);
  ASSERT_TRUE(SetPropText(font, "Name", "Arial"));
  EXPECT_EQ(button->Font().Name(), "Arial");
}

TEST_F(PropertiesTest, MissingPropertiesAndObjectsGiveNeutralResults) {
  auto* label = new TLabel(&form);
  EXPECT_FALSE(GetOrdProp(label, "ParentBackground").has_value());
  EXPECT_EQ(GetEnumProp(label, "NoSuchThing"), "");
  EXPECT_EQ(GetStrProp(nullptr, "Caption"), "");
  EXPECT_FALSE(SetPropText(label, "NoSuchThing", "1"));
  EXPECT_EQ(GetObjectProp(nullptr, "Font"), nullptr);
  // Only classes that publish it answer ParentBackground.
  EXPECT_EQ(GetEnumProp(new TGroupBox(&form), "ParentBackground"), "True");
}

TEST_F(PropertiesTest, ClassesKnowTheirAncestors) {
  TRichEdit edit(nullptr);
  EXPECT_TRUE(edit.Is<TWinControl>());
  EXPECT_TRUE(edit.ClassType().InheritsFrom("tcontrol"));
  EXPECT_FALSE(edit.Is<TButton>());
  EXPECT_EQ(edit.ClassName(), "TRichEdit");
  EXPECT_EQ(FindComponentClass("tbitbtn"), &TBitBtn::StaticClass());
}

TEST_F(PropertiesTest, CaptionAndTextAreOneTextInGbk) {
  auto* button = new TButton(&form);
  const std::string start = "\xBF\xAA  \xCA\xBC";  // 开  始
  ASSERT_TRUE(SetStrProp(button, "Caption", start));
  EXPECT_EQ(GetStrProp(button, "Text"), start);
  form.SetVisible(false);
  button->SetParent(&form);
  button->Handle();
  wchar_t shown[16] = {};
  GetWindowTextW(button->Handle(), shown, 16);
  EXPECT_EQ(std::wstring(shown), L"\u5F00  \u59CB");
  EXPECT_EQ(button->Caption(), start);
}

}  // namespace
