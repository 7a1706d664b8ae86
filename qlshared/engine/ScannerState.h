#pragma once

// What the formatting pass knows about the text at the current byte.
// Lives for one walk over the text; every member starts at zero.
struct ScannerState
{
    bool InBlockComment = false;
    bool InLineComment = false;     // cleared at a line start unless Continued
    bool InString = false;          // cleared at a line start unless Continued
    bool InChar = false;            // cleared at a line start unless Continued
    bool InPreprocessor = false;    // cleared at a line start unless Continued
    bool Continued = false;         // the previous line ended with a backslash
    bool AfterPreprocessor = false; // the previous line was a preprocessor line
    int BraceDepth = 0;
    int PendingIndent = 0;   // levels owed to the lines that follow
    int LineExtraIndent = 0; // the part of PendingIndent that applies here
    bool InSwitch = false;
    int SwitchBraceDepth = 0;
    int CaseAdjust = 0; // -1 on a case or default line inside a switch
    bool LineHasBalancedBraces = false;
    bool AfterDo = false; // a line began with do; its while is still to come
};
