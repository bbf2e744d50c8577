// Writes SchemaTables.cpp, the text columns of the design database's tables and the text parameters of the
// procedures the programs call, as the SQL files of database/ declare them. The build runs it whenever one of
// those files changes, so the client's tables cannot drift from the schema.
//
//   schema_tables_generator OUTPUT PROGRAM_PROCEDURES SQL_FILE...

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Column {
    std::string table;
    std::string column;
    unsigned length = 0;
    bool characters = false;
};

struct Parameter {
    std::string procedure;
    unsigned position = 0;
    std::string name;
    unsigned declaredLength = 0;  // of a parameter declared with a length (VARCHAR(n), ...); 0 otherwise
    bool declaredCharacters = false;
};

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The text without its "--" comments (outside quoted strings), which may mention anything.
std::string WithoutComments(const std::string& text) {
    std::string out;
    char quote = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            out += c;
            if (c == '\\' && i + 1 < text.size()) out += text[++i];
            else if (c == quote) quote = 0;
            continue;
        }
        if (c == '\'' || c == '"' || c == '`') quote = c;
        if (c == '-' && i + 1 < text.size() && text[i + 1] == '-') {
            while (i < text.size() && text[i] != '\n') ++i;
            out += '\n';
            continue;
        }
        out += c;
    }
    return out;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") + 1 - first);
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The length a text type holds: VARCHAR(n) and CHAR(n) n characters, the TEXT types their bytes, VARBINARY(n)
// and BINARY(n) n bytes. False for a type that is no text, and for ENUM, LONGTEXT and the BLOB types, whose
// limit is not a length of their own.
bool TextLength(const std::string& type, unsigned& length, bool& characters) {
    const std::string word = Upper(type.substr(0, type.find_first_of(" (")));
    const size_t open = type.find('(');
    const auto declared = [&] {
        if (open == std::string::npos) throw std::runtime_error("no length in " + type);
        return static_cast<unsigned>(std::stoul(type.substr(open + 1)));
    };
    if (word == "VARCHAR" || word == "CHAR") {
        length = declared();
        characters = true;
        return true;
    }
    if (word == "VARBINARY" || word == "BINARY") {
        length = declared();
        characters = false;
        return true;
    }
    characters = false;
    if (word == "TINYTEXT") length = 255;
    else if (word == "TEXT") length = 65535;
    else if (word == "MEDIUMTEXT") length = 16777215;
    else return false;
    return true;
}

bool IsTextType(const std::string& type) {
    const std::string upper = Upper(type);
    return upper.find("CHAR") != std::string::npos || upper.find("TEXT") != std::string::npos ||
           upper.find("BLOB") != std::string::npos || upper.find("BINARY") != std::string::npos;
}

