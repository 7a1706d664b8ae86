// The "Format Settings" sheet as QLShared shows it, driven by messages from
// inside its modal loop; the store is in memory and every box is scripted.
#include "SheetHarness.h"

#include "PropertyPageIds.h"
#include "SettingsStoreFactory.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

using H = SheetHarness;

const char* const kWriteOrder[] = {"TabSize", "IndentSize", "SpaceTabStyle", "CloseIndentStyle",
                                   "CloseNewLineStyle", "OpenIndentStyle", "OpenNewLineStyle",
                                   "RecalculateIndents", "DeleteTrailingWhiteSpace", "OperatorSpace",
                                   "ParenthesesSpace", "SpellCheckComments", "SpellCheckText"};

const std::string kTail = "format your code in this way you must do it in two steps.  "
                          "First set both items to space and format the code, then set one "
                          "item to no-space, the other to no-change and format the code again.";

struct Control
{
    int id;
    const char* label;
    int x, y, width, height;
};

// The control's rectangle in the page, in dialog units of that page.
void ExpectAt(HWND page, int id, const char* label, int x, int y, int width, int height)
{
    HWND control = GetDlgItem(page, id);
    ASSERT_NE(control, nullptr) << label;
    EXPECT_EQ(H::Text(control), label);
    RECT expected = {x, y, x + width, y + height};
    MapDialogRect(page, &expected);
    RECT actual;
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left) << label;
    EXPECT_EQ(actual.top, expected.top) << label;
    // The dialog manager scales the size on its own, not the far edge.
    RECT size = {0, 0, width, height};
    MapDialogRect(page, &size);
    EXPECT_EQ(actual.right - actual.left, size.right) << label;
    EXPECT_EQ(actual.bottom - actual.top, size.bottom) << label;
}

std::string TabText(HWND sheet, int index)
{
    HWND tabs = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
    char text[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

void SetAllStored(int value)
{
    for (const char* name : kWriteOrder)
        H::key.numbers[name] = value;
}

} // namespace

TEST(OptionsSheet, PagesCarryTheirControlsInOrder)
{
    H harness;
    bool shown = H::Run([](HWND sheet) {
        EXPECT_EQ(H::Text(sheet), "Format Settings");
        const char* tabs[] = {"Tabs", "Open Brace", "Close Brace", "White Space", "Misc"};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(TabText(sheet, i), tabs[i]);

        HWND page = H::ShowPage(sheet, 0);
        ExpectAt(page, IDC_TABS_TO_SPACES, "Replace Tabs With Spaces", 41, 24, 103, 10);
        ExpectAt(page, IDC_SPACES_TO_TABS, "Replace Spaces With Tabs", 41, 34, 103, 10);
        ExpectAt(page, IDC_TABS_NO_CHANGE, "Do Not Change", 41, 44, 65, 10);
        ExpectAt(page, IDC_TAB_SIZE, "4", 90, 64, 40, 14);
        ExpectAt(page, IDC_INDENT_SIZE, "4", 90, 84, 40, 14);

        page = H::ShowPage(sheet, 1);
        ExpectAt(page, IDC_OPEN_INDENT, "Indent Open Brace", 39, 25, 76, 10);
        ExpectAt(page, IDC_OPEN_NO_INDENT, "Do Not Indent Open Brace", 39, 35, 101, 10);
        ExpectAt(page, IDC_OPEN_INDENT_NO_CHANGE, "Do Not Change", 39, 44, 65, 10);
        ExpectAt(page, IDC_OPEN_NEW_LINE, "Open Brace on New Line", 38, 75, 96, 10);
        ExpectAt(page, IDC_OPEN_SAME_LINE, "Open Brace on Same Line", 38, 85, 99, 10);
        ExpectAt(page, IDC_OPEN_LINE_NO_CHANGE, "Do Not Change", 38, 95, 65, 10);

        page = H::ShowPage(sheet, 2);
        ExpectAt(page, IDC_CLOSE_INDENT, "Indent Close Brace", 41, 23, 76, 10);
        ExpectAt(page, IDC_CLOSE_NO_INDENT, "Do Not Indent Close Brace", 41, 34, 101, 10);
        ExpectAt(page, IDC_CLOSE_INDENT_NO_CHANGE, "Do Not Change", 41, 45, 65, 10);
        ExpectAt(page, IDC_CLOSE_NEW_LINE, "Close Brace on New Line", 40, 74, 96, 10);
        ExpectAt(page, IDC_CLOSE_SAME_LINE, "Close Brace on Same Line", 40, 84, 99, 10);
        ExpectAt(page, IDC_CLOSE_LINE_NO_CHANGE, "Do Not Change", 40, 94, 65, 10);

        page = H::ShowPage(sheet, 3);
        ExpectAt(page, IDC_PARENS_SPACE, "Space", 37, 14, 37, 10);
        ExpectAt(page, IDC_PARENS_NO_SPACE, "No Space", 37, 25, 48, 10);
        ExpectAt(page, IDC_PARENS_NO_CHANGE, "Do Not Change", 37, 35, 65, 10);
        ExpectAt(page, IDC_OPERATOR_SPACE, "Space", 36, 65, 37, 10);
        ExpectAt(page, IDC_OPERATOR_NO_SPACE, "No Space", 36, 75, 48, 10);
        ExpectAt(page, IDC_OPERATOR_NO_CHANGE, "Do Not Change", 36, 86, 65, 10);
        ExpectAt(page, IDC_DELETE_TRAILING, "Delete Trailing White Space", 32, 106, 118, 10);

        page = H::ShowPage(sheet, 4);
        ExpectAt(page, IDC_SPELL_COMMENTS, "Spell Check Comments", 38, 20, 118, 10);
        ExpectAt(page, IDC_SPELL_TEXT, "Spell Check Quoted Text", 37, 52, 118, 10);
        ExpectAt(page, IDC_RECALCULATE, "Recalculate all indent levels", 37, 91, 118, 11);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_SPELL_COMMENTS)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_SPELL_TEXT)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_RECALCULATE)));
        H::Press(sheet, PSBTN_CANCEL);
    });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(H::boxes.empty());
}

