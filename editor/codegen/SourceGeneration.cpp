#include "SourceGeneration.h"

#include <vector>

#include "CMysqlQuery.h"
#include "CurrentRecords.h"
#include "DomainHeader.h"
#include "DomainPaths.h"
#include "HeaderFiles.h"
#include "InterfaceInfoCollection.h"
#include "SessionRows.h"
#include "class_sourceFile.h"

using namespace tamo::codegen;

namespace {

const char* const kDomainGone = "도메인이 없습니다. 다른 사용자가 지웠습니다.";

bool NamesData(const std::string& domainName) { return !domainName.empty() && domainName != "NULL"; }

void CollectDataDomains(const InterfaceInfoMap& memberMethods, DomainIdMap& dataDomains) {
    for (const auto& [key, info] : memberMethods) {
        if (NamesData(info.in_domain_name)) dataDomains.emplace(ReadDecimal(info.in_domain_id), info.in_data_name);
        if (NamesData(info.out_domain_name)) dataDomains.emplace(ReadDecimal(info.out_domain_id), info.out_data_name);
    }
}

// False, after the file's path, the failure text and the system's reason were shown, when the file was not
// written.
bool WriteClassFile(class_sourceFile& file, const std::string& text, const std::string& path, const char* failure) {
    std::string reason;
    if (file.write_text_file(text, path, &reason)) return true;
    ShowCodegenMessage(path + failure + "\n" + reason);
    return false;
}

// A domain's header below the component's folder, where the includes of the generated sources look for it
// (Tamo/Method/<server path><name>.h, Tamo/Data/...): the layout of saving all headers.
std::string ComponentHeaderPath(CMysqlQuery& session, const std::string& basePath, const std::string& componentName,
                                const char* kind, const class_domain_info& domain) {
    std::string directory = HeaderPath(session, kind, domain.id);
    ReplaceAll(directory, "/");
    return basePath + "/" + componentName + "/" + directory + domain.name + ".h";
}

// Whether the interface stands in the domain under that name; false after a message otherwise. The domain's
// whole list is asked, as the header asks it: after a call of the list for one name, the server has answered
// the next whole list of the same connection in another order.
bool InterfaceStands(CMysqlQuery& session, int domainId, const std::string& name) {
    std::vector<class_interface_info> found;
    if (session.SelectInterfaceList(session.FormatCall("call interfaceViewInterfaceList(%d,'method','%%')", domainId),
                                    found) != 0) {
        session.ShowLastError();
        return false;
    }
    for (const class_interface_info& entry : found)
        if (entry.name == name) return true;
    ShowCodegenMessage("인터페이스가 없습니다. 다른 사용자가 지웠거나 이름을 바꿨습니다: " + name);
    return false;
}

}  // namespace

void GenerateInterfaceSources(CMysqlQuery& session, const SourceRequest& request, InterfaceInfoMap& memberMethods,
                              DomainIdMap& methodDomains, DomainIdMap& dataDomains) {
    class_domain_info domain;
    if (!ReadCurrentDomain("method", request.methodDomainId, domain, kDomainGone) ||
        !InterfaceStands(session, domain.id, request.interfaceName))
        return;
    LoadInterfaceInfoMap(session, request.methodDomainId, request.interfaceName, memberMethods);
    for (const auto& [domainId, name] : session.ParentInterfaces()) methodDomains.emplace(domainId, std::string());

    class_sourceFile file;
    file.output_folder = request.outputPath + "/";
    file.class_name = request.className;
    file.header_name = domain.name;
    file.interface_name = request.interfaceName;
    file.side = request.side;
    file.domain_path = HeaderPath(session, "method", request.methodDomainId);

    const std::string base = file.output_folder + file.get_class_name();
    std::string text;
    // Each side's closing message says that both of its files were written; a failure has said otherwise.
    if (file.side == "Proxy") {
        file.make_proxy_header(memberMethods, text);
        bool written = WriteClassFile(file, text, base + ".h", " Proxy파일 생성에 실패했습니다!");
        file.make_proxy_source(memberMethods, text);
        written = WriteClassFile(file, text, base + ".cpp", " Proxy파일 생성에 실패했습니다!") && written;
        if (written) ShowCodegenMessage("Proxy 파일생성 완료되었습니다.");
    } else {
        file.make_stub_header(memberMethods, text);
        bool written = WriteClassFile(file, text, base + ".h", " Stub파일 생성에 실패했습니다!");
        file.make_stub_source(memberMethods, text);
        written = WriteClassFile(file, text, base + ".cpp", " Stub파일 생성에 실패했습니다!") && written;
        if (written) ShowCodegenMessage("Stub 파일생성이 완료되었습니다.");
    }
    CollectDataDomains(memberMethods, dataDomains);
}

