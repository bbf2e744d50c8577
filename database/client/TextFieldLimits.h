#pragma once

// How long a text may be that a program sends in a procedure call: the length of the field it goes into, so that
// a text that does not fit is refused before it is sent (a call over the server's packet limit would end the
// session), with a refusal that names the field.

#include <span>
#include <string>
#include <string_view>

namespace tamo::database {

// The most bytes that the server's text rule takes for any text argument (`take_text`), and the limit of an
// argument that goes into no column (passwords, patterns, kind words).
inline constexpr unsigned TEXT_LIMIT_BYTES = 65535;

// What a text argument may hold: `length` characters, or bytes when `characters` is false.
struct FieldLimit {
    std::string field;  // the parameter's name without its prefix ("name", "description", ...)
    unsigned length = TEXT_LIMIT_BYTES;
    bool characters = false;
};

// The limit of the text argument at `position` (from 0) of a call of `procedure`: the length of the column the
// parameter goes into, else TEXT_LIMIT_BYTES.
FieldLimit TextFieldLimit(std::string_view procedure, unsigned position);

// The refusal of a call text ("call name(...)") that carries a quoted text longer than its field: "입력한 값이
// 너무 깁니다: ..." naming the field and both lengths. Empty when every text fits, and for a text that is no
// call.
std::string RefuseOverlongTexts(std::string_view callText);

// The client's table of which column each text parameter goes into: `procedure` empty for the parameter of
// that name in every procedure; `column` ("table.column") empty for a parameter that goes into no column.
struct FieldColumn {
    std::string_view field;
    std::string_view procedure;
    std::string_view column;
};
std::span<const FieldColumn> FieldColumns();

}  // namespace tamo::database
