#pragma once

// Small text helpers shared by the code generators: raw result rows, repeated characters, replacements and the
// number forms that generated code uses.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tamo::codegen {

// One data row of a stored-procedure result, every column as text; a NULL column is the empty text.
using CodegenRow = std::vector<std::string>;

// The column at `index`, or the empty text when the row is shorter.
const std::string& Column(const CodegenRow& row, std::size_t index);

// Turns the id of a data domain into the C++ qualifier of that domain ("Tamo::Data::Nav"). The generators
// take it as a function so that their text can be built from rows filled by hand as well as from the server.
using DataQualifierFn = std::function<std::string(int domainId)>;

std::string Repeat(char ch, std::size_t count);

// Appends the pieces one after another.
void Append(std::string& text, std::initializer_list<std::string_view> pieces);

// Every occurrence of `from` replaced by `to`, scanning on after each replacement.
std::string ReplaceText(std::string text, std::string_view from, std::string_view to);

// A comment text that cannot close the block comment it stands in: "*/" is written as "* /".
std::string KeepInsideBlockComment(std::string text);

// A comment text for a line comment: CR LF, CR and LF each become one blank.
std::string KeepOnOneLine(std::string text);

// The number that "%d" scans from the start of a text (blanks skipped, optional sign); 0 when there is none.
int ReadDecimal(std::string_view text);

// A method code as generated code writes it: "0x" and at least four upper-case hexadecimal digits.
std::string FormatMethodCode(int code);

}  // namespace tamo::codegen