// The closure takes every item of a domain, not only the item that brought the domain into the map, and the
// parent domains too: the header written for a domain is the whole domain's, and it includes its parents'
// headers and names the real data of all its aliases.
void AddAliasDomains(CMysqlQuery& session, DomainIdMap& dataDomains) {
    for (bool grown = true; grown;) {
        grown = false;
        for (auto entry = dataDomains.begin(); entry != dataDomains.end() && !grown; ++entry) {
            std::vector<class_metadata_info> items;
            if (session.SelectMetadataList(entry->first, "", items) == 0) {
                for (const class_metadata_info& item : items) {
                    if (item.type == "alias" && dataDomains.emplace(item.real_domain_id, std::string()).second)
                        grown = true;
                }
            }
            std::vector<class_domain_info> parents;
            const CString parentsCall = session.FormatCall("call inheritance_data_dataViewDomainList(%d)", entry->first);
            if (session.SelectDataDomainList(parentsCall, "data", parents) == 0) {
                for (const class_domain_info& parent : parents) {
                    if (dataDomains.emplace(parent.id, std::string()).second) grown = true;
                }
            }
        }
    }
}

void AddLinkedDomains(CMysqlQuery& session, DomainIdMap& methodDomains, DomainIdMap& dataDomains) {
    for (bool grown = true; grown;) {
        grown = false;
        for (auto entry = methodDomains.begin(); entry != methodDomains.end() && !grown; ++entry) {
            std::vector<class_domain_info> parents;
            const CString call = session.FormatCall("call inheritance_method_methodViewDomainList(%d)", entry->first);
            if (session.SelectDataDomainList(call, "method", parents) != 0) continue;
            for (const class_domain_info& parent : parents) {
                if (methodDomains.emplace(parent.id, std::string()).second) grown = true;
            }
        }
    }
    for (const auto& [domainId, text] : methodDomains) {
        std::vector<class_domain_info> used;
        const CString call = session.FormatCall("call inheritance_method_dataViewDomainList(%d)", domainId);
        if (session.SelectDataDomainList(call, "data", used) != 0) continue;
        for (const class_domain_info& domain : used) dataDomains.emplace(domain.id, std::string());
    }
}

void WriteComponentMethodHeaders(CMysqlQuery& session, const std::string& basePath, const std::string& componentName,
                                 const DomainIdMap& methodDomains) {
    class_sourceFile writer;
    for (const auto& [domainId, text] : methodDomains) {
        std::vector<class_domain_info> records;
        if (LoadDomainRecord(session, domainId, "method", records) != 0 || records.empty()) continue;
        const class_domain_info& domain = records.front();
        const std::string path = ComponentHeaderPath(session, basePath, componentName, "method", domain);
        // A folder that cannot be made fails the write below, which says so with the system's reason.
        MakeDirectory(path);
        std::string header;
        MakeDomainHeader(header, "method", session, domain);
        std::string reason;
        if (!writer.write_text_file(header, path, &reason))
            ShowCodegenMessage("Method Header.h 생성 실패했습니다! : " + path + "\n" + reason);
    }
}

void WriteComponentDataHeaders(CMysqlQuery& session, const std::string& basePath, const std::string& componentName,
                               const DomainIdMap& dataDomains) {
    class_sourceFile writer;
    for (const auto& [domainId, text] : dataDomains) {
        std::vector<class_domain_info> records;
        if (LoadDomainRecord(session, domainId, "data", records) != 0) {
            session.ShowLastError();
            continue;
        }
        if (records.empty()) continue;
        const class_domain_info& domain = records.front();
        const std::string path = ComponentHeaderPath(session, basePath, componentName, "data", domain);
        MakeDirectory(path);
        std::string header;
        MakeDomainHeader(header, "data", session, domain);
        std::string reason;
        if (!writer.write_text_file(header, path, &reason))
            ShowCodegenMessage(path + "\n Method Header생성 실패\n" + reason);
    }
}
