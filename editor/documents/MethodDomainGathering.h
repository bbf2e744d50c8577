#pragma once

// Reads one method domain of the design database into export lists: its methods, and every data item that a
// method's input or output names, along the item's alias chain, each with its fields. Every data item is read
// once, so a cycle of aliases ends after one pass. The domain list document also wants the domain record, the
// interfaces with their member methods, the data domains and the items that alias-typed fields refer to; the
// HWPML document of a method domain prints none of them, so its gathering leaves them unread.

#include <string>

#include "class_xmlexport_lists.h"

class MethodDomainGathering {
public:
    enum class Extent {
        domain_list,    // everything the domain list document writes
        printed_data,   // the methods and the data items they name (with their fields), nothing else
    };

    // `lists` is not owned and must outlive the gathering; it is appended to.
    MethodDomainGathering(class_xmlexport_lists& lists, Extent extent) : m_lists(lists), m_extent(extent) {}

    // Lookups of the domain, methods, interfaces, member methods and data domains that fail show the server's
    // text and the gathering goes on. A failed data-item or field lookup gives no rows; the printed extent shows
    // it as well. A failed lookup of a data domain that a row refers to (a colleague may have made it private
    // after the reference was made) names that domain, as the referring row names it, before the server's text.
    void MethodDomain(int id);
    // The record of one data domain, unless the map holds it already or the id is 0. `referredName`: the
    // domain's name as the referring row gives it (empty: no row refers to it).
    void DataDomain(int id, const std::string& referredName = "", bool showFailure = true);
    // One data item with its fields, then along its alias chain until an item that is gathered already.
    void Data(int id, const std::string& name, const std::string& referredDomainName = "");
    // The item's fields; for the domain list first the data items that its alias-typed fields refer to.
    void DataFields(int id, const std::string& name);

private:
    bool WholeDomainList() const { return m_extent == Extent::domain_list; }
    // The input or output data of a method.
    void MethodData(int domainId, const std::string& domainName, const std::string& name);
    // Shows the session's last error for a failed data-item or field lookup in the printed extent.
    void ShowDataFailure(int result, int domainId, const std::string& domainName) const;

    class_xmlexport_lists& m_lists;
    Extent m_extent;
};
