#include "AddInHarness.h"

#include "AnsiText.h"
#include "QLShared.h"
#include "ScratchFolder.h"
#include "SettingsKey.h"

#include <filesystem>

#include <set>

namespace
{

// Something for every command to change: tabs, blanks before tabs, trailing
// blanks, operators and parentheses with and without spaces, wrong indents.
const wchar_t Sample[] = L"int f( int a,int b )\n{\nif(a==b)\n        return a+b ;   \n\treturn g( a )*2;\n}\n";

struct FixedCommand
{
    const wchar_t* method;
    int values[9];
};

const FixedCommand FixedCommands[] = {
    {L"DeleteTrailingWhitespace", {2, 2, 2, 2, 2, 0, 0, 0, 1}},
    {L"Tabify", {2, 2, 1, 2, 2, 0, 0, 0, 0}},
    {L"Untabify", {2, 2, 0, 2, 2, 0, 0, 0, 0}},
    {L"OperatorExpand", {2, 0, 2, 2, 2, 0, 0, 0, 0}},
    {L"OperatorContract", {2, 1, 2, 2, 2, 0, 0, 0, 0}},
    {L"ParenthesesExpand", {0, 2, 2, 2, 2, 0, 0, 0, 0}},
    {L"ParenthesesContract", {1, 2, 2, 2, 2, 0, 0, 0, 0}},
    {L"ReIndent", {2, 2, 2, 3, 3, 1, 0, 0, 0}},
};

} // namespace

class CommandTest : public AddInTest
{
protected:
    void SetUp() override
    {
        AddInTest::SetUp();
        ASSERT_EQ(Connect(VARIANT_FALSE), VARIANT_TRUE);
        log.clear();
    }

    CHostSelection& OpenDocument(const std::wstring& fullName, const std::wstring& text)
    {
        CComPtr<CHostDocument> document;
        *&document = new CHostDocument(log, fullName, text);
        host->activeDocument = CComPtr<IDispatch>(document.Get());
        return *document->selection.Get();
    }
};

TEST_F(CommandTest, EveryCommandRunsBetweenModelessOffAndOnAndAnswersOk)
{
    // The fixed-option commands share one frame, whose every run the next test compares whole. The host calls
    // ReIndent by the name the command table gives it.
    for (const wchar_t* method : {L"QuilletMainDlg", L"FullFormat", L"Reindent"})
    {
        log.clear();
        EXPECT_EQ(host->RunCommand(method), S_OK);
        const char* body = method == std::wstring(L"QuilletMainDlg") ? "Projects" : "ActiveDocument";
        EXPECT_EQ(log, (HostLog{"EnableModeless 0", body, "EnableModeless -1"})) << ToAnsi(method);
    }
    EXPECT_TRUE(boxes.empty()) << "no document and no projects: nothing is shown";
    EXPECT_EQ(host->RunCommand(L"Print"), DISP_E_UNKNOWNNAME);
}

