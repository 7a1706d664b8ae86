// The "Format Settings" sheet as QLShared shows it, driven by messages from
// inside its modal loop; the store is in memory and every box is scripted.
#include "SheetHarness.h"

#include "LibrarySeams.h"
#include "PropertyPageIds.h"
#include "win/MessageBoxScript.h"
#include "win/TopWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{

using H = SheetHarness;

const char* const kWriteOrder[] = {
    "TabSize",          "IndentSize",         "SpaceTabStyle",      "CloseIndentStyle",         "CloseNewLineStyle",
    "OpenIndentStyle",  "OpenNewLineStyle",   "RecalculateIndents", "DeleteTrailingWhiteSpace", "OperatorSpace",
    "ParenthesesSpace", "SpellCheckComments", "SpellCheckText"};

// Controls, each with the state it should be in.
using States = std::initializer_list<std::pair<int, bool>>;

void ExpectChecked(HWND page, States checks)
{
    for (const auto& [id, checked] : checks)
        EXPECT_EQ(IsDlgButtonChecked(page, id) == BST_CHECKED, checked) << "control " << id;
}

void ExpectStored(std::initializer_list<std::pair<const char*, int>> values)
{
    for (const auto& [name, value] : values)
        EXPECT_EQ(H::key.numbers[name], value) << name;
}

// The two spacing groups of the White Space page, which may not disagree.
struct Spacing
{
    const char* value;
    int space, noSpace;
};
const Spacing kOperator = {"OperatorSpace", IDC_OPERATOR_SPACE, IDC_OPERATOR_NO_SPACE};
const Spacing kParens = {"ParenthesesSpace", IDC_PARENS_SPACE, IDC_PARENS_NO_SPACE};

} // namespace

TEST(OptionsSheet, PagesShowTheStoredValuesAndAClickIsAChange)
{
    H harness;
    H::key.numbers = {{"TabSize", 8},
                      {"IndentSize", 2},
                      {"SpaceTabStyle", 1},
                      {"OpenIndentStyle", 0},
                      {"OpenNewLineStyle", 1},
                      {"CloseIndentStyle", 1},
                      {"CloseNewLineStyle", 2},
                      {"DeleteTrailingWhiteSpace", 1},
                      {"SpellCheckComments", 1},
                      {"RecalculateIndents", 1}};
    // OperatorSpace and ParenthesesSpace are missing: the page shows "Space".
    bool shown = H::Run(
        [](HWND sheet)
        {
            // Filling the pages' boxes is not a change.
            EXPECT_FALSE(H::ApplyEnabled(sheet));
            HWND page = H::ShowPage(sheet, 0);
            EXPECT_EQ(WindowText(GetDlgItem(page, IDC_TAB_SIZE)) + WindowText(GetDlgItem(page, IDC_INDENT_SIZE)), "82");
            ExpectChecked(page, {{IDC_SPACES_TO_TABS, true}, {IDC_TABS_NO_CHANGE, false}});
            ExpectChecked(H::ShowPage(sheet, 1), {{IDC_OPEN_INDENT, true}, {IDC_OPEN_SAME_LINE, true}});
            page = H::ShowPage(sheet, 2);
            ExpectChecked(page, {{IDC_CLOSE_NO_INDENT, true}, {IDC_CLOSE_LINE_NO_CHANGE, true}});
            H::Click(page, IDC_CLOSE_SAME_LINE);
            EXPECT_TRUE(H::ApplyEnabled(sheet));
            ExpectChecked(H::ShowPage(sheet, 3),
                          {{IDC_PARENS_SPACE, true}, {IDC_OPERATOR_SPACE, true}, {IDC_DELETE_TRAILING, true}});
            page = H::ShowPage(sheet, 4);
            ExpectChecked(page, {{IDC_SPELL_COMMENTS, true}, {IDC_SPELL_TEXT, false}, {IDC_RECALCULATE, true}});
            H::Press(sheet, PSBTN_OK);
        });
    EXPECT_TRUE(shown);
    ExpectStored({{"SpellCheckComments", 1}, {"TabSize", 8}, {"CloseNewLineStyle", 1}});
}

