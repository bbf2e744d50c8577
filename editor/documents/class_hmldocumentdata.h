#pragma once

// The HWPML document of a method domain: a table that identifies every method of the domain, then one block
// per method with its code, type, input and output data and a table of the fields of that data. A method that
// carries an alias shows the alias as declared and the fields of the item at the end of the alias chain.

#include <string>
#include <vector>

#include "HwpmlBuilder.h"
#include "class_xmlexport_lists.h"

class class_hmldocumentdata : public HwpmlBuilder {
public:
    class_hmldocumentdata() = default;
    ~class_hmldocumentdata() override = default;

    // The domain's methods and the data items they carry (along alias chains) with their fields. Failed
    // lookups show the server's text; the document is written from what was read.
    void gather_method_domain(int id);
    // Empties what the gathering read, so that the next document starts empty.
    void clear();

    // Filled by gather_method_domain: the methods (in the server's order), the data items and their fields.
    class_xmlexport_lists m_lists;

protected:
    void write_content(XmlNode section) override;

private:
    using DataItemKey = class_xmlexport_lists::DataItemKey;

    void write_method_table(XmlNode section);
    void write_message_details(XmlNode section);
    // The table of the fields of the method's input and then output data, under the TEXT element (nothing
    // when they have no fields).
    void write_field_table(const class_method_info& method, XmlNode text);
    // Appends the fields of the data item that are not in `fields` yet (a data item that is both input and
    // output is listed once).
    void collect_fields(const DataItemKey& item, std::vector<const class_datafield_info*>& fields) const;
    // The data item at the end of the alias chain that starts at `item`; a chain that comes back to an item
    // it passed ends before it.
    DataItemKey final_target(DataItemKey item) const;
};
