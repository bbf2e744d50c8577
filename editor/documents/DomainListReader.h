#pragma once

// Reads a domain list document into the import lists. Each kind of row is taken from its path below the root
// ("/domainlist/methoddomain/row", "/domainlist/methoddomain/method/row", "/domainlist/methoddomain/interface/
// row", "/domainlist/datadomain/row", "/domainlist/datadomain/data/row", "/domainlist/datadomain/data/datafield/
// row") in document order, with every container of that name on the way. A row's fields are found by name: an
// element the reader does not know is passed over, a missing one keeps the record's default (0 or empty), and
// of two elements of one name the later wins. A data-domain row is read by position: its k-th element counts
// only when it carries the k-th name. Texts between elements are passed over. A number is read as the C library's
// decimal reading takes it (0 without digits; the standard port into 16 bits); one that its field cannot hold
// (an id, a bit size or an array size beyond 32 bits, a method code above 0xFFFF) is kept as the row's fault,
// which the import refuses the row with; nothing wraps.

#include "XmlDocument.h"
#include "class_xmlimport_lists.h"

// Appends to the lists; a document whose root is not "domainlist" has no rows.
void ReadDomainList(const tamo::documents::XmlDocument& document, class_xmlimport_lists& lists);
