#pragma once

// The design database's text columns and the text parameters of the procedures that the programs call, as
// the SQL files of database/ declare them (SchemaTables.cpp is generated from them by the build).

#include <span>
#include <string_view>

namespace tamo::database::schema {

// A column of a table that holds text, with the length it holds: characters for VARCHAR and CHAR, bytes for
// TEXT.
struct TextColumn {
    std::string_view table;
    std::string_view column;
    unsigned length;
    bool characters;
};

// A text parameter of a procedure in program-procedures: its position among all parameters (from 0), its
// name, and the length its declaration gives (0 for LONGBLOB, TEXT and the like).
struct TextParameter {
    std::string_view procedure;
    unsigned position;
    std::string_view name;
    unsigned declared_length;
    bool declared_characters;
};

// Ordered by table and column.
std::span<const TextColumn> TextColumns();
// Ordered by procedure name and position.
std::span<const TextParameter> TextParameters();

}  // namespace tamo::database::schema
