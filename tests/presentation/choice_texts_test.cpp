#include "presentation/choice_texts.h"

#include <gtest/gtest.h>

namespace krv1::presentation {
namespace {

TEST(ChoiceTexts, EveryEntryStandsForItsOwnChoice) {
    for (SlumpChoice slump : kSlumpChoices) EXPECT_EQ(SlumpOfEntry(SlumpEntry(slump)), slump);
    for (StoneChoice stone : kStoneChoices) EXPECT_EQ(StoneOfEntry(StoneEntry(stone)), stone);
    EXPECT_NE(SlumpEntry(SlumpChoice::Slump7_5), SlumpEntry(SlumpChoice::Slump10_0));
    EXPECT_NE(StoneEntry(StoneChoice::OneInch), StoneEntry(StoneChoice::ThreeQuarterInch));
}

TEST(ChoiceTexts, EntriesMatchCharacterForCharacter) {
    EXPECT_EQ(SlumpOfEntry(" 7.5 (บวก,ลบ)2.5  "), SlumpChoice::Slump7_5);
    EXPECT_EQ(SlumpOfEntry(" 7.5 (บวก,ลบ)2.5"), SlumpChoice::None);  // trailing blanks missing
    EXPECT_EQ(StoneOfEntry(" 3/4 นิ้ว -  #4"), StoneChoice::ThreeQuarterInch);
    EXPECT_EQ(StoneOfEntry("3/4 นิ้ว -  #4"), StoneChoice::None);
    EXPECT_EQ(SlumpOfEntry(""), SlumpChoice::None);
    EXPECT_EQ(SlumpEntry(SlumpChoice::None), "");
    EXPECT_EQ(StoneEntry(StoneChoice::None), "");
}

}  // namespace
}  // namespace krv1::presentation
