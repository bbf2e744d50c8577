#pragma once

// Gathers the member methods that an interface offers, its own and those of every interface it derives from.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "class_InterfaceInfo.h"

class CMysqlQuery;

// Interfaces by (method domain id, interface name), ordered by the id and then by the name.
using ParentInterfaceSet = std::set<std::pair<int, std::string>>;

// Adds the interface and all its ancestors to `collected`. An interface already in the set is not asked for
// again, so inheritance cycles and diamonds end. A failed parent list stops only that branch: the set keeps
// what it holds (the marks that end the recursion), and the result is -1 with the server's text kept in the
// session; 0 when every list could be read.
int CollectParentInterfaces(CMysqlQuery& session, ParentInterfaceSet& collected, int domainId,
                            const std::string& interfaceName);

// Runs the member-method statement ("call interfaceViewMemberMethodList(%d,'method','%s')") and inserts one
// record per row into the map, unless its key is present. 0, or -1 with the map as filled so far.
int SelectInterfaceInfoMap(const std::string& statement, CMysqlQuery& session, InterfaceInfoMap& map);

// The record of one member-method row: 0 path, 1 name, 2 type, 3 code, 4-6 input domain id, domain name and
// data name, 7-9 the same of the output, 10 writer, 11 description, 12 method domain id.
class_InterfaceInfo InterfaceInfoFromRow(const std::vector<std::string>& row);

// What the source generation collects for one interface: the session's parent-interface set is emptied, the
// interface and its ancestors are collected into it, and the member methods of each (in the set's order) are
// loaded into `map`, which is emptied first. Every failure shows the session's error text at once and the rest
// goes on; the result is -1 when anything failed, else 0.
int LoadInterfaceInfoMap(CMysqlQuery& session, int domainId, const std::string& interfaceName, InterfaceInfoMap& map);
