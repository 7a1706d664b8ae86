#include "AddInHarness.h"

#include <algorithm>

namespace
{

const wchar_t* const CommandStrings[] = {
    L"QuilletMainDlg\nQuilletMainDlg\nDisplays the Quillet dialog\nQuillet Main Dialog Command",
    L"QLFullFormat\nQuilletFullFormat\nFully formats the active file\nQuillet Full Format Command",
    L"QLDeleteTrailingWhiteSpace\nQuilletDeleteTrailingWhiteSpace\nDeletes trailing white space from active "
    L"file\nQuillet Delete Trailing White Space Command",
    L"QLTabify\nQuilletTabify\nTabifies the active file\nQuillet Tabify Command",
    L"QLUntabify\nQuilletUntabify\nUntabifies the active file\nQuillet Untabify Command",
    L"QLOperatorExpand\nQuilletOperatorExpand\nAdds spaces around operators in the active file\nQuillet Operator "
    L"Expand Command",
    L"QLOperatorContract\nQuilletOperatorContract\nDeletes spaces around operators in the active file\nQuillet "
    L"Operator Contract Command",
    L"QLParenthesesExpand\nQuilletParenthesesExpand\nAdds spaces inside parentheses in the active file\nQuillet "
    L"Parentheses Expand Command",
    L"QLParenthesesContract\nQuilletParenthesesContract\nDeletes spaces inside parentheses in the active "
    L"file\nQuillet Parentheses Contract Command",
    L"QLReindent\nQuilletReindent\nReindents the active file\nQuillet Reindent Command",
    L"QLQuilletHelp\nQuilletHelp\nDisplay Quillet help\nQuillet Help Command",
};

const wchar_t* const Methods[] = {L"QuilletMainDlg",   L"FullFormat",        L"DeleteTrailingWhitespace",
                                  L"Tabify",           L"Untabify",          L"OperatorExpand",
                                  L"OperatorContract", L"ParenthesesExpand", L"ParenthesesContract",
                                  L"Reindent",         L"QuilletHelp"};

} // namespace

TEST_F(AddInTest, ConnectionAnnouncesTheCommandTableAndButtonsOnlyOnTheFirstConnection)
{
    const std::pair<VARIANT_BOOL, std::size_t> cases[] = {{VARIANT_TRUE, 11}, {VARIANT_FALSE, 0}, {1, 0}};
    for (const auto& [firstTime, buttons] : cases)
    {
        SCOPED_TRACE(firstTime);
        host->commandObject.Release();
        *&host = new CHostApplication(log);
        ASSERT_EQ(Connect(firstTime), VARIANT_TRUE);
        ASSERT_EQ(host->commands.size(), 11u);
        for (std::size_t glyph = 0; glyph < 11; ++glyph)
        {
            EXPECT_EQ(host->commands[glyph].command, CommandStrings[glyph]);
            EXPECT_EQ(host->commands[glyph].method, Methods[glyph]);
            EXPECT_EQ(host->commands[glyph].glyph, long(glyph));
            EXPECT_EQ(host->commands[glyph].cookie, 77);
        }
        ASSERT_EQ(host->buttons.size(), buttons);
        for (std::size_t button = 0; button < buttons; ++button)
            EXPECT_EQ(std::wstring(CommandStrings[button]).rfind(host->buttons[button] + L"\n", 0), 0u);
        EXPECT_EQ(host->addInInfo, (std::vector<LONGLONG>{LONGLONG(LONG_PTR(Module())), 128, 129, 77}));
        EXPECT_TRUE(host->commandObject);
        addIn->OnDisconnection(VARIANT_FALSE);
    }
    EXPECT_EQ(std::count(log.begin(), log.end(), "AddCommandBarButton 1 77"), 11);
}

TEST_F(AddInTest, RefusedCommandOrMissingApplicationLeavesTheAddInUnconnected)
{
    host->refusedGlyph = 3;
    EXPECT_EQ(Connect(VARIANT_TRUE), VARIANT_FALSE);
    EXPECT_EQ(host->commands.size(), 4u) << "the first three stay announced, the fourth was refused";
    EXPECT_TRUE(host->buttons.empty());

    CComPtr<IDSAddIn> other = CreateAddIn();
    ASSERT_TRUE(other);
    VARIANT_BOOL connected = VARIANT_TRUE;
    CComPtr<CHostSelection> notAnApplication;
    *&notAnApplication = new CHostSelection(log, L"");
    log.clear();
    EXPECT_EQ(other->OnConnection(notAnApplication.Get(), VARIANT_TRUE, 1, &connected), S_OK);
    EXPECT_EQ(connected, VARIANT_FALSE);
    EXPECT_TRUE(log.empty());
    connected = VARIANT_TRUE;
    EXPECT_EQ(other->OnConnection(nullptr, VARIANT_TRUE, 1, &connected), S_OK);
    EXPECT_EQ(connected, VARIANT_FALSE);
}

TEST_F(AddInTest, DisconnectionReleasesTheCommandObject)
{
    ASSERT_EQ(Connect(VARIANT_TRUE), VARIANT_TRUE);
    addIn->OnDisconnection(VARIANT_TRUE);
    addIn.Release();
    EXPECT_EQ(CanUnloadNow(), S_FALSE) << "the host still holds the command object";
    host->commandObject.Release();
    EXPECT_EQ(CanUnloadNow(), S_OK);
}
