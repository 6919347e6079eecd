// Text fields and numbers as text: the fields of the program's own text files beside the exe (the
// weight list, the cutting job), CSV cells, and every format in which the program shows a number.
#pragma once

#include <string>

namespace mw {

// Tabs, line ends and backslashes in a text are written as \t, \n, \r and \\, so that a field
// stays on its line and between its tabs.
std::string EscapeField(const std::string& text);
// The text of an escaped field; false for an escape that is not one of the four.
bool UnescapeField(const std::string& text, std::string& out);

// A whole field that is a finite number; nothing else counts.
bool ParseNumberField(const std::string& text, double& value);

// Numbers as text. Each format is one the program shows or writes, kept exactly as it is shown.

// The shortest plain decimal that reads back to the same value.
std::string ShortestNumber(double value);
// "%.17g": every digit a double holds, as the weight list's file keeps its numbers.
std::string ExactNumber(double value);
// "%.*f": `places` decimals, rounded, every zero kept (a calculator's input echoed is "%f").
std::string FixedNumber(double value, int places);
// Plain decimal text of a number: no exponent, no grouping, trailing zeros removed ("-0" is "0").
std::string PlainNumber(double value, int maxDecimals = 6);
// Yuan with two decimals ("-0.00" is "0.00").
std::string Money(double yuan);
// A weight with 0..9 decimal places, the calculators' setting; any other value shows two.
std::string FormatWeight(double weight, int decimals);
// Square metres to three places: painting is quoted to two, the third keeps a short bar's area
// visible.
std::string SquareMetres(double value);
// Three decimals, the format of every unit-weight edit.
std::string FormatUnitWeight(double scaledUnitWeight);

// A CSV cell: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text);

}  // namespace mw