TEST(OptionsSheet, StoredValuesShowAsCheckedButtons)
{
    H harness;
    H::key.numbers = {{"TabSize", 8},          {"IndentSize", 2},         {"SpaceTabStyle", 1},
                      {"OpenIndentStyle", 0},  {"OpenNewLineStyle", 1},   {"CloseIndentStyle", 1},
                      {"CloseNewLineStyle", 2}, {"DeleteTrailingWhiteSpace", 1},
                      {"SpellCheckComments", 1}, {"RecalculateIndents", 1}};
    // OperatorSpace and ParenthesesSpace are missing: the page shows "Space".
    H::Run([](HWND sheet) {
        HWND page = H::ShowPage(sheet, 0);
        EXPECT_EQ(H::Text(GetDlgItem(page, IDC_TAB_SIZE)), "8");
        EXPECT_EQ(H::Text(GetDlgItem(page, IDC_INDENT_SIZE)), "2");
        EXPECT_TRUE(H::Checked(page, IDC_SPACES_TO_TABS));
        EXPECT_FALSE(H::Checked(page, IDC_TABS_NO_CHANGE));
        page = H::ShowPage(sheet, 1);
        EXPECT_TRUE(H::Checked(page, IDC_OPEN_INDENT));
        EXPECT_TRUE(H::Checked(page, IDC_OPEN_SAME_LINE));
        page = H::ShowPage(sheet, 2);
        EXPECT_TRUE(H::Checked(page, IDC_CLOSE_NO_INDENT));
        EXPECT_TRUE(H::Checked(page, IDC_CLOSE_LINE_NO_CHANGE));
        page = H::ShowPage(sheet, 3);
        EXPECT_TRUE(H::Checked(page, IDC_PARENS_SPACE));
        EXPECT_TRUE(H::Checked(page, IDC_OPERATOR_SPACE));
        EXPECT_TRUE(H::Checked(page, IDC_DELETE_TRAILING));
        page = H::ShowPage(sheet, 4);
        EXPECT_TRUE(H::Checked(page, IDC_SPELL_COMMENTS));
        EXPECT_FALSE(H::Checked(page, IDC_SPELL_TEXT));
        EXPECT_TRUE(H::Checked(page, IDC_RECALCULATE));
        // Showing the stored value does not make the box usable.
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, IDC_SPELL_COMMENTS)));
        H::Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(H::key.numbers["OperatorSpace"], 0);
    EXPECT_EQ(H::key.numbers["ParenthesesSpace"], 0);
    EXPECT_EQ(H::key.numbers["SpellCheckComments"], 1);
    EXPECT_EQ(H::key.numbers["SpellCheckText"], 0);
    EXPECT_EQ(H::key.numbers["TabSize"], 8);
}

