// Writes the built-in show as a deck file, the instructor's starting point.
#include <cstdio>
#include <fstream>

#include "deck.h"
#include "slide.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary);
    file << WriteDeck(BuiltInDeck());
    return file.flush() ? 0 : 1;
}