TEST_F(CommandTest, HelpOpensTheInstalledHelpFileElseTheManualBesideItElseAsksTheViewer)
{
    ScratchFolder folder;
    SettingsKey settings;
    const std::string installed = folder.PathOf("Quillet Setup");
    settings.Set("Install Path", REG_SZ, installed.c_str(), static_cast<DWORD>(installed.size() + 1));
    const std::string helpFile = installed + "\\Quillet.hlp", manual = installed + "\\manual\\index.html";
    struct Case
    {
        bool helpFile, manual, viewer;
    };
    // Without either file the viewer is asked as ever, and names the file.
    for (Case c : {Case{true, true, true}, Case{false, true, false}, Case{false, false, true}})
    {
        std::filesystem::remove_all(installed);
        if (c.helpFile)
            folder.Write(helpFile, "?_");
        if (c.manual)
            folder.Write(manual, "<html>");
        log.clear();
        helps.clear();
        shellOpens.clear();
        EXPECT_EQ(host->RunCommand(L"QuilletHelp"), S_OK);
        EXPECT_EQ(log, (HostLog{"EnableModeless 0", "EnableModeless -1"}));
        ASSERT_EQ(helps.size(), c.viewer ? 1u : 0u) << c.helpFile << c.manual;
        if (c.viewer)
        {
            EXPECT_EQ(helps[0].owner, nullptr);
            EXPECT_EQ(helps[0].file, helpFile);
            EXPECT_EQ(helps[0].command, UINT(HELP_CONTENTS));
            EXPECT_EQ(helps[0].data, 0u);
        }
        EXPECT_EQ(shellOpens, c.viewer ? std::vector<std::string>{} : std::vector<std::string>{manual});
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CommandTest, FormattingCommandsReplaceTheWholeTextWithTheEnginesResult)
{
    std::set<std::wstring> results;
    for (const FixedCommand& command : FixedCommands)
    {
        CHostSelection& selection = OpenDocument(L"C:\\src\\Main.CPP", Sample);
        selection.start = 3;
        selection.end = 7;
        log.clear();
        EXPECT_EQ(host->RunCommand(command.method), S_OK);
        const int* v = command.values;
        const std::wstring expected =
            FromAnsi(SpecialFormatText(ToAnsi(Sample), nullptr, v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]));
        EXPECT_EQ(selection.text, expected) << ToAnsi(command.method);
        EXPECT_EQ(log, (HostLog{"EnableModeless 0", "ActiveDocument", "FullName", "Selection", "SelectAll", "Text get",
                                "Delete 3:1", "Text put", "EnableModeless -1"}));
        results.insert(expected);
    }
    EXPECT_EQ(results.size(), std::size(FixedCommands)) << "each command changes the sample its own way";

    CHostSelection& selection = OpenDocument(L"C:\\src\\Main.CPP", Sample);
    log.clear();
    EXPECT_EQ(host->RunCommand(L"FullFormat"), S_OK);
    EXPECT_EQ(selection.text, FromAnsi(FormatText(ToAnsi(Sample), nullptr)));
    EXPECT_EQ(std::count(log.begin(), log.end(), "Text put"), 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CommandTest, OnlyCppInlCAndHFilesAreFormatted)
{
    for (const wchar_t* name : {L"C:\\src\\Main.CPP", L"C:\\v1.2\\a.cpp", L"x.inl", L"x.c", L"x.H"})
    {
        CHostSelection& selection = OpenDocument(name, L"\tint a;\n");
        EXPECT_EQ(host->RunCommand(L"Untabify"), S_OK);
        EXPECT_NE(selection.text, L"\tint a;\n") << ToAnsi(name);
    }
    EXPECT_TRUE(boxes.empty());
    for (const wchar_t* name : {L"x.hpp", L"x.idl", L"x.rc", L"C:\\readme", L"C:\\src.old\\readme"})
    {
        boxes.clear();
        CHostSelection& selection = OpenDocument(name, L"\tint a;\n");
        EXPECT_EQ(host->RunCommand(L"Untabify"), S_OK);
        EXPECT_EQ(selection.text, L"\tint a;\n") << ToAnsi(name);
        ASSERT_EQ(boxes.size(), 1u) << ToAnsi(name);
        EXPECT_EQ(boxes[0].owner, nullptr);
        EXPECT_EQ(boxes[0].text, "Only cpp, inl, c and h files may be formatted");
        EXPECT_EQ(boxes[0].caption, "Quillet");
        EXPECT_EQ(boxes[0].type, UINT(MB_OK | MB_ICONINFORMATION));
    }
}

TEST_F(CommandTest, EmptyResultLeavesTheDocumentUntouched)
{
    for (const wchar_t* method : {L"FullFormat", L"Tabify"})
    {
        OpenDocument(L"x.cpp", L"");
        log.clear();
        EXPECT_EQ(host->RunCommand(method), S_OK);
        EXPECT_EQ(log, (HostLog{"EnableModeless 0", "ActiveDocument", "FullName", "Selection", "SelectAll", "Text get",
                                "EnableModeless -1"}))
            << ToAnsi(method);
    }
}
