#include "DataDefinitions.h"

#include <array>
#include <utility>

#include "CMysqlQuery.h"
#include "DomainPaths.h"
#include "SessionRows.h"

using namespace tamo::codegen;

namespace {

const std::string kIndent8(8, ' ');
const std::string kIndent15(15, ' ');
const std::string kIndent19(19, ' ');
const std::string kIndent23(23, ' ');

constexpr std::array<std::pair<const char*, const char*>, 8> kScaledBaseTypes{{
    {"scaled8_t", "int8_t"},
    {"scaled16_t", "int16_t"},
    {"scaled32_t", "int32_t"},
    {"scaled64_t", "int64_t"},
    {"u_scaled8_t", "u_int8_t"},
    {"u_scaled16_t", "u_int16_t"},
    {"u_scaled32_t", "u_int32_t"},
    {"u_scaled64_t", "u_int64_t"},
}};

// The type of the SDK that a keyword of the design names. "wchar_t" is a keyword of C++ itself, so no SDK can
// declare it; the SDK's wide character is "tamo_wchar_t".
std::string SdkType(const std::string& keyword) {
    return "::Tamo::" + (keyword == "wchar_t" ? std::string("tamo_wchar_t") : keyword);
}

void AppendCommentBlock(std::string& text, const CodegenRow& item) {
    const std::string description = KeepInsideBlockComment(ReplaceText(Column(item, 9), "\n", "\n "));
    Append(text, {kIndent8, "/", Repeat('*', 140), "\n"});
    Append(text, {"         data name  : ", Column(item, 2), "\n"});
    Append(text, {"         writer     : ", KeepInsideBlockComment(Column(item, 3)), "\n"});
    Append(text, {"         description: ", description, "\n"});
    Append(text, {kIndent8, Repeat('*', 140), "/\n"});
}

// The real data is named by its domain's full qualifier, as alias fields name theirs: the bare domain name
// would be found as whatever of that name stands nearer (an item named like its domain, a second domain of
// that name under another parent).
void AppendAliasTypedef(std::string& text, const CodegenRow& item, const DataQualifierFn& qualifierOf) {
    const int realDomainId = ReadDecimal(Column(item, 5));
    const std::string qualifier = realDomainId != 0 ? qualifierOf(realDomainId) : std::string();
    const std::string& realDomain = qualifier.empty() ? Column(item, 10) : qualifier;
    const std::string& realData = Column(item, 6);
    const char* keyword = realDomain.empty() && realData.empty() ? "//typedef " : "typedef ";
    Append(text, {kIndent8, keyword, realDomain, "::", realData, " ", Column(item, 2), ";\n"});
}

void AppendScaledTypedef(std::string& text, const CodegenRow& item) {
    const std::string& name = Column(item, 2);
    Append(text, {kIndent8, "inline const double min", name, "() { return double(", Column(item, 7), "); }\n"});
    Append(text, {kIndent8, "inline const double max", name, "() { return double(", Column(item, 8), "); }\n"});
    Append(text, {kIndent8, "typedef ", ScaledOpener(Column(item, 4)), "min", name, ",max", name, " >", " ", name,
                  ";\n"});
}

void AppendPlainTypedef(std::string& text, const CodegenRow& item) {
    Append(text, {kIndent8, "typedef ", SdkType(Column(item, 4)), " ", Column(item, 2), ";\n"});
}

void AppendVariableArrayField(std::string& text, const std::string& type, const std::string& name) {
    Append(text, {kIndent15, "variable_array_field_dctrl_t ", name, "_dctrl;\n"});
    Append(text, {kIndent15, type, "* ", name, "() { return (", type, "*)(dynamicbuffer+", name, "_dctrl.dindex); }\n"});
    Append(text, {kIndent15, type, " const* ", name, "() const { return (", type, " const*)(dynamicbuffer+", name,
                  "_dctrl.dindex); }\n"});
    Append(text, {kIndent15, "bool ", name, "_alloc(int array_size)\n", kIndent15, "{\n", kIndent19, "bool ret_b;\n"});
    Append(text, {kIndent19, name, "_dctrl.dindex = dynamicsize;\n"});
    Append(text, {kIndent19, name, "_dctrl.dsize = array_size*sizeof(", type, ");\n"});
    Append(text, {kIndent19, "if(_maxDynamicSize < dynamicsize + ", name, "_dctrl.dsize)\n", kIndent19, "{\n",
                  kIndent23, "ret_b=false;\n", kIndent19, "}\n", kIndent19, "else\n", kIndent19, "{\n"});
    Append(text, {kIndent23, "dynamicsize += ", name, "_dctrl.dsize;\n", kIndent23, "ret_b=true;\n", kIndent19,
                  "}\n", kIndent19, "return ret_b;\n", kIndent15, "}\n"});
    Append(text, {kIndent15, "int ", name, "_size()\n", kIndent15, "{\n", kIndent19, "return ", name,
                  "_dctrl.dsize / sizeof(", type, ");\n", kIndent15, "}\n"});
}

// `sizeType` is the structure's name, or "*this" where a field of that name (which the server no longer
// takes) would make sizeof(name) the field's size.
void AppendDynamicBuffer(std::string& text, const std::string& sizeType, const std::string& dynamicSize) {
    Append(text, {kIndent15, "/* 가변 데이터 버퍼 */\n"});
    Append(text, {kIndent15, "enum {_maxDynamicSize=", dynamicSize, "};\n"});
    Append(text, {kIndent15, "void init_daynamic_buffer() { dynamicsize = 0; }\n"});
    Append(text, {kIndent15, "::Tamo::pksize_t get_sizeof() const { return sizeof(", sizeType,
                  ")- _maxDynamicSize + dynamicsize; }\n"});
    Append(text, {kIndent15, "::Tamo::pksize_t dynamicsize;\n"});
    Append(text, {kIndent15, "::Tamo::u_int8_t dynamicbuffer[_maxDynamicSize];    // dynamic buffer\n"});
}

std::string ScaledFieldLimits(const CodegenRow& field, const std::string& prefix) {
    const std::string& name = Column(field, 2);
    std::string text;
    Append(text, {prefix, "static const double min_", name, "() { return double(", Column(field, 9), "); }\n"});
    Append(text, {prefix, "static const double max_", name, "() { return double(", Column(field, 10), "); }\n"});
    return text;
}

std::string ScaledFieldType(const CodegenRow& field) {
    const std::string& name = Column(field, 2);
    return ScaledOpener(Column(field, 7)) + "min_" + name + ",max_" + name + " >";
}

// Reads the members (fields or constants) of one data item; false after a failure, which has been shown.
bool LoadMembers(CMysqlQuery& session, int dataDomainId, const std::string& dataName, std::vector<CodegenRow>& rows) {
    if (QueryRows(session, session.FormatCall("call metadataViewMetafieldList(%d,'%s','data')", dataDomainId, dataName),
                  rows) == 0) {
        return true;
    }
    session.ShowLastError();
    return false;
}

}  // namespace

