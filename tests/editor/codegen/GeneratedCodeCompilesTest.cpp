#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompileCheck.h"
#include "DomainHeader.h"
#include "GoldenFile.h"
#include "InterfaceDefinitions.h"
#include "InterfaceInfoCollection.h"
#include "MethodDefinitions.h"
#include "class_sourceFile.h"

using namespace tamo::codegen;
using namespace tamo::codegen::testing;

namespace {

const std::vector<std::string> kTypes = {"CALL",  "CALLBACK",    "SIGNAL",  "SIGNALBACK",
                                         "EVENT", "INFORMATION", "COMMAND", "BROADCAST"};

struct TableMethod {
    std::string name;
    std::string type;
    int code;
    bool in;
    bool out;
};

std::vector<TableMethod> TableMethods() {
    std::vector<TableMethod> methods;
    int code = 1;
    for (const std::string& type : kTypes) {
        for (int data = 0; data < 4; ++data) {
            methods.push_back({type + "_" + std::to_string(data), type, code++, (data & 1) != 0, (data & 2) != 0});
        }
    }
    return methods;
}

std::string QualifierOf(int domainId) { return domainId == 2 ? "Tamo::Data::Nav" : "Tamo::Data"; }

// A method domain "All" whose header holds every type with and without input and output, and one interface
// IAll with all of them as members.
std::string TableHeader(const std::vector<TableMethod>& methods) {
    std::string text = "#pragma once\n#include <Tamo/Tamo.h>\n";
    WriteDataPrelude(text);
    text += "\nnamespace Tamo { namespace Data { struct Reply { int x; };\n"
            "namespace Nav { struct Request { int y; }; } } }\n";
    text += "namespace  Tamo { namespace  Method { \n";
    std::vector<CodegenRow> members;
    for (const TableMethod& m : methods) {
        const CodegenRow row = {m.type,    std::to_string(m.code), m.name, m.in ? "2" : "",  m.in ? "Request" : "",
                                m.out ? "3" : "", m.out ? "Reply" : "", "kim", "", "6", m.in ? "Nav" : "",
                                m.out ? "Data" : ""};
        AppendMethodDefinition(text, MethodValuesFromRow(row, QualifierOf));
        members.push_back({"::Tamo::Method", m.name, m.type});
    }
    AppendInterfaceClasses(text, {"IAll", "kim", "", "6"}, {}, members);
    text += "} using namespace Method; } using namespace Tamo; \n";
    return text;
}

InterfaceInfoMap TableMap(const std::vector<TableMethod>& methods) {
    InterfaceInfoMap map;
    for (const TableMethod& m : methods) {
        const std::vector<std::string> row = {
            "::Tamo::Method", m.name, m.type, std::to_string(m.code), m.in ? "2" : "", m.in ? "Nav" : "",
            m.in ? "Request" : "", m.out ? "3" : "", m.out ? "Data" : "", m.out ? "Reply" : "", "kim", "", "6"};
        class_InterfaceInfo info = InterfaceInfoFromRow(row);
        map.emplace(InterfaceInfoKey{info.domain_path, info.code}, info);
    }
    return map;
}

void WriteClassFiles(class_sourceFile& file, InterfaceInfoMap map, const std::string& folder) {
    std::string text;
    if (file.side == "Proxy") {
        file.make_proxy_header(map, text);
        WriteFile(folder + "/" + file.class_name + ".h", text);
        file.make_proxy_source(map, text);
    } else {
        file.make_stub_header(map, text);
        WriteFile(folder + "/" + file.class_name + ".h", text);
        file.make_stub_source(map, text);
    }
    WriteFile(folder + "/" + file.class_name + ".cpp", text);
}

}  // namespace

// Every method type, with and without input and output, as header classes, interface classes and proxy and stub
// class sources: the program that instantiates the proxy and the stub compiles, links and runs.
TEST(GeneratedCode, EveryMethodTypeCompilesAndItsClassesCanBeInstantiated) {
    const std::string folder = FreshFolder("table");
    const std::vector<TableMethod> methods = TableMethods();
    WriteFile(folder + "/Tamo/Method/All.h", TableHeader(methods));
    for (const char* side : {"Proxy", "Stub"}) {
        class_sourceFile file;
        file.class_name = std::string("All") + side;
        file.header_name = "All";
        file.interface_name = "IAll";
        file.side = side;
        file.domain_path = "Tamo\\Method\\";
        file.set_data_header_path([](int domainId) {
            return domainId == 2 ? std::string("Tamo\\Data\\Nav\\") : std::string("Tamo\\Data\\");
        });
        WriteClassFiles(file, TableMap(methods), folder);
    }
    WriteFile(folder + "/main.cpp",
              "#include \"AllProxy.h\"\n#include \"AllStub.h\"\n"
              "int main() { AllProxy proxy; AllStub stub; (void)proxy; (void)stub; return 0; }\n");
    const CompileResult build = RunCompiler(
        {folder + "/main.cpp", folder + "/AllProxy.cpp", folder + "/AllStub.cpp", "-o", folder + "/instantiate"},
        {folder});
    ASSERT_TRUE(build.ok) << build.output;
    EXPECT_EQ(std::system((folder + "/instantiate").c_str()), 0);
}
