#include "resume_text.h"

#include <gtest/gtest.h>

// A show's position as a platform keeps it: read back whole, or not at all.

TEST(ResumeText, ReadsBackWhatItWrote) {
    ShowPosition position{2, 17, 3, {{0, 0, 3.5, true}, {4, 10, 61.2, true}, {1, 7, 0, false}}};
    std::string text = ResumeText(position, "0123abcd");
    EXPECT_EQ(text, "T2;0123abcd;2;17;3;0,4,1;35,612,0;0,10,7;1,1,0");
    EXPECT_EQ(ReadResume(text, "0123abcd", 3), position);
}

TEST(ResumeText, RefusesDamagedTextAndTextOfAnotherDeck) {
    const char* refused[] = {
        "T2;0123abcd;2;17;3;0,4,1;35,612,0;0,10,7;1,1,0",  // another deck's key
        "T2;deck;3;17;3;0,4,1;35,612,0;0,10,7;1,1,0",      // no slide 3
        "T2;deck;2;17;3;0,4;35,612,0;0,10,7;1,1,0",        // a slide short
        "T2;deck;2;17;3;0,4,1,0;35,612,0;0,10,7;1,1,0",    // a slide too many
        "T2;deck;2;-1;3;0,4,1;35,612,0;0,10,7;1,1,0",      // a negative penalty
        "T2;deck;2;17;3;0,+4,1;35,612,0;0,10,7;1,1,0",     // a sign
        "T2;deck;2;17;3;0, 4,1;35,612,0;0,10,7;1,1,0",     // a blank
        "T2;deck;2;17;3;0,4,1;35,612,0x;0,10,7;1,1,0",     // a stray letter
        "T2;deck;2;17;3;0,4,1;35,612,0;0,10,7;1,1,0;",     // a field too many
        "T2;deck;2;17;3;0,4,1;35,612,0",                   // fields missing
        "T2;deck;2;17;3;0,4,1;35,612,0;0,10,7;1,2,0",      // a pass that is no yes or no
        "T2;deck;2;18;3;0,4,1;35,612,0;0,10,7;1,1,0",      // costs that miss the penalty
        "T1;deck;2;17;0,4,1;35,612,0",                     // an older kind of text
        "T2;deck;2;99999999999999999999;3;0,4,1;35,612,0;0,10,7;1,1,0",  // beyond any show
        "",
    };
    for (const char* text : refused) EXPECT_FALSE(ReadResume(text, "deck", 3)) << text;
    EXPECT_TRUE(ReadResume("T2;deck;2;17;3;0,4,1;35,612,0;0,10,7;1,1,0", "deck", 3));
}
