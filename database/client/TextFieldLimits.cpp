#include "TextFieldLimits.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <unordered_map>
#include <vector>

#include "SchemaTables.h"

namespace tamo::database {

namespace {

// Which column a text parameter goes into, by the parameter's name; a procedure named beside it overrides the
// entry of every procedure. The lengths come from the schema (SchemaTables.cpp); a test checks that every text
// parameter of every procedure the programs call is named here and that every column exists.
constexpr FieldColumn field_columns[] = {
    // Texts that go into no column of their own: the server's text rule is their limit.
    {"kind", "", ""},
    {"pattern", "", ""},
    {"word", "", ""},
    {"filter", "", ""},
    {"grade", "", ""},
    {"public", "", ""},
    {"arraytype", "", ""},
    {"password", "", ""},
    {"old_password", "", ""},
    {"new_password", "", ""},
    {"domain_ids", "", ""},

    {"user_id", "", "account.user_id"},
    {"description", "", "domain.description"},
    {"description", "acountlistViewNewAcount", "account.description"},
    {"description", "acountViewEditAcount", "account.description"},
    {"name", "", "domain.name"},
    {"new_name", "", "domain.name"},
    {"data_name", "", "data_item.name"},

    {"type", "", "data_item.type"},
    {"type", "metadataViewNewMetafield", "data_field.type"},
    {"type", "metadataViewEditMetafield", "data_field.type"},
    {"type", "xmldocumentViewimportDatafield", "data_field.type"},
    {"type", "methodViewMethodList", "method.type"},
    {"type", "check_method_code", "method.type"},
    {"type", "methodViewNewMethod", "method.type"},
    {"type", "methodViewEditMethod", "method.type"},
    {"type", "xmldocumentViewimportMethod", "method.type"},
    {"type", "nodeNewNodes", "node.type"},
    {"type", "NodeViewEditNode", "node.type"},

    {"physical", "", "data_item.physical"},
    {"physical", "xmldocumentViewimportDatafield", "data_field.physical"},
    {"scmin", "", "data_item.scmin"},
    {"scmin", "metadataViewNewMetafield", "data_field.scmin"},
    {"scmin", "metadataViewEditMetafield", "data_field.scmin"},
    {"scmin", "xmldocumentViewimportDatafield", "data_field.scmin"},
    {"scmax", "", "data_item.scmax"},
    {"scmax", "metadataViewNewMetafield", "data_field.scmax"},
    {"scmax", "metadataViewEditMetafield", "data_field.scmax"},
    {"scmax", "xmldocumentViewimportDatafield", "data_field.scmax"},
    {"real_name", "", "data_item.real_data_name"},
    {"real_name", "metadataViewNewMetafield", "data_field.real_data_name"},
    {"real_name", "metadataViewEditMetafield", "data_field.real_data_name"},
    {"real_name", "xmldocumentViewimportDatafield", "data_field.real_data_name"},
    {"member_name", "", "data_field.member_name"},
    {"new_member_name", "", "data_field.member_name"},
    {"other_name", "", "data_field.member_name"},

    {"in_data_name", "", "method.in_data_name"},
    {"out_data_name", "", "method.out_data_name"},
    {"previous_name", "", "method.name"},
    {"method_name", "", "method.name"},
    {"member_text", "", "interface_member.member_text"},

    {"interface_name", "", "component_class.interface_name"},
    {"class_name", "", "component_class.class_name"},
    {"object_name", "", "class_object.object_name"},
    {"stub_ip", "", "custom_entry.stub_ip"},
    {"ip", "", "node_ip.ip"},
    {"old_ip", "", "node_ip.ip"},
    {"mask", "", "node_ip.mask"},
    {"pattern", "networkNewip", "node_ip.pattern"},
    {"pattern", "networkViewEditip", "node_ip.pattern"},
    {"gateway", "", "node_ip.gateway"},
    {"dns", "", "node_ip.dns"},
    {"port", "", "node_ip.port"},
    {"old_port", "", "node_ip.port"},
};

std::string_view FieldOf(std::string_view parameter) {
    if (parameter.starts_with("b_") || parameter.starts_with("p_")) parameter.remove_prefix(2);
    return parameter;
}

std::optional<FieldLimit> ColumnLimit(std::string_view column) {
    const size_t point = column.find('.');
    const std::string_view table = column.substr(0, point);
    const std::string_view name = column.substr(point + 1);
    for (const schema::TextColumn& entry : schema::TextColumns())
        if (entry.table == table && entry.column == name) return FieldLimit{{}, entry.length, entry.characters};
    return std::nullopt;
}

FieldLimit Resolve(const schema::TextParameter& parameter) {
    const std::string_view field = FieldOf(parameter.name);
    const FieldColumn* chosen = nullptr;
    for (const FieldColumn& entry : field_columns) {
        if (entry.field != field) continue;
        if (entry.procedure == parameter.procedure) chosen = &entry;
        else if (entry.procedure.empty() && !chosen) chosen = &entry;
    }
    FieldLimit limit;
    if (chosen && !chosen->column.empty())
        if (const std::optional<FieldLimit> column = ColumnLimit(chosen->column)) limit = *column;
    // A parameter declared with a length holds no more than that.
    if (parameter.declared_length != 0) {
        const bool sameUnit = limit.characters == parameter.declared_characters;
        if (sameUnit ? parameter.declared_length < limit.length : !chosen || chosen->column.empty()) {
            limit.length = parameter.declared_length;
            limit.characters = parameter.declared_characters;
        }
    }
    limit.field = field;
    return limit;
}

// The limits of every text parameter, by procedure and position.
using ProcedureLimits = std::unordered_map<std::string_view, std::vector<std::optional<FieldLimit>>>;

const ProcedureLimits& Limits() {
    static const ProcedureLimits limits = [] {
        ProcedureLimits built;
        for (const schema::TextParameter& parameter : schema::TextParameters()) {
            auto& positions = built[parameter.procedure];
            if (positions.size() <= parameter.position) positions.resize(parameter.position + 1);
            positions[parameter.position] = Resolve(parameter);
        }
        return built;
    }();
    return limits;
}

// The length of the shortest field: a text of no more bytes fits every field.
unsigned long ShortestLimit() {
    static const unsigned long shortest = [] {
        unsigned long length = TEXT_LIMIT_BYTES;
        for (const auto& [procedure, positions] : Limits())
            for (const std::optional<FieldLimit>& limit : positions)
                if (limit) length = std::min<unsigned long>(length, limit->length);
        return length;
    }();
    return shortest;
}

std::string Refusal(const FieldLimit& limit, unsigned long given) {
    const std::string unit = limit.characters ? "자" : "바이트";
    return "입력한 값이 너무 깁니다: " + limit.field + " 항목은 " + std::to_string(limit.length) + unit +
           "까지 쓸 수 있는데 " + std::to_string(given) + unit + "입니다.";
}

// The size of a quoted literal that starts at `at` (on the quote) as the server reads it, in bytes and in
// characters; `at` ends after the closing quote.
struct LiteralSize {
    unsigned long bytes = 0;
    unsigned long characters = 0;
};

LiteralSize Literal(std::string_view text, size_t& at) {
    LiteralSize size;
    for (++at; at < text.size(); ++at) {
        char c = text[at];
        if (c == '\\' && at + 1 < text.size()) {
            c = text[++at];
        } else if (c == '\'') {
            if (at + 1 >= text.size() || text[at + 1] != '\'') {
                ++at;
                break;
            }
            ++at;
        }
        ++size.bytes;
        // Every byte that does not continue a UTF-8 character starts one.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++size.characters;
    }
    return size;
}

bool StartsWithCall(std::string_view text, size_t& at) {
    at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    if (text.size() - at < 5) return false;
    for (const char c : std::string_view("call")) {
        if (std::tolower(static_cast<unsigned char>(text[at])) != c) return false;
        ++at;
    }
    return std::isspace(static_cast<unsigned char>(text[at]));
}

}  // namespace

std::span<const FieldColumn> FieldColumns() { return field_columns; }

FieldLimit TextFieldLimit(std::string_view procedure, unsigned position) {
    const ProcedureLimits& limits = Limits();
    const auto found = limits.find(procedure);
    if (found != limits.end() && position < found->second.size() && found->second[position])
        return *found->second[position];
    FieldLimit limit;
    limit.field = std::to_string(position + 1) + "번째 값";
    return limit;
}

std::string RefuseOverlongTexts(std::string_view text) {
    size_t at = 0;
    if (!StartsWithCall(text, at)) return {};
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    const size_t nameStart = at;
    while (at < text.size() && (std::isalnum(static_cast<unsigned char>(text[at])) || text[at] == '_')) ++at;
    const std::string_view procedure = text.substr(nameStart, at - nameStart);
    at = text.find('(', at);
    if (at == std::string_view::npos) return {};
    unsigned position = 0;
    for (++at; at < text.size();) {
        const char c = text[at];
        if (c == '\'') {
            const LiteralSize size = Literal(text, at);
            // Most texts are shorter than any field; only a longer one is looked up.
            if (size.bytes <= ShortestLimit()) continue;
            const FieldLimit limit = TextFieldLimit(procedure, position);
            const unsigned long given = limit.characters ? size.characters : size.bytes;
            if (given > limit.length) return Refusal(limit, given);
            continue;
        }
        if (c == ',') ++position;
        if (c == ')') break;
        ++at;
    }
    return {};
}

}  // namespace tamo::database
