#include "AddInHarness.h"

#include "AnsiText.h"
#include "QLShared.h"
#include "ScratchFolder.h"
#include "win/SettingsKey.h"

#include <filesystem>
#include <tuple>

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
    EXPECT_EQ(host->RunCommand(L"Print"), DISP_E_UNKNOWNNAME);

    // Automation reserves Invoke's interface argument: anything but IID_NULL runs nothing.
    CHostSelection& selection = OpenDocument(L"x.cpp", L"\tint a;\n");
    LPOLESTR name = const_cast<LPOLESTR>(L"Untabify");
    DISPID id = DISPID_UNKNOWN;
    ASSERT_EQ(host->commandObject->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    DISPPARAMS none{};
    log.clear();
    EXPECT_EQ(host->commandObject->Invoke(id, IID_IDispatch, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr,
                                          nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(selection.text, L"\tint a;\n");
}

TEST_F(CommandTest, HelpOpensTheInstalledHelpFileElseTheManualBesideItElseAsksTheViewer)
{
    ScratchFolder folder;
    SettingsKey settings;
    const std::string installed = folder.PathOf("Quillet Setup");
    settings.Set("Install Path", REG_SZ, installed.c_str(), static_cast<DWORD>(installed.size() + 1));
    const std::string helpFile = installed + "\\Quillet.hlp", manual = installed + "\\manual\\index.html";
    // Without either file the viewer is asked as ever, and names the file.
    const std::string viewer = "viewer " + std::to_string(HELP_CONTENTS) + " " + helpFile;
    const std::tuple<bool, bool, std::string> cases[] = {
        {true, true, viewer}, {false, true, "shell " + manual}, {false, false, viewer}};
    for (const auto& [hasHelpFile, hasManual, opened] : cases)
    {
        std::filesystem::remove_all(installed);
        if (hasHelpFile)
            folder.Write(helpFile, "?_");
        if (hasManual)
            folder.Write(manual, "<html>");
        log.clear();
        help.opened.clear();
        EXPECT_EQ(host->RunCommand(L"QuilletHelp"), S_OK);
        EXPECT_EQ(log, (HostLog{"EnableModeless 0", "EnableModeless -1"}));
        EXPECT_EQ(help.opened, std::vector<std::string>{opened});
    }
}

TEST_F(CommandTest, FormattingCommandsReplaceTheWholeTextWithTheEnginesResult)
{
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
                                "Text put", "EnableModeless -1"}))
            << "the whole text is replaced by one write, without a Delete before it";
    }

    CHostSelection& selection = OpenDocument(L"C:\\src\\Main.CPP", Sample);
    log.clear();
    EXPECT_EQ(host->RunCommand(L"FullFormat"), S_OK);
    EXPECT_EQ(selection.text, FromAnsi(FormatText(ToAnsi(Sample), nullptr)));
    EXPECT_EQ(std::count(log.begin(), log.end(), "Text put"), 1);
}