TEST(OptionsSheet, ValueOutsideGroupChecksNothingAndSavesMinusOne)
{
    H harness;
    H::key.numbers["OpenIndentStyle"] = 3;
    H::key.numbers["CloseIndentStyle"] = 3;
    H::Run([](HWND sheet) {
        HWND page = H::ShowPage(sheet, 1);
        EXPECT_FALSE(H::Checked(page, IDC_OPEN_INDENT));
        EXPECT_FALSE(H::Checked(page, IDC_OPEN_NO_INDENT));
        EXPECT_FALSE(H::Checked(page, IDC_OPEN_INDENT_NO_CHANGE));
        H::Press(sheet, PSBTN_OK);
    });
    // The page shown reads -1 from its controls; the one never shown keeps 3.
    EXPECT_EQ(H::key.numbers["OpenIndentStyle"], -1);
    EXPECT_EQ(H::key.numbers["CloseIndentStyle"], 3);
}

TEST(OptionsSheet, OkWritesAllThirteenInOrderCreatingTheKey)
{
    H harness;
    H::key.exists = false;
    H::Run([](HWND sheet) { H::Press(sheet, PSBTN_OK); });
    ASSERT_TRUE(H::key.exists);
    ASSERT_EQ(H::key.writes.size(), 13u);
    for (size_t i = 0; i < 13; ++i)
        EXPECT_EQ(H::key.writes[i], kWriteOrder[i]);
    // Page defaults: spacing 0 on the White Space page, not the formatter's 2.
    EXPECT_EQ(H::key.numbers["TabSize"], 4);
    EXPECT_EQ(H::key.numbers["IndentSize"], 4);
    EXPECT_EQ(H::key.numbers["SpaceTabStyle"], 2);
    EXPECT_EQ(H::key.numbers["OperatorSpace"], 0);
    EXPECT_EQ(H::key.numbers["ParenthesesSpace"], 0);
    EXPECT_EQ(H::key.numbers["RecalculateIndents"], 0);
}

TEST(OptionsSheet, CancelAfterApplyWritesNothing)
{
    H harness;
    SetAllStored(1);
    H::key.numbers["TabSize"] = 4;
    H::key.numbers["IndentSize"] = 4;
    H::Run([](HWND sheet) {
        HWND page = H::ShowPage(sheet, 0);
        SetWindowTextA(GetDlgItem(page, IDC_TAB_SIZE), "8");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, 0x3021))); // Apply, enabled by the change
        H::Press(sheet, PSBTN_APPLYNOW);
        H::Press(sheet, PSBTN_CANCEL);
    });
    EXPECT_TRUE(H::key.writes.empty());
    EXPECT_EQ(H::key.numbers["TabSize"], 4);
}

