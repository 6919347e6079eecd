// The About window's two texts as data: the usage notes and the change log.
#pragma once

namespace mw {

// A usage note that is one paragraph of prose.
struct GeneralNote {
    int number;
    const char* text;
};

// A note on one calculator: its formula and what its inputs and table are. The formula reads
// "重量=…" in the names of the values the calculator shows or asks for, written for "kg;mm"
// (lengths in mm, areas in mm², weights in kg, density in t/m3), with "×", "÷", "+", "-" and
// brackets, so that it is an expression the input fields accept once numbers stand for the names.
struct CalculatorNote {
    const char* calculator;
    const char* formula;
    const char* remarks;
};

// A function the input fields accept. `example` is "call=value", empty where none can be typed.
struct FunctionNote {
    const char* call;
    const char* meaning;
    const char* example;
};

constexpr int kFirstCalculatorNote = 15;
constexpr int kCalculatorNoteCount = 28;   // notes 15 to 42
constexpr int kFunctionNoteCount = 19;     // notes 46.2 to 46.20
constexpr int kExpressionNote = 46;

extern const GeneralNote kNotesBeforeCalculators[14];  // 1 to 14
extern const CalculatorNote kCalculatorNotes[kCalculatorNoteCount];
extern const GeneralNote kNotesAfterCalculators[3];    // 43 to 45
extern const char kExpressionLead[];                   // 46
extern const char kOperatorsNote[];                    // 46.1
extern const FunctionNote kFunctionNotes[kFunctionNoteCount];

// The change log, newest version first: each block a heading line and numbered changes.
extern const char* const kChangeLogLines[];
extern const int kChangeLogLineCount;

}  // namespace mw
