#pragma once

// What the document tests share: texts of files and the golden files of this folder.

#include <string>
#include <vector>

#include "XmlDocument.h"
#include "class_xmlexport_lists.h"

namespace documents_test {

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

// Compares `text` with golden/`name`; with TAMO_UPDATE_GOLDEN=1 in the environment it writes the file instead.
void ExpectMatchesGolden(const std::string& name, const std::string& text);

// The text with the whitespace between elements taken out (indentation and line breaks of the serializer).
std::string WithoutSpaceBetweenElements(const std::string& text);
// As ExpectMatchesGolden, comparing both texts without the whitespace between elements.
void ExpectMatchesGoldenElements(const std::string& name, const std::string& text);
// True when xmllint finds the file a well-formed XML document.
bool WellFormed(const std::string& path);

// The session's message boxes as a test records them: RecordSessionBox is the handler to install (it answers
// IDOK); RecordedBoxes holds the texts shown since the test emptied it.
std::vector<std::string>& RecordedBoxes();
int RecordSessionBox(const char* text, unsigned type);

// The keys of the gathered data items, in the map's order.
std::vector<class_xmlexport_lists::DataItemKey> DataItemKeys(const class_xmlexport_lists& lists);

// The domain list document of the lists as the writer saves it.
std::string WrittenDocument(const class_xmlexport_lists& lists, const std::string& domainPath);

}  // namespace documents_test
