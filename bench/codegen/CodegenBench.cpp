// Times the generation of every domain header and of the proxy and stub class sources of every interface of a
// design database (database round trips included), and protoc --cpp_out on an equivalent schema: one message per
// data item with its fields, one service per interface with an rpc per member method. Prints the files and bytes
// each side wrote, the median times of RUNS runs of each, and their ratio. Not a test.
//
//   codegen_bench HOST PORT DBUSER DBPASS DBNAME OUTDIR [RUNS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <utility>
#include <set>
#include <string>
#include <vector>

#include "CLoginValues.h"
#include "CMysqlQuery.h"
#include "DomainHeader.h"
#include "DomainPaths.h"
#include "InterfaceInfoCollection.h"
#include "class_sourceFile.h"

namespace fs = std::filesystem;

namespace {

struct Domain {
    std::string kind;
    class_domain_info record;
};

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void WriteText(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The regular files below a folder and their bytes.
std::pair<std::size_t, std::uintmax_t> FilesBelow(const fs::path& folder) {
    std::size_t files = 0;
    std::uintmax_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        ++files;
        bytes += entry.file_size();
    }
    return {files, bytes};
}

std::vector<Domain> LoadDomains(CMysqlQuery& db) {
    std::vector<Domain> domains;
    std::multimap<int, class_domain_info> data;
    std::multimap<int, class_domain_info> methods;
    db.SelectDomainAllList(db.FormatCall("call mainViewDomainAllList('%%%%','data')"), data);
    db.SelectDomainAllList(db.FormatCall("call mainViewDomainAllList('%%%%','method')"), methods);
    for (const auto& [upper, record] : data) domains.push_back({"data", record});
    for (const auto& [upper, record] : methods) domains.push_back({"method", record});
    return domains;
}

// Our side: every header and every class source written to disk.
std::size_t GenerateEverything(CMysqlQuery& db, const std::vector<Domain>& domains, const fs::path& out) {
    std::size_t files = 0;
    for (const Domain& domain : domains) {
        std::string header;
        MakeDomainHeader(header, domain.kind, db, domain.record);
        std::string path = HeaderPath(db, domain.kind, domain.record.id);
        ReplaceAll(path, "/");
        WriteText(out / (path + domain.record.name + ".h"), header);
        // The classes of a domain's interfaces go into the domain's own folder: interfaces of two domains may
        // share a name.
        const fs::path classes = out / "classes" / path;
        ++files;
        if (domain.kind != "method") continue;
        std::vector<class_interface_info> interfaces;
        db.SelectInterfaceList(db.FormatCall("call interfaceViewInterfaceList(%d,'method','%%')", domain.record.id),
                               interfaces);
        for (const class_interface_info& iface : interfaces) {
            InterfaceInfoMap map;
            LoadInterfaceInfoMap(db, domain.record.id, iface.name, map);
            class_sourceFile file;
            file.header_name = domain.record.name;
            file.interface_name = iface.name;
            file.domain_path = HeaderPath(db, "method", domain.record.id);
            std::string text;
            file.class_name = iface.name + "_Proxy";
            file.make_proxy_header(map, text);
            WriteText(classes / (file.class_name + ".h"), text);
            file.make_proxy_source(map, text);
            WriteText(classes / (file.class_name + ".cpp"), text);
            file.class_name = iface.name + "_Stub";
            file.make_stub_header(map, text);
            WriteText(classes / (file.class_name + ".h"), text);
            file.make_stub_source(map, text);
            WriteText(classes / (file.class_name + ".cpp"), text);
            files += 4;
        }
    }
    return files;
}

// ---- The equivalent protobuf schema ---------------------------------------------------------------------------

// Protobuf wants ASCII identifiers: every other byte is written as two hexadecimal digits.
std::string Identifier(const std::string& name) {
    std::string id;
    for (unsigned char ch : name) {
        if (std::isalnum(ch) || ch == '_') {
            id += static_cast<char>(ch);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X", ch);
            id += hex;
        }
    }
    if (id.empty() || std::isdigit(static_cast<unsigned char>(id[0]))) id = "N" + id;
    return id;
}

std::string ScalarType(const std::string& keyword) {
    if (keyword == "int64_t" || keyword == "scaled64_t" || keyword == "psecond_t") return "int64";
    if (keyword.rfind("u_int64", 0) == 0 || keyword.rfind("packed_", 0) == 0) return "uint64";
    if (keyword.rfind("u_", 0) == 0 || keyword == "ip_t" || keyword == "port_t" || keyword == "domain_t" ||
        keyword == "pksize_t" || keyword == "second_t" || keyword.rfind("enum", 0) == 0) {
        return "uint32";
    }
    if (keyword.rfind("ieee754_32", 0) == 0) return "float";
    if (keyword.rfind("ieee754", 0) == 0 || keyword.find("scaled") != std::string::npos) return "double";
    if (keyword == "char_t" || keyword == "wchar_t") return "string";
    return "int32";
}

struct Schema {
    std::map<std::pair<int, std::string>, std::string> itemTypes;  // (domain, name) -> type keyword
    std::map<int, std::string> files;                              // data domain id -> its .proto text
    std::map<int, std::set<int>> imports;
};

std::string FileOf(int domainId) {
    std::string file = "d";
    file += std::to_string(domainId);
    file += ".proto";
    return file;
}

// A field's type: a message when it names a structure, else a scalar.
std::string FieldType(Schema& schema, int ownDomain, const std::string& keyword, int realDomain,
                      const std::string& realData) {
    if (keyword != "alias") return ScalarType(keyword);
    const auto item = schema.itemTypes.find({realDomain, realData});
    if (item == schema.itemTypes.end() || item->second != "struct") return "bytes";
    if (realDomain != ownDomain) schema.imports[ownDomain].insert(realDomain);
    return ".d" + std::to_string(realDomain) + "." + Identifier(realData);
}

Schema BuildSchema(CMysqlQuery& db, const std::vector<Domain>& domains) {
    Schema schema;
    std::map<int, std::vector<class_metadata_info>> items;
    for (const Domain& domain : domains) {
        if (domain.kind != "data") continue;
        db.SelectMetadataList(domain.record.id, "", items[domain.record.id]);
        for (const class_metadata_info& item : items[domain.record.id]) {
            schema.itemTypes[{domain.record.id, item.name}] = item.type;
        }
    }
    for (auto& [domainId, list] : items) {
        std::string text;
        for (const class_metadata_info& item : list) {
            text += "message " + Identifier(item.name) + " {\n";
            if (item.type == "struct") {
                std::vector<class_datafield_info> fields;
                db.SelectDatafieldList(db.FormatCall("call metadataViewMetafieldList(%d,'%s','data')", domainId,
                                                     item.name),
                                       fields);
                int number = 1;
                for (const class_datafield_info& field : fields) {
                    const bool repeated = field.arraytype == "FIX" || field.arraytype == "VARIABLE";
                    text += std::string("  ") + (repeated ? "repeated " : "") +
                            FieldType(schema, domainId, field.type, field.real_domain_id, field.real_data) + " " +
                            Identifier(field.member_name) + " = " + std::to_string(number++) + ";\n";
                }
            } else {
                text += "  " + FieldType(schema, domainId, item.type, item.real_domain_id, item.real_data) +
                        " value = 1;\n";
            }
            text += "}\n";
        }
        schema.files[domainId] = text;
    }
    return schema;
}

std::string MessageOf(Schema& schema, std::set<int>& imports, const std::string& domainId,
                      const std::string& dataName) {
    const int id = std::atoi(domainId.c_str());
    if (dataName.empty() || dataName == "NULL" || schema.files.count(id) == 0) {
        imports.insert(0);  // bench.proto
        return ".bench.Empty";
    }
    imports.insert(id);
    return ".d" + std::to_string(id) + "." + Identifier(dataName);
}

std::size_t WriteSchema(CMysqlQuery& db, const std::vector<Domain>& domains, const fs::path& out) {
    Schema schema = BuildSchema(db, domains);
    std::size_t files = 0;
    WriteText(out / "bench.proto", "syntax = \"proto3\";\npackage bench;\nmessage Empty {}\n");
    for (const auto& [domainId, body] : schema.files) {
        std::string text = "syntax = \"proto3\";\npackage d" + std::to_string(domainId) + ";\n";
        for (int imported : schema.imports[domainId]) text += "import \"" + FileOf(imported) + "\";\n";
        WriteText(out / FileOf(domainId), text + body);
        ++files;
    }
    for (const Domain& domain : domains) {
        if (domain.kind != "method") continue;
        std::vector<class_interface_info> interfaces;
        db.SelectInterfaceList(db.FormatCall("call interfaceViewInterfaceList(%d,'method','%%')", domain.record.id),
                               interfaces);
        std::set<int> imports;
        std::string services;
        for (const class_interface_info& iface : interfaces) {
            InterfaceInfoMap map;
            LoadInterfaceInfoMap(db, domain.record.id, iface.name, map);
            services += "service " + Identifier(iface.name) + " {\n";
            for (const auto& [key, info] : map) {
                services += "  rpc " + Identifier(info.method_name) + "(" +
                            MessageOf(schema, imports, info.in_domain_id, info.in_data_name) + ") returns (" +
                            MessageOf(schema, imports, info.out_domain_id, info.out_data_name) + ");\n";
            }
            services += "}\n";
        }
        std::string text = "syntax = \"proto3\";\npackage m" + std::to_string(domain.record.id) + ";\n";
        for (int imported : imports) {
            text += "import \"" + (imported == 0 ? std::string("bench.proto") : FileOf(imported)) + "\";\n";
        }
        WriteText(out / ("m" + std::to_string(domain.record.id) + ".proto"), text + services);
        ++files;
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7 && argc != 8) {
        std::fprintf(stderr, "usage: %s HOST PORT DBUSER DBPASS DBNAME OUTDIR [RUNS]\n", argv[0]);
        return 2;
    }
    const fs::path out = argv[6];
    const int runs = argc == 8 ? std::max(1, std::atoi(argv[7])) : 1;
    fs::remove_all(out);
    CLoginValues login;
    const LoginField fields[] = {LOGIN_SERVER, LOGIN_PORT, LOGIN_DB_ID, LOGIN_DB_PASSWORD, LOGIN_DB_NAME};
    for (int i = 0; i < 5; ++i) login.SetField(fields[i], argv[i + 1]);
    login.SetField(LOGIN_USER_ID, "admin");
    login.SetField(LOGIN_USER_PASSWORD, "admin");
    CMysqlQuery& db = *CMysqlQuery::GetInstance();
    const CString error = db.Connect(login);
    if (!error.IsEmpty()) {
        std::fprintf(stderr, "connect: %s\n", error.GetString());
        return 1;
    }

    std::vector<double> oursSeconds;
    std::vector<Domain> domains;
    std::size_t generated = 0;
    for (int run = 0; run < runs; ++run) {
        fs::remove_all(out / "tamo");
        const Clock::time_point ours = Clock::now();
        domains = LoadDomains(db);
        generated = GenerateEverything(db, domains, out / "tamo");
        oursSeconds.push_back(SecondsSince(ours));
    }

    const std::size_t protoFiles = WriteSchema(db, domains, out / "proto");
    const std::string command = "cd '" + (out / "proto").string() + "' && protoc --cpp_out='" +
                                (out / "protoc").string() + "' *.proto";
    std::vector<double> protocSeconds;
    for (int run = 0; run < runs; ++run) {
        fs::remove_all(out / "protoc");
        fs::create_directories(out / "protoc");
        const Clock::time_point theirs = Clock::now();
        const int protocResult = std::system(command.c_str());
        protocSeconds.push_back(SecondsSince(theirs));
        if (protocResult != 0) {
            std::fprintf(stderr, "protoc failed (%d)\n", protocResult);
            return 1;
        }
    }

    const auto [ourFiles, ourBytes] = FilesBelow(out / "tamo");
    const auto [protocFiles, protocBytes] = FilesBelow(out / "protoc");
    if (ourFiles != generated)
        std::fprintf(stderr, "%zu files generated, but %zu on disk: some overwrote others\n", generated, ourFiles);
    std::printf("domains: %zu, proto files: %zu; medians of %d runs\n", domains.size(), protoFiles, runs);
    std::printf("generator (with database round trips): %8.3f s, %5zu files, %10ju bytes\n", Median(oursSeconds),
                ourFiles, ourBytes);
    std::printf("protoc --cpp_out:                      %8.3f s, %5zu files, %10ju bytes\n", Median(protocSeconds),
                protocFiles, protocBytes);
    std::printf("ratio generator / protoc: %.2f\n", Median(oursSeconds) / Median(protocSeconds));
    return ourFiles == generated ? 0 : 1;
}