namespace tamo::codegen {

bool IsScaledKeyword(const std::string& keyword) {
    for (const auto& [scaled, base] : kScaledBaseTypes) {
        if (keyword == scaled) return true;
    }
    return false;
}

bool IsEnumKeyword(const std::string& keyword) {
    return keyword == "enum8_t" || keyword == "enum16_t" || keyword == "enum32_t" || keyword == "enum64_t";
}

std::string ScaledOpener(const std::string& keyword) {
    for (const auto& [scaled, base] : kScaledBaseTypes) {
        if (keyword == scaled) return std::string("::Tamo::real< ::Tamo::") + base + ",";
    }
    return {};
}

std::string FieldTypeText(const CodegenRow& field, const std::string& prefix, const DataQualifierFn& qualifierOf) {
    const std::string& type = Column(field, 7);
    if (type == "alias") return prefix + qualifierOf(ReadDecimal(Column(field, 3))) + "::" + Column(field, 5);
    if (IsScaledKeyword(type)) return ScaledFieldLimits(field, prefix) + prefix + ScaledFieldType(field);
    return prefix + SdkType(type);
}

void AppendStructBody(std::string& text, const std::string& structName, const std::vector<CodegenRow>& fields,
                      const DataQualifierFn& qualifierOf) {
    std::string dynamicSize = "0";
    bool hasVariableArray = false;
    bool fieldNamedLikeStruct = false;
    for (const CodegenRow& field : fields) {
        const std::string& name = Column(field, 2);
        fieldNamedLikeStruct = fieldNamedLikeStruct || name == structName;
        const std::string& arrayKind = Column(field, 11);
        const std::string description = KeepInsideBlockComment(ReplaceText(Column(field, 14), "\n", "\n   "));
        Append(text, {kIndent15, "/* ", description, " */\n"});
        if (arrayKind == "FIX") {
            Append(text, {FieldTypeText(field, kIndent15, qualifierOf), " ", name, "[", Column(field, 12), "];\n"});
        } else if (arrayKind == "VARIABLE") {
            hasVariableArray = true;
            // A scaled element type declares its limits once, as members; the casts and sizes name the real
            // type alone.
            const bool scaled = IsScaledKeyword(Column(field, 7));
            if (scaled) text += ScaledFieldLimits(field, kIndent15);
            const std::string type = scaled ? ScaledFieldType(field) : FieldTypeText(field, "", qualifierOf);
            AppendVariableArrayField(text, type, name);
            Append(dynamicSize, {"+sizeof(", type, ")*", Column(field, 12)});
        } else {
            Append(text, {FieldTypeText(field, kIndent15, qualifierOf), " ", name});
            if (ReadDecimal(Column(field, 8)) > 0) Append(text, {" :", Column(field, 8)});
            text += ";\n";
        }
        text += "\n";
    }
    if (hasVariableArray) {
        AppendDynamicBuffer(text, fieldNamedLikeStruct ? std::string("*this") : structName, dynamicSize);
    } else {
        Append(text, {kIndent15, "::Tamo::pksize_t get_sizeof() const { return sizeof(*this); }\n"});
    }
}

void AppendStruct(std::string& text, const std::string& structName, const std::vector<CodegenRow>& fields,
                  const DataQualifierFn& qualifierOf) {
    Append(text, {kIndent8, "struct __attribute__((packed)) ", structName, "\n", kIndent8, "{\n"});
    AppendStructBody(text, structName, fields, qualifierOf);
    Append(text, {kIndent8, "};\n"});
}

void AppendEnumConstants(std::string& text, const std::string& enumName, const std::vector<CodegenRow>& constants) {
    for (const CodegenRow& constant : constants) {
        Append(text, {kIndent8, "const ", enumName, " ", Column(constant, 2), " = ", Column(constant, 9),
                      "; // description:", KeepOnOneLine(Column(constant, 14)), "\n"});
    }
}

void AppendDataItem(std::string& text, const CodegenRow& item, const std::vector<CodegenRow>& members,
                    bool membersLoaded, const DataQualifierFn& qualifierOf) {
    const std::string& name = Column(item, 2);
    const std::string& type = Column(item, 4);
    AppendCommentBlock(text, item);
    if (type == "struct") {
        if (membersLoaded) AppendStruct(text, name, members, qualifierOf);
    } else if (type == "alias") {
        AppendAliasTypedef(text, item, qualifierOf);
    } else if (IsEnumKeyword(type)) {
        Append(text, {kIndent8, "typedef ::Tamo::", type, " ", name, ";\n"});
        if (membersLoaded) AppendEnumConstants(text, name, members);
    } else if (IsScaledKeyword(type)) {
        AppendScaledTypedef(text, item);
    } else {
        AppendPlainTypedef(text, item);
    }
    if (type == "struct") {
        Append(text, {kIndent8, "inline ::Tamo::pksize_t tamo_sizeof( ", name,
                      " const* const& p) { return p->get_sizeof(); }\n"});
    }
    Append(text, {kIndent8, "typedef template_history_elem<", name, "> ", name, "_history_elem;\n"});
    Append(text, {kIndent8, "typedef template_history<", name, "> ", name, "_history;\n"});
    text += "\n";
}

std::string DataSectionOpening() { return "    #pragma pack(1)\n    #pragma warning(disable: 4200)\n\n"; }

std::string DataSectionClosing() {
    return kIndent8 + "#pragma warning(default : 4200)\n" + kIndent8 + "#pragma pack()\n\n";
}

}  // namespace tamo::codegen