// The parts of a list between commas that stand outside parentheses.
std::vector<std::string> SplitTopLevel(const std::string& list) {
    std::vector<std::string> parts;
    std::string part;
    int depth = 0;
    for (const char c : list) {
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ',' && depth == 0) {
            parts.push_back(Trim(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!Trim(part).empty()) parts.push_back(Trim(part));
    return parts;
}

// The name after `keyword` at `at`, and the text between the parentheses that follow it.
bool NameAndParenthesised(const std::string& text, size_t at, std::string& name, std::string& inside, size_t& end) {
    size_t i = at;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const size_t nameStart = i;
    while (i < text.size() && IsNameChar(text[i])) ++i;
    name = text.substr(nameStart, i - nameStart);
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (name.empty() || i >= text.size() || text[i] != '(') return false;
    int depth = 0;
    const size_t open = i;
    for (; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0) break;
    }
    if (i >= text.size()) return false;
    inside = text.substr(open + 1, i - open - 1);
    end = i + 1;
    return true;
}

void ReadTables(const std::string& text, std::vector<Column>& columns) {
    const std::string keyword = "CREATE TABLE ";
    for (size_t at = text.find(keyword); at != std::string::npos; at = text.find(keyword, at + 1)) {
        std::string table, body;
        size_t end = 0;
        if (!NameAndParenthesised(text, at + keyword.size(), table, body, end)) continue;
        for (const std::string& definition : SplitTopLevel(body)) {
            std::istringstream words(definition);
            std::string column, type;
            words >> column >> type;
            const std::string upper = Upper(column);
            if (upper == "PRIMARY" || upper == "UNIQUE" || upper == "KEY" || upper == "INDEX" ||
                upper == "CONSTRAINT" || upper == "FOREIGN" || upper == "CHECK")
                continue;
            Column entry{table, column, 0, false};
            if (TextLength(type, entry.length, entry.characters)) columns.push_back(entry);
        }
    }
}

void ReadProcedures(const std::string& text, const std::set<std::string>& called, std::vector<Parameter>& parameters) {
    const std::string keyword = "CREATE PROCEDURE ";
    for (size_t at = text.find(keyword); at != std::string::npos; at = text.find(keyword, at + 1)) {
        std::string procedure, list;
        size_t end = 0;
        if (!NameAndParenthesised(text, at + keyword.size(), procedure, list, end) || !called.count(procedure))
            continue;
        unsigned position = 0;
        for (const std::string& declaration : SplitTopLevel(list)) {
            std::istringstream words(declaration);
            std::string first, name;
            words >> first;
            const std::string mode = Upper(first);
            if (mode == "IN" || mode == "OUT" || mode == "INOUT") words >> name;
            else name = first;
            std::string type;
            std::getline(words, type);
            type = Trim(type);
            if (IsTextType(type)) {
                Parameter entry{procedure, position, name, 0, false};
                const std::string word = Upper(type.substr(0, type.find_first_of(" (")));
                if (type.find('(') != std::string::npos && word != "ENUM")
                    TextLength(type, entry.declaredLength, entry.declaredCharacters);
                parameters.push_back(entry);
            }
            ++position;
        }
    }
}

std::set<std::string> CalledProcedures(const std::string& path) {
    std::set<std::string> names;
    std::istringstream lines(Read(path));
    for (std::string line; std::getline(lines, line);) {
        line = Trim(line);
        if (!line.empty() && line[0] != '#') names.insert(line);
    }
    return names;
}

void Write(const std::string& path, std::vector<Column> columns, std::vector<Parameter> parameters) {
    std::sort(columns.begin(), columns.end(), [](const Column& a, const Column& b) {
        return std::tie(a.table, a.column) < std::tie(b.table, b.column);
    });
    std::sort(parameters.begin(), parameters.end(), [](const Parameter& a, const Parameter& b) {
        return std::tie(a.procedure, a.position) < std::tie(b.procedure, b.position);
    });
    std::ostringstream out;
    out << "// Generated by schema_tables_generator from database/schema and database/procedures: do not edit.\n"
           "#include \"SchemaTables.h\"\n\n"
           "namespace tamo::database::schema {\n\nnamespace {\n\n"
           "constexpr TextColumn text_columns[] = {\n";
    for (const Column& c : columns)
        out << "    {\"" << c.table << "\", \"" << c.column << "\", " << c.length << ", "
            << (c.characters ? "true" : "false") << "},\n";
    out << "};\n\nconstexpr TextParameter text_parameters[] = {\n";
    for (const Parameter& p : parameters)
        out << "    {\"" << p.procedure << "\", " << p.position << ", \"" << p.name << "\", " << p.declaredLength
            << ", " << (p.declaredCharacters ? "true" : "false") << "},\n";
    out << "};\n\n}  // namespace\n\n"
           "std::span<const TextColumn> TextColumns() { return text_columns; }\n\n"
           "std::span<const TextParameter> TextParameters() { return text_parameters; }\n\n"
           "}  // namespace tamo::database::schema\n";
    // Written only when it changes, so that a build after an unrelated change of the SQL files compiles nothing.
    std::ifstream old(path, std::ios::binary);
    std::ostringstream oldText;
    if (old) oldText << old.rdbuf();
    if (old && oldText.str() == out.str()) return;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << out.str();
    if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::cerr << "usage: schema_tables_generator OUTPUT PROGRAM_PROCEDURES SQL_FILE...\n";
        return 2;
    }
    try {
        const std::set<std::string> called = CalledProcedures(argv[2]);
        std::vector<Column> columns;
        std::vector<Parameter> parameters;
        for (int i = 3; i < argc; ++i) {
            const std::string text = WithoutComments(Read(argv[i]));
            ReadTables(text, columns);
            ReadProcedures(text, called, parameters);
        }
        Write(argv[1], std::move(columns), std::move(parameters));
    } catch (const std::exception& error) {
        std::cerr << "schema_tables_generator: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