TEST(OptionsSheet, ClickMarksThePageModified)
{
    H harness;
    H::Run([](HWND sheet) {
        HWND apply = GetDlgItem(sheet, 0x3021);
        // Filling the Tabs page's boxes is not a change.
        EXPECT_FALSE(IsWindowEnabled(apply));
        HWND page = H::ShowPage(sheet, 2);
        H::Click(page, IDC_CLOSE_SAME_LINE);
        EXPECT_TRUE(IsWindowEnabled(apply));
        H::Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(H::key.numbers["CloseNewLineStyle"], 1);
}

TEST(OptionsSheet, ApplyRepaintsPreviewWithPageValuesAndLeavesStoreAlone)
{
    H harness;
    H::key.numbers["RecalculateIndents"] = 1;
    H::key.numbers["IndentSize"] = 4;
    H::Run([](HWND sheet) {
        HWND preview = GetDlgItem(sheet, IDC_SAMPLE);
        ASSERT_NE(preview, nullptr);
        UpdateWindow(preview);
        EXPECT_NE(H::Text(preview).find("\n    A = B + C;"), std::string::npos) << H::Text(preview);

        int opensBefore = H::key.opens;
        HWND page = H::ShowPage(sheet, 0);
        SetWindowTextA(GetDlgItem(page, IDC_INDENT_SIZE), "2");
        H::Press(sheet, PSBTN_APPLYNOW);
        std::string sample = H::Text(preview);
        EXPECT_NE(sample.find("\n  A = B + C;"), std::string::npos) << sample;
        EXPECT_NE(sample.find("// Comment"), std::string::npos);
        // Painting reads and writes nothing in the store.
        EXPECT_EQ(H::key.opens, opensBefore);
        EXPECT_TRUE(H::key.writes.empty());
        EXPECT_EQ(H::key.numbers["IndentSize"], 4);
        H::Press(sheet, PSBTN_CANCEL);
    });
    EXPECT_TRUE(H::key.writes.empty());
}

TEST(OptionsSheet, OutOfRangeTabSizeKeepsThePage)
{
    H harness;
    H::Run([](HWND sheet) {
        HWND page = H::ShowPage(sheet, 0);
        HWND tabSize = GetDlgItem(page, IDC_TAB_SIZE);
        SetWindowTextA(tabSize, "21");
        EXPECT_EQ(H::ShowPage(sheet, 1), page);
        ASSERT_EQ(H::boxes.size(), 1u);
        EXPECT_EQ(H::boxes[0].text, "Please enter an integer between 0 and 20.");
        EXPECT_EQ(GetFocus(), tabSize);

        // With both boxes wrong the Indent Size box is reported.
        SetWindowTextA(GetDlgItem(page, IDC_INDENT_SIZE), "x");
        H::Press(sheet, PSBTN_OK);
        ASSERT_EQ(H::boxes.size(), 2u);
        EXPECT_EQ(H::boxes[1].text, "Please enter an integer.");
        EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_INDENT_SIZE));

        SetWindowTextA(GetDlgItem(page, IDC_INDENT_SIZE), "20");
        SetWindowTextA(tabSize, "0");
        H::Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(H::key.numbers["TabSize"], 0);
    EXPECT_EQ(H::key.numbers["IndentSize"], 20);
}

TEST(OptionsSheet, OperatorNoSpaceAgainstSpacedParenthesesIsRefused)
{
    H harness;
    H::key.numbers["ParenthesesSpace"] = 0;
    H::key.numbers["OperatorSpace"] = 2;
    H::Run([](HWND sheet) {
        HWND page = H::ShowPage(sheet, 3);
        H::Click(page, IDC_OPERATOR_NO_SPACE);
        ASSERT_EQ(H::boxes.size(), 1u);
        EXPECT_EQ(H::boxes[0].caption, "Configuration  Problem");
        EXPECT_EQ(H::boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
        EXPECT_EQ(H::boxes[0].text, "It is illegal to set the operator to no-space while parentheses are set to "
                                    "space.  If you really want to " + kTail);
        EXPECT_TRUE(H::Checked(page, IDC_OPERATOR_SPACE));
        EXPECT_FALSE(H::Checked(page, IDC_OPERATOR_NO_SPACE));
        EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_OPERATOR_SPACE));
        // A refusal does not mark the page modified.
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(sheet, 0x3021)));

        H::Click(page, IDC_PARENS_NO_SPACE);
        ASSERT_EQ(H::boxes.size(), 2u);
        EXPECT_EQ(H::boxes[1].text, "It is illegal to set the parentheses to no-space while operators are set to "
                                    "space.  If you really want to " + kTail);
        EXPECT_TRUE(H::Checked(page, IDC_PARENS_SPACE));
        EXPECT_FALSE(H::Checked(page, IDC_PARENS_NO_SPACE));
        H::Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(H::key.numbers["OperatorSpace"], 0);
    EXPECT_EQ(H::key.numbers["ParenthesesSpace"], 0);
}

TEST(OptionsSheet, OperatorSpaceAgainstUnspacedParenthesesAsks)
{
    H harness;
    H::key.numbers["ParenthesesSpace"] = 1;
    H::key.numbers["OperatorSpace"] = 2;
    H::answers = {IDYES, IDNO};
    H::Run([](HWND sheet) {
        HWND page = H::ShowPage(sheet, 3);
        H::Click(page, IDC_OPERATOR_SPACE);
        ASSERT_EQ(H::boxes.size(), 1u);
        EXPECT_EQ(H::boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
        EXPECT_EQ(H::boxes[0].text, "It is illegal to set the operator to space while parentheses are set to "
                                    "no-space.  If you really want to " + kTail +
                                    "\n\nDo you wish to set both items to space at this time?");
        EXPECT_TRUE(H::Checked(page, IDC_OPERATOR_SPACE));
        EXPECT_TRUE(H::Checked(page, IDC_PARENS_SPACE));
        EXPECT_FALSE(H::Checked(page, IDC_PARENS_NO_SPACE));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, 0x3021)));

        // Back to opposite spacing, then No: operators fall back to No Space.
        H::Click(page, IDC_OPERATOR_NO_CHANGE);
        H::Click(page, IDC_PARENS_NO_SPACE);
        EXPECT_EQ(H::boxes.size(), 1u);
        H::Click(page, IDC_OPERATOR_SPACE);
        ASSERT_EQ(H::boxes.size(), 2u);
        EXPECT_FALSE(H::Checked(page, IDC_OPERATOR_SPACE));
        EXPECT_TRUE(H::Checked(page, IDC_OPERATOR_NO_SPACE));
        EXPECT_TRUE(H::Checked(page, IDC_PARENS_NO_SPACE));
        EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_OPERATOR_NO_SPACE));
        H::Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(H::key.numbers["OperatorSpace"], 1);
    EXPECT_EQ(H::key.numbers["ParenthesesSpace"], 1);
}