void WriteDataDefinitions(CMysqlQuery& session, std::string& text, const class_domain_info& domain) {
    std::vector<CodegenRow> items;
    if (QueryRows(session, session.FormatCall("call metadataViewMetadataList(%d,'%%','data')", domain.id), items) !=
        0) {
        session.ShowLastError();
        return;
    }
    const DataQualifierFn qualifierOf = RememberedDataQualifiers(session);
    text += DataSectionOpening();
    for (const CodegenRow& item : items) {
        const std::string& type = Column(item, 4);
        std::vector<CodegenRow> members;
        bool membersLoaded = true;
        if (type == "struct" || IsEnumKeyword(type)) {
            membersLoaded = LoadMembers(session, ReadDecimal(Column(item, 1)), Column(item, 2), members);
        }
        AppendDataItem(text, item, members, membersLoaded, qualifierOf);
    }
    text += DataSectionClosing();
}

void WriteStructDefinition(CMysqlQuery& session, std::string& text, int dataDomainId, const CodegenRow& item) {
    const std::string& name = Column(item, 2);
    std::vector<CodegenRow> fields;
    if (!LoadMembers(session, dataDomainId, name, fields)) return;
    const DataQualifierFn qualifierOf = RememberedDataQualifiers(session);
    AppendStruct(text, name, fields, qualifierOf);
}
