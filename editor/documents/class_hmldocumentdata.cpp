#include "class_hmldocumentdata.h"

#include <algorithm>
#include <set>

#include "DomainListWriter.h"
#include "MethodDomainGathering.h"

namespace {

// Widths of the columns of the method table and of the field table; every row of both is 282 high.
const int kMethodColumns[] = {10131, 6839, 14949, 10433};
const int kFieldColumns[] = {4145, 14635, 4145, 4428, 16597};
const int kRowHeight = 282;

// "도메인::데이타" as the method declares it, or " 해당사항 없음" when it carries nothing on that side.
std::string DeclaredData(const std::string& domainName, const std::string& dataName) {
    return domainName.empty() ? " 해당사항 없음" : domainName + "::" + dataName;
}

}  // namespace

void class_hmldocumentdata::gather_method_domain(int id) {
    MethodDomainGathering(m_lists, MethodDomainGathering::Extent::printed_data).MethodDomain(id);
}

void class_hmldocumentdata::clear() { m_lists.clear(); }

void class_hmldocumentdata::write_content(XmlNode section) {
    write_method_table(section);
    add_paragraph(section);
    write_message_details(section);
}

void class_hmldocumentdata::write_method_table(XmlNode section) {
    add_line(section, "(2) 운용스테이션 운용 메시지 식별");
    add_table(add_table_text(section), static_cast<int>(m_lists.methods.size()), 4);
    write_row(0, {"메서드타입", "코드", "메서드", "설명"}, kMethodColumns, kRowHeight);
    int row = 1;
    for (const auto& method : m_lists.methods)
        write_row(row++, {method.type, DomainListMethodCode(method.code), method.name, method.description},
                  kMethodColumns, kRowHeight);
}

void class_hmldocumentdata::write_message_details(XmlNode section) {
    add_line(section, "(3) 메시지 상세 정의");
    int number = 1;
    for (const auto& method : m_lists.methods) {
        add_line(section, std::to_string(number++) + ") " + method.name);
        add_line(section, "- Message 정의 : " + method.description);
        add_line(section, "- code : " + DomainListMethodCode(method.code));
        add_line(section, "- type : " + method.type);
        add_line(section, "- Frequency : 비주기");
        add_line(section, "- Data 구조체 ");
        add_line(section, "     . 입력 : " + DeclaredData(method.in_domain_name, method.in_data));
        add_line(section, "     . 출력 : " + DeclaredData(method.out_domain_name, method.out_data));
        write_field_table(method, add_table_text(section));
        add_paragraph(section);
    }
}

void class_hmldocumentdata::write_field_table(const class_method_info& method, XmlNode text) {
    std::vector<const class_datafield_info*> fields;
    collect_fields(final_target({method.in_domain_id, method.in_data}), fields);
    collect_fields(final_target({method.out_domain_id, method.out_data}), fields);
    if (fields.empty()) return;

    add_table(text, static_cast<int>(fields.size()), 5);
    write_row(0, {"Field#", "데이터 명", "Type", "Units", "Interpretation"}, kFieldColumns, kRowHeight);
    int row = 1;
    for (const class_datafield_info* field : fields) {
        write_row(row, {std::to_string(row), field->member_name, field->physical, "N/A", field->description},
                  kFieldColumns, kRowHeight);
        ++row;
    }
}

void class_hmldocumentdata::collect_fields(const DataItemKey& item,
                                           std::vector<const class_datafield_info*>& fields) const {
    const auto listed = [&fields](const class_datafield_info& field) {
        return std::any_of(fields.begin(), fields.end(), [&field](const class_datafield_info* other) {
            return other->domain_id == field.domain_id && other->data_name == field.data_name &&
                   other->member_name == field.member_name;
        });
    };
    for (const auto& field : m_lists.fields)
        if (field.domain_id == item.first && field.data_name == item.second && !listed(field)) fields.push_back(&field);
}

class_hmldocumentdata::DataItemKey class_hmldocumentdata::final_target(DataItemKey item) const {
    std::set<DataItemKey> passed;
    for (;;) {
        const auto found = m_lists.data_items.find(item);
        if (found == m_lists.data_items.end() || found->second.empty() || found->second.front().type != "alias")
            return item;
        passed.insert(item);
        DataItemKey next(found->second.front().real_domain_id, found->second.front().real_data);
        if (next.first == 0 || next.second.empty() || passed.count(next) != 0) return item;
        item = std::move(next);
    }
}