TEST(OptionsSheet, ApplyRepaintsPreviewWithPageValuesAndCancelThenWritesNothing)
{
    H harness;
    H::key.numbers = {{"RecalculateIndents", 1}, {"IndentSize", 4}};
    const TopWindow ownerWindow;
    HWND owner = ownerWindow.GetSafeHwnd();
    H::Run(
        [owner](HWND sheet)
        {
            EXPECT_FALSE(IsWindowEnabled(owner));
            HWND preview = GetDlgItem(sheet, IDC_SAMPLE);
            ASSERT_NE(preview, nullptr);
            UpdateWindow(preview);
            EXPECT_NE(WindowText(preview).find("\n    A = B + C;"), std::string::npos) << WindowText(preview);

            HWND page = H::ShowPage(sheet, 0);
            SetWindowTextA(GetDlgItem(page, IDC_INDENT_SIZE), "2");
            EXPECT_TRUE(H::ApplyEnabled(sheet)); // by the change
            H::Press(sheet, PSBTN_APPLYNOW);
            std::string sample = WindowText(preview);
            EXPECT_NE(sample.find("\n  A = B + C;"), std::string::npos) << sample;
            H::Press(sheet, PSBTN_CANCEL);
        },
        owner);
    // Neither painting nor Cancel writes to the store, and the owner is usable again.
    EXPECT_TRUE(H::key.writes.empty());
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST(OptionsSheet, PreviewFormatsWithTheStoredTabSizeNotThePages)
{
    // Spaces become tabs: four columns of indent fill two tabs of size 2 but
    // no tab of size 8.
    H harness;
    H::key.numbers = {{"TabSize", 8}, {"SpaceTabStyle", 1}};
    H::Run(
        [](HWND sheet)
        {
            HWND preview = GetDlgItem(sheet, IDC_SAMPLE);
            UpdateWindow(preview);
            SetWindowTextA(GetDlgItem(H::ShowPage(sheet, 0), IDC_TAB_SIZE), "2");
            H::Press(sheet, PSBTN_APPLYNOW);
            const std::string sample = WindowText(preview);
            EXPECT_NE(sample.find("\n    A = B + C;"), std::string::npos) << sample;
            // The store is read afresh at every paint.
            H::key.numbers["TabSize"] = 2;
            InvalidateRect(preview, nullptr, TRUE);
            UpdateWindow(preview);
            EXPECT_NE(WindowText(preview).find("\n\t\tA = B + C;"), std::string::npos) << WindowText(preview);
            H::Press(sheet, PSBTN_CANCEL);
        });
    EXPECT_TRUE(H::key.writes.empty());
}

TEST(OptionsSheet, OutOfRangeSizesKeepThePageAndOkThenWritesAllThirteenInOrderCreatingTheKey)
{
    H harness;
    H::key.exists = false;
    MessageBoxScript boxes;
    H::Run(
        [&boxes](HWND sheet)
        {
            HWND page = H::ShowPage(sheet, 0);
            HWND tabSize = GetDlgItem(page, IDC_TAB_SIZE);
            SetWindowTextA(tabSize, "21");
            EXPECT_EQ(H::ShowPage(sheet, 1), page);
            EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Please enter an integer between 0 and 20."});
            EXPECT_EQ(GetFocus(), tabSize);

            // With both boxes wrong the Indent Size box is reported.
            SetWindowTextA(GetDlgItem(page, IDC_INDENT_SIZE), "x");
            H::Press(sheet, PSBTN_OK);
            EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Please enter an integer between 0 and 20.",
                                                               "Please enter an integer."}));
            EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_INDENT_SIZE));

            SetWindowTextA(GetDlgItem(page, IDC_INDENT_SIZE), "20");
            SetWindowTextA(tabSize, "0");
            H::Press(sheet, PSBTN_OK);
        });
    ASSERT_TRUE(H::key.exists);
    EXPECT_EQ(H::key.writes, std::vector<std::string>(std::begin(kWriteOrder), std::end(kWriteOrder)));
    // Page defaults: spacing 0 on the White Space page, not the formatter's 2.
    ExpectStored({{"TabSize", 0},
                  {"IndentSize", 20},
                  {"SpaceTabStyle", 2},
                  {"OperatorSpace", 0},
                  {"ParenthesesSpace", 0},
                  {"RecalculateIndents", 0}});
}

