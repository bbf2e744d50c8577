#pragma once

// Domain headers on disk: creating the folders of a path and saving the headers of all domains below a folder.

#include <string>

class CMysqlQuery;

// Creates the missing folders of `path`, each name up to a "/" (a last name without "/" after it is not
// created). 1 on success; 0 for an empty path or a folder that could not be created (errno then tells why).
int MakeDirectory(const std::string& path);

// Writes the header of every method domain and every data domain below `folder`, each as
// Tamo/Method/<server path><name>.h or Tamo/Data/<server path><name>.h, each file replaced whole, and tells when
// it is done. Failures are shown one by one (a failed write with the path and the system's reason) and the next
// domain follows; after any failure nothing says it is done. A folder that cannot be created is shown with the
// system's reason; a domain whose path would lead out of the folder (a name that is empty, "." or "..") fails as
// a folder that cannot be created.
void SaveDomainHeadersBelow(CMysqlQuery& session, const std::string& folder);