TEST_F(CommandTest, OnlyCppInlCAndHFilesAreFormatted)
{
    for (const wchar_t* name : {L"C:\\src\\Main.CPP", L"C:\\v1.2\\a.cpp", L"x.inl", L"x.c", L"x.H"})
    {
        CHostSelection& selection = OpenDocument(name, L"\tint a;\n");
        EXPECT_EQ(host->RunCommand(L"Untabify"), S_OK);
        EXPECT_NE(selection.text, L"\tint a;\n") << ToAnsi(name);
    }
    for (const wchar_t* name : {L"x.hpp", L"x.idl", L"x.rc", L"C:\\readme", L"C:\\src.old\\readme"})
    {
        MessageBoxScript boxes;
        CHostSelection& selection = OpenDocument(name, L"\tint a;\n");
        EXPECT_EQ(host->RunCommand(L"Untabify"), S_OK);
        EXPECT_EQ(selection.text, L"\tint a;\n") << ToAnsi(name);
        ASSERT_EQ(boxes.shown.size(), 1u) << ToAnsi(name);
        EXPECT_EQ(boxes.shown[0].text, "Only cpp, inl, c and h files may be formatted");
        EXPECT_EQ(boxes.shown[0].caption, "Quillet");
        EXPECT_EQ(boxes.shown[0].type, UINT(MB_OK | MB_ICONINFORMATION));
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

// Text the engine would cut or could not hold is never handed to it, and the document stays as it was.
TEST_F(CommandTest, ATextHoldingANulOrAnUnpairedSurrogateIsLeftUntouched)
{
    const struct
    {
        std::wstring text;
        const char* cause;
    } cases[] = {
        {std::wstring(L"int a;\n\0int   b(){\nreturn 2;}\n", 26), "it holds a NUL character"},
        {L"int a;\n// \xD800\nint   b(){\nreturn 2;}\n", "cannot be converted without loss"},
    };
    for (const auto& c : cases)
    {
        MessageBoxScript boxes;
        CHostSelection& selection = OpenDocument(L"C:\\src\\Main.cpp", c.text);
        log.clear();
        EXPECT_EQ(host->RunCommand(L"Reindent"), S_OK);
        EXPECT_EQ(selection.text, c.text) << c.cause;
        EXPECT_EQ(std::count(log.begin(), log.end(), "Text put"), 0) << c.cause;
        ASSERT_EQ(boxes.shown.size(), 1u) << c.cause;
        const ShownBox& box = boxes.shown[0];
        EXPECT_EQ(box.caption, "Quillet");
        for (const char* part : {"C:\\src\\Main.cpp", c.cause, "left unchanged"})
            EXPECT_NE(box.text.find(part), std::string::npos) << box.text;
    }
}

TEST_F(CommandTest, TextOutsideTheAnsiCodePageIsFormattedThroughUtf8WithEveryCharacterKept)
{
    const std::wstring fits = L"// caf\u00E9 \u20AC \u00A9\nint   f(){\nreturn 2;}\n";
    const std::wstring foreign = L"// \u65E5\u672C\u8A9E \u20AC \u0100\nint   f(){\nreturn 2;}\n";
    ASSERT_EQ(FromAnsi(ToAnsi(fits)), fits) << "the ANSI code page holds the first text";
    ASSERT_NE(FromAnsi(ToAnsi(foreign)), foreign) << "and not the second";

    const auto reindent = [](const std::string& text)
    { return SpecialFormatText(text, nullptr, 2, 2, 2, 3, 3, 1, 0, 0, 0); };
    CHostSelection& fitting = OpenDocument(L"x.cpp", fits);
    EXPECT_EQ(host->RunCommand(L"Reindent"), S_OK);
    EXPECT_EQ(fitting.text, FromAnsi(reindent(ToAnsi(fits)))) << "byte for byte as through the ANSI code page";

    CHostSelection& selection = OpenDocument(L"x.cpp", foreign);
    EXPECT_EQ(host->RunCommand(L"Reindent"), S_OK);
    std::string utf8;
    ASSERT_TRUE(ToCodePageExactly(CP_UTF8, foreign, utf8));
    std::wstring expected;
    ASSERT_TRUE(FromCodePageExactly(CP_UTF8, reindent(utf8), expected));
    EXPECT_EQ(selection.text, expected);
    EXPECT_EQ(selection.text.rfind(L"// \u65E5\u672C\u8A9E \u20AC \u0100\n", 0), 0u) << "the comment is kept whole";
    EXPECT_NE(selection.text, foreign) << "and the code was reindented";
}

TEST_F(CommandTest, AWriteTheHostRefusesLeavesTheTextAsItWasAndSaysWhy)
{
    using Failure = CHostSelection::WriteFailure;
    const struct
    {
        Failure failure;
        int failingWrites;
        const char* hostError;
        bool kept;
    } cases[] = {
        {Failure::Refused, 1, "0x80070005", true},
        {Failure::AfterDelete, 1, "The document is read-only (0x80070005)", true},
        {Failure::AfterDelete, 2, "The document is read-only (0x80070005)", false},
    };
    const std::wstring text = L"int   f(){\nreturn 2;}\n";
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.hostError + std::string(c.kept ? "" : ", not restored"));
        MessageBoxScript boxes;
        CHostSelection& selection = OpenDocument(L"C:\\src\\Main.cpp", text);
        selection.writeFailure = c.failure;
        selection.failingWrites = c.failingWrites;
        EXPECT_EQ(host->RunCommand(L"Reindent"), S_OK);
        EXPECT_EQ(selection.text, c.kept ? text : L"");
        ASSERT_EQ(boxes.shown.size(), 1u);
        const ShownBox& box = boxes.shown[0];
        EXPECT_EQ(box.caption, "Quillet");
        EXPECT_EQ(box.type, UINT(MB_OK | MB_ICONEXCLAMATION));
        EXPECT_EQ(box.text.rfind("Cannot write the formatted text to C:\\src\\Main.cpp: ", 0), 0u) << box.text;
        EXPECT_NE(box.text.find(c.hostError), std::string::npos) << box.text;
        EXPECT_NE(box.text.find(c.kept ? "left unchanged" : "use Undo"), std::string::npos) << box.text;
    }
}