TEST(OptionsSheet, OppositeSpacingIsRefusedOrAsksToSpaceBoth)
{
    // No Space against the other group's Space is refused (OK answered);
    // Space against its No Space asks: Yes spaces both, No falls back.
    const struct
    {
        const Spacing &changed, &other;
        bool toSpace;
        int answer;
        const char* reason;
    } rows[] = {{kOperator, kParens, false, IDOK, "operator to no-space while parentheses are set to space."},
                {kParens, kOperator, false, IDOK, "parentheses to no-space while operators are set to space."},
                {kOperator, kParens, true, IDYES, "operator to space while parentheses are set to no-space."},
                {kOperator, kParens, true, IDNO, "operator to space while parentheses are set to no-space."},
                {kParens, kOperator, true, IDYES, "parentheses to space while operators are set to no-space."},
                {kParens, kOperator, true, IDNO, "parentheses to space while operators are set to no-space."}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(std::string(row.changed.value) + (row.toSpace ? " to space, answer " : " to no-space, answer ") +
                     std::to_string(row.answer));
        H harness;
        H::key.numbers[row.changed.value] = 2;
        H::key.numbers[row.other.value] = row.toSpace ? 1 : 0;
        MessageBoxScript boxes(row.answer);
        // A refusal or Yes ends with both spaced, No with neither.
        const bool spaced = row.answer != IDNO;
        H::Run(
            [&row, &boxes, spaced](HWND sheet)
            {
                HWND page = H::ShowPage(sheet, 3);
                H::Click(page, row.toSpace ? row.changed.space : row.changed.noSpace);
                ASSERT_EQ(boxes.shown.size(), 1u);
                EXPECT_EQ(boxes.shown[0].caption, "Configuration  Problem");
                EXPECT_EQ(boxes.shown[0].type,
                          static_cast<UINT>(row.toSpace ? MB_YESNO | MB_ICONQUESTION : MB_OK | MB_ICONSTOP));
                // The reason, the way round in two steps, and the question only when asking.
                const std::string& text = boxes.shown[0].text;
                EXPECT_EQ(text.rfind(std::string("It is illegal to set the ") + row.reason, 0), 0u) << text;
                EXPECT_NE(text.find("you must do it in two steps."), std::string::npos) << text;
                EXPECT_EQ(text.find("\n\nDo you wish to set both items to space at this time?") != std::string::npos,
                          row.toSpace)
                    << text;
                ExpectChecked(page, {{row.changed.space, spaced},
                                     {row.changed.noSpace, !spaced},
                                     {row.other.space, spaced},
                                     {row.other.noSpace, !spaced}});
                // Only Yes marks the page modified; a refusal focuses the fallback,
                // No Space whatever the group held before.
                EXPECT_EQ(H::ApplyEnabled(sheet), row.answer == IDYES);
                EXPECT_TRUE(row.answer == IDYES ||
                            GetFocus() == GetDlgItem(page, spaced ? row.changed.space : row.changed.noSpace));
                H::Press(sheet, PSBTN_OK);
            });
        ExpectStored({{"OperatorSpace", spaced ? 0 : 1}, {"ParenthesesSpace", spaced ? 0 : 1}});
    }
}

TEST(OptionsSheet, PreviewThatCannotFormatReportsOnceAndKeepsItsText)
{
    // The box's own loop paints the preview again: one failure, one box. A
    // throw from this program unwinds through the library only where the
    // system unwinds (64-bit); the 32-bit modules each carry their own unwinder.
    if (sizeof(void*) == 4)
        GTEST_SKIP() << "needs exceptions that cross modules";
    H harness;
    MessageBoxScript boxes;
    H::Run(
        [&boxes](HWND sheet)
        {
            HWND preview = GetDlgItem(sheet, IDC_SAMPLE);
            UpdateWindow(preview);
            const std::string sample = WindowText(preview);
            H::key.failing = true;
            for (int i = 0; i < 3; ++i)
            {
                InvalidateRect(preview, nullptr, TRUE);
                UpdateWindow(preview);
            }
            H::key.failing = false;
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].text, "Unexpected error in DLL entry point 1007");
            EXPECT_EQ(boxes.shown[0].caption, "QLShared DLL");
            EXPECT_EQ(WindowText(preview), sample);
            H::Press(sheet, PSBTN_CANCEL);
        });
}