TEST(OptionsSheet, ParenthesesSpaceAgainstUnspacedOperatorsAsks)
{
    H harness;
    H::key.numbers["ParenthesesSpace"] = 2;
    H::key.numbers["OperatorSpace"] = 1;
    H::answers = {IDNO, IDYES};
    H::Run([](HWND sheet) {
        HWND page = H::ShowPage(sheet, 3);
        H::Click(page, IDC_PARENS_SPACE);
        ASSERT_EQ(H::boxes.size(), 1u);
        EXPECT_EQ(H::boxes[0].text, "It is illegal to set the parentheses to space while operators are set to "
                                    "no-space.  If you really want to " + kTail +
                                    "\n\nDo you wish to set both items to space at this time?");
        // No: the parentheses fall back to No Space, whatever they held.
        EXPECT_TRUE(H::Checked(page, IDC_PARENS_NO_SPACE));
        EXPECT_FALSE(H::Checked(page, IDC_PARENS_SPACE));
        EXPECT_EQ(GetFocus(), GetDlgItem(page, IDC_PARENS_NO_SPACE));

        H::Click(page, IDC_PARENS_SPACE);
        ASSERT_EQ(H::boxes.size(), 2u);
        EXPECT_TRUE(H::Checked(page, IDC_PARENS_SPACE));
        EXPECT_TRUE(H::Checked(page, IDC_OPERATOR_SPACE));
        EXPECT_FALSE(H::Checked(page, IDC_OPERATOR_NO_SPACE));
        H::Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(H::key.numbers["OperatorSpace"], 0);
    EXPECT_EQ(H::key.numbers["ParenthesesSpace"], 0);
}

TEST(OptionsSheet, DoNotChangeOnEitherSideAllowsEverything)
{
    H harness;
    H::key.numbers["ParenthesesSpace"] = 2;
    H::key.numbers["OperatorSpace"] = 2;
    H::Run([](HWND sheet) {
        HWND page = H::ShowPage(sheet, 3);
        H::Click(page, IDC_OPERATOR_NO_SPACE);
        H::Click(page, IDC_OPERATOR_SPACE);
        H::Click(page, IDC_OPERATOR_NO_CHANGE);
        H::Click(page, IDC_PARENS_NO_SPACE);
        H::Click(page, IDC_PARENS_SPACE);
        EXPECT_TRUE(H::boxes.empty());
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(sheet, 0x3021)));
        H::Press(sheet, PSBTN_OK);
    });
    EXPECT_EQ(H::key.numbers["OperatorSpace"], 2);
    EXPECT_EQ(H::key.numbers["ParenthesesSpace"], 0);
}

