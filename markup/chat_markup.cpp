#include "markup/chat_markup.h"

#include <cstring>

const TagPair ChatMarkup[3][2] = {
    /* red    */ {{"<red>", "</red>"}, {"<red><big>", "</big></red>"}},
    /* blue   */ {{"<blue>", "</blue>"}, {"<blue><big>", "</big></blue>"}},
    // The game closes the plain supply colour with a bare "</>".
    /* supply */ {{"<SS_Normal_Color>", "</>"}, {"<SS_Normal_Color><big>", "</big></SS_Normal_Color>"}},
};

Text Compose(const Text& before, const Text& coloured, const Text& after, ColourChoice colour,
             bool enlarge) {
    const TagPair& tags = ChatMarkup[static_cast<int>(colour)][enlarge ? 1 : 0];
    const std::size_t openLen = std::strlen(tags.opening);
    const std::size_t closeLen = std::strlen(tags.closing);
    Text line;
    // One allocation, sized from the measured pieces.
    line.reserve(before.size() + openLen + coloured.size() + closeLen + after.size());
    line.append(before).append(tags.opening, openLen).append(coloured);
    line.append(tags.closing, closeLen).append(after);
    return line;
}
