// The colour options: a click on an option's mark selects it alone; a click
// on the coloured word lying over the option belongs to the label and
// selects nothing.
#include <gtest/gtest.h>

#include "tests/e2e/main_controls.h"

namespace e2e {
namespace {

using Options = SharedTool;

struct Selection {
    int red, blue, supply;
};

Selection SelectionOf(const MainControls& c) { return {CheckOf(c.red), CheckOf(c.blue), CheckOf(c.supply)}; }

bool operator==(const Selection& a, const Selection& b) {
    return a.red == b.red && a.blue == b.blue && a.supply == b.supply;
}

void PrintTo(const Selection& s, std::ostream* os) { *os << "{" << s.red << ", " << s.blue << ", " << s.supply << "}"; }

void Select(const MainControls& c, HWND option) {
    for (HWND h : {c.red, c.blue, c.supply}) SetCheck(h, h == option);
}

TEST_F(Options, ClickingAMarkSelectsThatOptionAlone) {
    struct Case {
        HWND from, click;
        Selection after;
    };
    const Case cases[] = {
        {c.red, c.supply, {0, 0, 1}},
        {c.supply, c.blue, {0, 1, 0}},
        {c.blue, c.red, {1, 0, 0}},
        {c.red, c.red, {1, 0, 0}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::PrintToString(TextOf(k.click)));
        Select(c, k.from);
        ClickAt(MarkOf(k.click));
        Selection got{};
        EXPECT_TRUE(WaitUntil([&] { return (got = SelectionOf(c)) == k.after; }, 5s)) << testing::PrintToString(got);
    }
}

TEST_F(Options, ClickingAColouredWordSelectsNothing) {
    struct Case {
        HWND selected, label;
    };
    // Each label is clicked while another option is selected, so a click
    // passed on to the option beneath would show.
    const Case cases[] = {{c.red, c.blueLabel}, {c.red, c.supplyLabel}, {c.blue, c.redLabel}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::PrintToString(TextOf(k.label)));
        Select(c, k.selected);
        const Selection before = SelectionOf(c);
        Click(k.label);
        ASSERT_TRUE(SettleInput(*tool, c));
        EXPECT_EQ(SelectionOf(c), before);
    }
}

}  // namespace
}  // namespace e2e
