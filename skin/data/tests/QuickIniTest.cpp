// The description parser: its grammar and its lookups.
#include <gtest/gtest.h>

#include "WinSkinIni.h"

namespace {

TQuickIni Parse(std::string_view text) {
  TQuickIni ini;
  ini.LoadFromStream(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  return ini;
}

// Grammar.

TEST(QuickIniGrammar, LfCrAndCrLfLineEndsParseTheSame) {
  const char* texts[] = {"[A]\nk=1\nj=2\n", "[A]\rk=1\rj=2\r", "[A]\r\nk=1\r\nj=2\r\n", "[A]\r\nk=1\rj=2"};
  for (const char* text : texts) {
    const TQuickIni ini = Parse(text);
    EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "k=1", "j=2"})) << text;
    EXPECT_EQ(ini.ReadString("A", "j", "-"), "2");
  }
}

TEST(QuickIniGrammar, TextAfterANulIsIgnored) {
  const TQuickIni ini = Parse(std::string_view("[A]\r\nk=1\0\r\nj=2\r\n", 17));
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "k=1"}));
  EXPECT_EQ(ini.ReadString("A", "j", "-"), "-");
}

TEST(QuickIniGrammar, LinesAreTrimmedOfControlCharactersAndBlanks) {
  const TQuickIni ini = Parse("\t [A] \x01\r\n  k = v w \t\r\n");
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "k = v w"}));
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "v w");
}

TEST(QuickIniGrammar, BlankAndSemicolonLinesAreDropped) {
  const TQuickIni ini = Parse("; comment\r\n\r\n   \r\n[A]\r\n  ; indented comment\r\nk=1\r\n# not a comment\r\n");
  EXPECT_EQ(ini.Lines(), (std::vector<std::string>{"[A]", "k=1", "# not a comment"}));
}

TEST(QuickIniGrammar, SemicolonLaterInALineBelongsToTheValue) {
  const TQuickIni ini = Parse("[A]\r\nBitmap=Buttons.bmp ; the push buttons\r\n");
  EXPECT_EQ(ini.ReadString("A", "Bitmap", ""), "Buttons.bmp ; the push buttons");
}

TEST(QuickIniGrammar, OnlyBracketedLinesAreSections) {
  const TQuickIni ini = Parse("[A]\r\n[B\r\nC]\r\n[]\r\n[\r\n");
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"A", ""}));
  EXPECT_EQ(ini.Lines().size(), 5u);
}

TEST(QuickIniGrammar, LoadingAgainReplacesTheContents) {
  TQuickIni ini = Parse("[A]\r\nk=1\r\n");
  const std::string second = "[B]\r\nk=2\r\n";
  ini.LoadFromStream(std::span(reinterpret_cast<const std::uint8_t*>(second.data()), second.size()));
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "-");
  EXPECT_EQ(ini.ReadString("B", "k", "-"), "2");
}

TEST(QuickIniGrammar, AnAbsentStreamLeavesEverythingUnchanged) {
  TQuickIni ini = Parse("[A]\r\nk=1\r\n");
  ini.LoadFromStream(nullptr);
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "1");
  const std::vector<std::uint8_t> empty;
  ini.LoadFromStream(&empty);
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "-");
}

// Sections.

TEST(QuickIniSections, HeadersCompareWithoutCase) {
  const TQuickIni ini = Parse("[personality]\r\nTextShift=16\r\n");
  EXPECT_EQ(ini.SectionIndex("Personality"), 0);
  EXPECT_EQ(ini.ReadInteger("Personality", "TextShift", 0), 16);
}

TEST(QuickIniSections, BlanksInsideTheBracketsArePartOfTheName) {
  const TQuickIni ini = Parse("[ Buttons]\r\nk=1\r\n[ Tab.Pane ]\r\nk=2\r\n");
  EXPECT_EQ(ini.SectionIndex("Buttons"), -1);
  EXPECT_EQ(ini.SectionIndex(" Buttons"), 0);
  EXPECT_EQ(ini.ReadString("Buttons", "k", "-"), "-");
  std::vector<std::string> sections{"old"};
  ini.ReadSections(sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"Buttons", "Tab.Pane"}));
}

TEST(QuickIniSections, OnlyTheFirstOfTwoEqualSectionsIsSearched) {
  const TQuickIni ini = Parse("[Buttons]\r\na=1\r\n[Other]\r\n[BUTTONS]\r\na=2\r\nb=3\r\n");
  EXPECT_EQ(ini.SectionIndex("buttons"), 0);
  EXPECT_EQ(ini.ReadString("Buttons", "a", "-"), "1");
  EXPECT_EQ(ini.ReadString("Buttons", "b", "-"), "-");
  std::vector<std::string> sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"Buttons", "Other", "BUTTONS"}));
}

