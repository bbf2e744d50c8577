#pragma once

// The "Data Defines" section of a data domain's header: per data item a comment block, its declaration
// (structure, alias, enumeration with constants, scaled real or plain SDK type) and the history typedefs.

#include <string>
#include <vector>

#include "CodeText.h"

class CMysqlQuery;
class class_domain_info;

namespace tamo::codegen {

// The opener of the SDK's real type for a scaled keyword ("::Tamo::real< ::Tamo::int16_t,"), empty for any
// other keyword.
std::string ScaledOpener(const std::string& keyword);

bool IsScaledKeyword(const std::string& keyword);

// "enum8_t" to "enum64_t": the data items whose constants follow their typedef.
bool IsEnumKeyword(const std::string& keyword);

// The declarations of one data item from its row of the data item list (1 domain id, 2 name, 3 writer, 4 type,
// 6 real data, 7 minimum, 8 maximum, 9 description, 10 real domain name). `members` are the rows of its field
// list (structures) or constant list (enumerations); `membersLoaded` false leaves the structure body or the
// constants out, as a failed field statement does.
void AppendDataItem(std::string& text, const CodegenRow& item, const std::vector<CodegenRow>& members,
                    bool membersLoaded, const DataQualifierFn& qualifierOf);

// The structure of one item of type "struct" (head, body and closing) from its field rows (2 name, 3 alias domain id, 5 alias data,
// 7 type, 8 bit size, 9 minimum, 10 maximum, 11 array kind, 12 array size, 14 description).
void AppendStruct(std::string& text, const std::string& structName, const std::vector<CodegenRow>& fields,
                  const DataQualifierFn& qualifierOf);
// The members of the structure between its braces.
void AppendStructBody(std::string& text, const std::string& structName, const std::vector<CodegenRow>& fields,
                      const DataQualifierFn& qualifierOf);

// The type text of one field; `prefix` stands before each of its pieces.
std::string FieldTypeText(const CodegenRow& field, const std::string& prefix, const DataQualifierFn& qualifierOf);

void AppendEnumConstants(std::string& text, const std::string& enumName, const std::vector<CodegenRow>& constants);

// The pragma lines that open and close the section when the data item list could be read.
std::string DataSectionOpening();
std::string DataSectionClosing();

}  // namespace tamo::codegen

// Appends the whole section for the domain (only its id is used).
void WriteDataDefinitions(CMysqlQuery& session, std::string& text, const class_domain_info& domain);

// Appends the structure of one data item of type "struct"; `dataDomainId` is column 1 of its row.
void WriteStructDefinition(CMysqlQuery& session, std::string& text, int dataDomainId, const tamo::codegen::CodegenRow& item);
