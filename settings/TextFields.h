// Fields of the program's own text files beside the exe (the weight list, the cutting job):
// escaped texts, numbers read whole, numbers written back exactly, CSV cells.
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

// The shortest plain decimal that reads back to the same value.
std::string ShortestNumber(double value);

// A CSV cell: quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text);

}  // namespace mw
