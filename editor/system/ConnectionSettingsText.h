#pragma once

// The connection settings file of a component installed on a node, without windows: one section per
// installed proxy entry (where its stub is reached), then one per installed stub entry (its id and the method
// domain and port it serves). Lines end in a line feed and every section ends with an empty line; values stand
// as the server answered them.

#include <string>
#include <vector>

#include "class_custum_table.h"

// "[ class ]", "Type = proxy", "Stub IP = ...", "Stub ID = ...", "" per entry, in the entries' order.
std::string BuildProxySections(const std::vector<class_custum_table>& entries);

// "[ class ]", "Type = stub", "Stub ID = ...", "Metho_Domain_Name = ...", "Metho_Domain_port = ...", "" per
// entry, in the entries' order.
std::string BuildStubSections(const std::vector<class_custum_table>& entries);

// Writes the text as it stands (UTF-8, line feeds) as the whole file, creating it or replacing it through a new
// file beside it, so that a failed write leaves an old file as it was; an empty text leaves an empty file.
// Answers an empty text on success, else the error to show: "err(fopen)" (the new file cannot be made),
// "err(fwrite)" or "err(fclose)", then " : ", the path and, on a line of its own, the system's reason.
std::string WriteConnectionSettingsFile(const std::string& path, const std::string& text);
