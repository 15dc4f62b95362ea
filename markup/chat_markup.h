#pragma once
// The game's chat markup: one tag pair per colour and size, and the
// composition of a chat line from the player's three texts.
#include "app/text.h"

enum class ColourChoice { Red, Blue, Supply };

struct TagPair {
    const char* opening;
    const char* closing;
};

// Indexed [colour][enlarge].
extern const TagPair ChatMarkup[3][2];

// before + opening tag + coloured + closing tag + after, byte for byte.
Text Compose(const Text& before, const Text& coloured, const Text& after, ColourChoice colour,
             bool enlarge);
