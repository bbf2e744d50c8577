#pragma once

// Writes the import lists of a class_xmldocumentdata into the design database through the document import
// procedures, in the order method domains, data domains, data items, fields, methods, interfaces, member
// methods.
//
// Merge mode (0): a failed method-domain statement ends the import ("methoddomainkey값 error()"), as do a failed
// method (the server's reason, for example a side its type does not carry, then "import method error()") and a
// failed interface ("import interface error()"); a failed data-domain
// or data-item statement skips the rest of its rows, a failed field or member method only itself. What was
// written before a stop stays.
//
// A row whose numbers the reader found out of their fields' range (class_xmlimport_lists::faults) is not sent:
// it fails as a refused statement would, with the reader's text that names the row and the field.
//
// Replace mode (1): one transaction. For each method-domain row of the document, the domain's current
// interfaces, methods and the data items they carry are gathered and deleted (a refused delete is shown and
// the next follows: the import then updates that item instead). The first failed import statement ends the
// import and rolls everything back, deletions included, and the user is told that nothing was changed.
//
// A lost connection to the server ends the import in either mode with a message of its own: in replace mode
// that the server undid everything, in merge mode how many rows of each step were written and that the row
// on its way may or may not have arrived.

#include <string>

class class_xmldocumentdata;

// 0 when every import statement succeeded; -1 when any failed or the transaction could not be opened or
// closed (each shown as it happened).
int ImportDomainList(class_xmldocumentdata& data);

// A method code of the document as the import sends it: the text read as an unsigned hexadecimal number
// (leading blanks, an optional "0x", the digits up to the first other character; 0 without digits; at most
// 0xFFFFFFFF).
unsigned ImportedMethodCode(const std::string& text);
