#pragma once

// The rows of the domain list document: for each kind of row, its field elements in document order and the
// record member that each one carries. The writer writes a row's fields in this order; the reader finds them
// by name (the data-domain row by position), so both sides name every element in one place.

#include <cstdint>
#include <string>
#include <variant>

#include "SessionRecords.h"

namespace domainlist {

// The containers, from the root down.
inline constexpr const char* kRoot = "domainlist";
inline constexpr const char* kMethodDomain = "methoddomain";
inline constexpr const char* kMethod = "method";
inline constexpr const char* kInterface = "interface";
inline constexpr const char* kMemberMethod = "membermethod";
inline constexpr const char* kDataDomain = "datadomain";
inline constexpr const char* kData = "data";
inline constexpr const char* kDatafield = "datafield";
inline constexpr const char* kRow = "row";
inline constexpr const char* kPath = "path";              // of the method-domain row: written, not read
inline constexpr const char* kMethodName = "method_name";  // of a member-method row

// A method code: the record holds the method list's decimal text, the document "0x%04X", and the reader
// keeps the document's text.
template <typename Record>
struct MethodCode {
    std::string Record::*member;
};

template <typename Record>
struct Field {
    const char* name;
    std::variant<int Record::*, std::uint16_t Record::*, std::string Record::*, MethodCode<Record>> member;
};

// After "path", which only the writer knows.
inline const Field<class_domain_info> kMethodDomainFields[] = {
    {"id", &class_domain_info::id},
    {"upper_id", &class_domain_info::upper_id},
    {"name", &class_domain_info::name},
    {"public", &class_domain_info::is_public},
    {"standard_port", &class_domain_info::standard_port},
    {"description", &class_domain_info::description},
};

// Read by position: child k counts only when it carries the k-th name.
inline const Field<class_domain_info> kDataDomainFields[] = {
    {"id", &class_domain_info::id},
    {"upper_id", &class_domain_info::upper_id},
    {"name", &class_domain_info::name},
    {"public", &class_domain_info::is_public},
    {"description", &class_domain_info::description},
};

inline const Field<class_method_info> kMethodFields[] = {
    {"domain_id", &class_method_info::domain_id},
    {"name", &class_method_info::name},
    {"type", &class_method_info::type},
    {"code", MethodCode<class_method_info>{&class_method_info::code}},
    {"in_domain_id", &class_method_info::in_domain_id},
    {"in_domain_name", &class_method_info::in_domain_name},
    {"in_data", &class_method_info::in_data},
    {"out_domain_id", &class_method_info::out_domain_id},
    {"out_domain_name", &class_method_info::out_domain_name},
    {"out_data", &class_method_info::out_data},
    {"description", &class_method_info::description},
};

// Followed by "membermethod", which holds one "row" with "method_name" per member method.
inline const Field<class_interface_info> kInterfaceFields[] = {
    {"domain_id", &class_interface_info::domain_id},
    {"name", &class_interface_info::name},
    {"description", &class_interface_info::description},
};

inline const Field<class_metadata_info> kDataFields[] = {
    {"domain_id", &class_metadata_info::domain_id},
    {"name", &class_metadata_info::name},
    {"type", &class_metadata_info::type},
    {"physical", &class_metadata_info::physical},
    {"real_domain_id", &class_metadata_info::real_domain_id},
    {"real_domain_name", &class_metadata_info::real_domain_name},
    {"real_data", &class_metadata_info::real_data},
    {"scmin", &class_metadata_info::scmin},
    {"scmax", &class_metadata_info::scmax},
    {"description", &class_metadata_info::description},
};

inline const Field<class_datafield_info> kDatafieldFields[] = {
    {"domain_id", &class_datafield_info::domain_id},
    {"data_name", &class_datafield_info::data_name},
    {"member_name", &class_datafield_info::member_name},
    {"real_domain_id", &class_datafield_info::real_domain_id},
    {"real_domain_name", &class_datafield_info::real_domain_name},
    {"real_data", &class_datafield_info::real_data},
    {"type", &class_datafield_info::type},
    {"physical", &class_datafield_info::physical},
    {"bitsize", &class_datafield_info::bitsize},
    {"scmin", &class_datafield_info::scmin},
    {"scmax", &class_datafield_info::scmax},
    {"arraytype", &class_datafield_info::arraytype},
    {"arraysize", &class_datafield_info::arraysize},
    {"description", &class_datafield_info::description},
};

}  // namespace domainlist
