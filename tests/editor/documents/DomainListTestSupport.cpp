#include "DomainListTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "DomainListWriter.h"
#include "SessionMessageBox.h"

namespace documents_test {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

void ExpectMatchesGolden(const std::string& name, const std::string& text) {
    const std::string path = std::string(TAMO_DOCUMENTS_TEST_DIR) + "/golden/" + name;
    const char* update = std::getenv("TAMO_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") WriteFile(path, text);
    EXPECT_EQ(ReadFile(path), text) << "golden file " << path;
}

std::string WithoutSpaceBetweenElements(const std::string& text) {
    static const std::regex between(">[ \t\r\n]+<");
    return std::regex_replace(text, between, "><");
}

void ExpectMatchesGoldenElements(const std::string& name, const std::string& text) {
    const std::string path = std::string(TAMO_DOCUMENTS_TEST_DIR) + "/golden/" + name;
    const char* update = std::getenv("TAMO_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") WriteFile(path, text);
    EXPECT_EQ(WithoutSpaceBetweenElements(ReadFile(path)), WithoutSpaceBetweenElements(text)) << "golden file " << path;
}

bool WellFormed(const std::string& path) {
    const std::string command = "xmllint --noout '" + path + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

std::vector<std::string>& RecordedBoxes() {
    static std::vector<std::string> texts;
    return texts;
}

int RecordSessionBox(const char* text, unsigned) {
    RecordedBoxes().emplace_back(text ? text : "");
    return IDOK;
}

std::vector<class_xmlexport_lists::DataItemKey> DataItemKeys(const class_xmlexport_lists& lists) {
    std::vector<class_xmlexport_lists::DataItemKey> keys;
    for (const auto& [key, items] : lists.data_items) keys.push_back(key);
    return keys;
}

std::string WrittenDocument(const class_xmlexport_lists& lists, const std::string& domainPath) {
    auto document = tamo::documents::XmlDocument::Create();
    EXPECT_TRUE(document);
    if (!document) return {};
    WriteDomainList(*document, lists, domainPath);
    std::string text;
    std::string error;
    EXPECT_TRUE(document->Serialize(text, error)) << error;
    return text;
}

}  // namespace documents_test