TEST(QuickIniSections, IndexCountsSignificantLinesOnly) {
  const TQuickIni ini = Parse("; c\r\n[A]\r\n\r\nk=1\r\n[B]\r\n");
  EXPECT_EQ(ini.SectionIndex("A"), 0);
  EXPECT_EQ(ini.SectionIndex("B"), 2);
  EXPECT_EQ(ini.SectionIndex("C"), -1);
}

// Keys and values.

TEST(QuickIniKeys, KeysCompareWithoutCase) {
  const TQuickIni ini = Parse("[Progress]\r\nRightwidth=3\r\n");
  EXPECT_EQ(ini.ReadInteger("Progress", "RightWidth", 0), 3);
  EXPECT_EQ(ini.ReadInteger("Progress", "RIGHTWIDTH", 0), 3);
}

TEST(QuickIniKeys, EmptyValueGivesTheDefaultEvenIfTheKeyComesAgain) {
  const TQuickIni ini = Parse("[A]\r\nk=\r\nk=5\r\n");
  EXPECT_EQ(ini.ReadInteger("A", "k", 7), 7);
  EXPECT_EQ(ini.ReadString("A", "k", "d"), "d");
}

TEST(QuickIniKeys, FirstOccurrenceOfAKeyWins) {
  const TQuickIni ini = Parse("[A]\r\nk=1\r\nK=2\r\n");
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "1");
}

TEST(QuickIniKeys, EverythingAfterTheFirstEqualsSignIsTheValue) {
  const TQuickIni ini = Parse("[A]\r\n key = a = b \r\n");
  EXPECT_EQ(ini.ReadString("A", "key", "-"), "a = b");
}

TEST(QuickIniKeys, KeyLinesBeforeTheFirstSectionAreNeverFound) {
  const TQuickIni ini = Parse("k=0\r\n[A]\r\nj=1\r\n");
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "-");
  EXPECT_EQ(ini.ReadString("", "k", "-"), "-");
}

TEST(QuickIniKeys, TheSearchStopsAtTheNextSection) {
  const TQuickIni ini = Parse("[A]\r\na=1\r\n[B]\r\nb=2\r\n");
  EXPECT_EQ(ini.ReadString("A", "b", "-"), "-");
  EXPECT_EQ(ini.ReadString("B", "b", "-"), "2");
}

TEST(QuickIniKeys, LinesWithoutEqualsSignNeverMatch) {
  const TQuickIni ini = Parse("[A]\r\nlonely\r\n=orphan\r\nk=1\r\n");
  EXPECT_EQ(ini.ReadString("A", "lonely", "-"), "-");
  EXPECT_EQ(ini.ReadString("A", "", "-"), "-");
  EXPECT_EQ(ini.ReadString("A", "k", "-"), "1");
}

TEST(QuickIniKeys, EmptyTextHasNoSectionsOrKeys) {
  const TQuickIni ini = Parse("");
  EXPECT_EQ(ini.SectionIndex("A"), -1);
  EXPECT_EQ(ini.ReadString("A", "k", "def"), "def");
  std::vector<std::string> sections{"x"};
  ini.ReadSections(sections);
  EXPECT_TRUE(sections.empty());
}

// Integers.

TEST(QuickIniIntegers, DecimalHexAndSigns) {
  const TQuickIni ini = Parse(
      "[N]\r\na=42\r\nb=-17\r\nc=$1F\r\nd=0x1F\r\ne=0X1f\r\nf=+8\r\ng=2147483647\r\nh=-2147483648\r\ni=-$10\r\n");
  EXPECT_EQ(ini.ReadInteger("N", "a", 0), 42);
  EXPECT_EQ(ini.ReadInteger("N", "b", 0), -17);
  EXPECT_EQ(ini.ReadInteger("N", "c", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "d", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "e", 0), 31);
  EXPECT_EQ(ini.ReadInteger("N", "f", 0), 8);
  EXPECT_EQ(ini.ReadInteger("N", "g", 0), 2147483647);
  EXPECT_EQ(ini.ReadInteger("N", "h", 0), INT32_MIN);
  EXPECT_EQ(ini.ReadInteger("N", "i", 0), -16);
}

TEST(QuickIniIntegers, TextThatDoesNotConvertWhollyGivesTheDefault) {
  const TQuickIni ini = Parse(
      "[N]\r\na=0x\r\nb=12px\r\nc=1.5\r\nd=244 244 244\r\ne=2147483648\r\nf=-2147483649\r\ng=$\r\nh=-\r\n"
      "i=$FFFFFFFF\r\nj=x1F\r\nk=00x1F\r\n");
  for (const char* key : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "missing"})
    EXPECT_EQ(ini.ReadInteger("N", key, -99), -99) << key;
}

TEST(QuickIniIntegers, LeadingZerosAreDecimal) {
  const TQuickIni ini = Parse("[N]\r\na=007\r\nb=0\r\n");
  EXPECT_EQ(ini.ReadInteger("N", "a", 0), 7);
  EXPECT_EQ(ini.ReadInteger("N", "b", 5), 0);
}

}  // namespace
