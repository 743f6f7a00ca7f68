#include "resume_text.h"

#include <gtest/gtest.h>

// A show's position as a platform keeps it: read back whole, or not at all.

TEST(ResumeText, ReadsBackWhatItWrote) {
    ShowPosition position{2, 17, {0, 4, 1}, {3.5, 61.2, 0}};
    std::string text = ResumeText(position, "0123abcd");
    EXPECT_EQ(text, "T1;0123abcd;2;17;0,4,1;35,612,0");
    EXPECT_EQ(ReadResume(text, "0123abcd", 3), position);
}

TEST(ResumeText, RefusesDamagedTextAndTextOfAnotherDeck) {
    const char* refused[] = {
        "T1;0123abcd;2;17;0,4,1;35,612,0",                // another deck's key
        "T1;deck;3;17;0,4,1;35,612,0",                    // no slide 3
        "T1;deck;2;17;0,4;35,612,0",                      // a slide short
        "T1;deck;2;17;0,4,1,0;35,612,0",                  // a slide too many
        "T1;deck;2;-1;0,4,1;35,612,0",                    // a negative penalty
        "T1;deck;2;17;0,+4,1;35,612,0",                   // a sign
        "T1;deck;2;17;0, 4,1;35,612,0",                   // a blank
        "T1;deck;2;17;0,4,1;35,612,0x",                   // a stray letter
        "T1;deck;2;17;0,4,1;35,612,0;",                   // a field too many
        "T1;deck;2;17;0,4,1",                             // fields missing
        "T2;deck;2;17;0,4,1;35,612,0",                    // another kind of text
        "T1;deck;2;99999999999999999999;0,4,1;35,612,0",  // beyond any show
        "",
    };
    for (const char* text : refused) EXPECT_FALSE(ReadResume(text, "deck", 3)) << text;
    EXPECT_TRUE(ReadResume("T1;deck;2;17;0,4,1;35,612,0", "deck", 3));
}