TEST(OptionsSheet, SheetIsWiderWithThePreviewStrip)
{
    H harness;
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 80, 900, 700, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    H::Run(
        [owner](HWND sheet) {
            EXPECT_FALSE(IsWindowEnabled(owner));
            RECT window;
            GetWindowRect(sheet, &window);
            HWND preview = GetDlgItem(sheet, IDC_SAMPLE);
            RECT strip;
            GetWindowRect(preview, &strip);
            MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&strip), 2);
            int width = window.right - window.left;
            int height = window.bottom - window.top;
            // The strip was placed by the width before widening.
            EXPECT_EQ(strip.left, width - 200 + 25);
            EXPECT_EQ(strip.right, width - 200 + 175);
            EXPECT_EQ(strip.top, 25);
            EXPECT_EQ(strip.bottom, height - 50);
            EXPECT_TRUE(IsWindowVisible(preview));
            // Centred over the owner.
            EXPECT_NEAR((window.left + window.right) / 2, 100 + 450, 1);
            EXPECT_NEAR((window.top + window.bottom) / 2, 80 + 350, 1);
            H::Press(sheet, PSBTN_CANCEL);
        },
        owner);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST(OptionsSheet, OkCreatesTheRegistryKeyWithAllValues)
{
    H harness;
    SetSettingsStoreFactory(nullptr); // the real registry of the Wine prefix
    const char* path = "Software\\Tamsel Software\\Quillet";
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
    H::Run([](HWND sheet) {
        HWND page = H::ShowPage(sheet, 0);
        SetWindowTextA(GetDlgItem(page, IDC_TAB_SIZE), "6");
        H::Press(sheet, PSBTN_OK);
    });
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key), ERROR_SUCCESS);
    for (const char* name : kWriteOrder) {
        DWORD type = 0, value = 0, size = sizeof(value);
        EXPECT_EQ(RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
                  ERROR_SUCCESS)
            << name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << name;
        if (std::string(name) == "TabSize") {
            EXPECT_EQ(value, 6u);
        }
    }
    RegCloseKey(key);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
    EXPECT_TRUE(H::boxes.empty());
}

TEST(OptionsSheet, PreviewThatCannotFormatReportsOnceAndKeepsItsText)
{
    H harness;
    // Only a stored value can be this large: the page checks 0 to 20 only
    // when it is edited. Indenting by it cannot be done.
    H::key.numbers["IndentSize"] = 2000000000;
    H::key.numbers["RecalculateIndents"] = 1;
    H::Run([](HWND sheet) {
        HWND preview = GetDlgItem(sheet, IDC_SAMPLE);
        for (int i = 0; i < 3; ++i) {
            InvalidateRect(preview, nullptr, TRUE);
            UpdateWindow(preview);
        }
        ASSERT_EQ(H::boxes.size(), 1u);
        EXPECT_EQ(H::boxes[0].text, "Unexpected error in formatting process, text is unchanged.");
        EXPECT_EQ(H::boxes[0].caption, "QLShared DLL");
        EXPECT_EQ(H::Text(preview).rfind("// Comment\n\nCTest::CTest()\n{\n    A = B + C;", 0), 0u);
        H::Press(sheet, PSBTN_CANCEL);
    });
}
