#include <gtest/gtest.h>

#include "text/Encoding.h"

namespace skiagraf {
namespace {

TEST(Encoding, GermanTextsSurviveTheRoundTrip) {
  for (std::string s : {"Länge", "Südabweichung", "47°", "Größe ß €", "plain"}) {
    std::string cp = Utf8ToCp1252(s);
    EXPECT_EQ(Cp1252ToUtf8(cp), s);
  }
  EXPECT_EQ(Utf8ToCp1252("ä°"), "\xE4\xB0");
  EXPECT_EQ(Utf8ToCp1252("€"), "\x80");
}

TEST(Encoding, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a\xE2\x88\x9E" "b"), "a?b");  // infinity sign
  EXPECT_EQ(Utf8ToCp1252("\xFF"), "?");                 // broken UTF-8
}

}  // namespace
}  // namespace skiagraf
