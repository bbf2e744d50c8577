#pragma once

// What the document tests share: texts of files and the golden files of this folder.

#include <string>

#include "XmlDocument.h"
#include "class_xmlexport_lists.h"

namespace documents_test {

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

// Compares `text` with golden/`name`; with TAMO_UPDATE_GOLDEN=1 in the environment it writes the file instead.
void ExpectMatchesGolden(const std::string& name, const std::string& text);

// The domain list document of the lists as the writer saves it.
std::string WrittenDocument(const class_xmlexport_lists& lists, const std::string& domainPath);

}  // namespace documents_test
